#pragma once
// Helpers for the GIF library's tests: pictures made from a seed, a temporary folder, the
// literal (linear-scan) LZW encoder as a reference, and a reader of the raw code stream.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "gif/GifUnit.h"

namespace giftest {

using vagaris::RgbValue;
using vagaris::TPixelBitmap;

// The orbit view's seven colours: navy, aqua, fuchsia, gray, red, yellow, black.
inline const std::vector<std::uint32_t> kOrbitColours = {
    RgbValue(0, 0, 128), RgbValue(0, 255, 255), RgbValue(255, 0, 255), RgbValue(128, 128, 128),
    RgbValue(255, 0, 0), RgbValue(255, 255, 0), RgbValue(0, 0, 0)};

// `n` distinct colour values (n <= 65536); 97 is odd, so i * 97 mod 256 and i / 256 tell
// every i apart.
inline std::vector<std::uint32_t> DistinctColours(int n) {
    std::vector<std::uint32_t> colours;
    for (int i = 0; i < n; ++i)
        colours.push_back(
            RgbValue(std::uint8_t(i * 97), std::uint8_t(i >> 8), std::uint8_t(255 - i)));
    return colours;
}

// Random colour indices below `colours`, with runs of about `meanRun` equal pixels.
inline std::vector<std::uint8_t> RandomIndices(std::size_t count, int colours, unsigned seed,
                                               int meanRun = 1) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> pick(0, colours - 1);
    std::uniform_int_distribution<int> run(1, 2 * meanRun - 1);
    std::vector<std::uint8_t> out;
    out.reserve(count);
    while (out.size() < count) {
        const auto v = static_cast<std::uint8_t>(pick(rng));
        for (int k = run(rng); k > 0 && out.size() < count; --k) out.push_back(v);
    }
    return out;
}

// A picture whose pixel i has colour palette[indices[i]].
inline TPixelBitmap PictureFrom(std::uint32_t width, std::uint32_t height,
                                const std::vector<std::uint8_t>& indices,
                                const std::vector<std::uint32_t>& palette) {
    TPixelBitmap bitmap(width, height);
    for (std::size_t i = 0; i < bitmap.Pixels.size(); ++i) bitmap.Pixels[i] = palette[indices[i]];
    return bitmap;
}

// Every colour of `palette` appears at least once (in order, first), then random ones.
inline TPixelBitmap RandomPicture(std::uint32_t width, std::uint32_t height,
                                  const std::vector<std::uint32_t>& palette, unsigned seed,
                                  int meanRun = 1) {
    auto indices = RandomIndices(std::size_t(width) * height, int(palette.size()), seed, meanRun);
    for (std::size_t i = 0; i < palette.size() && i < indices.size(); ++i)
        indices[i] = static_cast<std::uint8_t>(i);
    return PictureFrom(width, height, indices, palette);
}

inline std::string WriteGif(const TPixelBitmap& picture) {
    vagaris::TGifFile file;
    file.AddBitmap(picture);
    return file.WriteToBytes();
}

inline std::uint8_t Byte(const std::string& bytes, std::size_t i) {
    return static_cast<std::uint8_t>(bytes.at(i));
}

// The pixels of a GIF read back with the library, as colour values.
inline std::vector<std::uint32_t> DecodeWithLibrary(const std::string& gif, std::uint32_t* width,
                                                    std::uint32_t* height) {
    vagaris::TGifBitmap bitmap;
    bitmap.LoadFromBytes(gif);
    *width = bitmap.Width;
    *height = bitmap.Height;
    std::vector<std::uint32_t> out;
    const std::uint8_t* indices = bitmap.Indices.Block().Data();
    out.reserve(std::size_t(bitmap.Width) * bitmap.Height);
    for (std::size_t k = 0; k < std::size_t(bitmap.Width) * bitmap.Height; ++k) {
        const auto& c = bitmap.Palette[indices[k]];
        out.push_back(RgbValue(c.Red, c.Green, c.Blue));
    }
    return out;
}

// A folder of its own under the system's temporary folder, removed at the end.
class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vagaris-gif-XXXXXX");
        if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// ---- The literal encoder ----------------------------------------------------------------------
// The dictionary search as first written: a linear scan of the codes given out since the last
// clear, from max(first free code, cur + 1) up. Quadratic: small pictures only.
inline std::vector<std::uint8_t> ReferenceEncodeLzw(const std::vector<std::uint8_t>& pixels,
                                                    int m) {
    std::vector<std::uint16_t> prefix(4096), suffix(4096);
    const std::uint32_t clear = 1u << m, end = clear + 1, firstFree = clear + 2;
    std::uint32_t next = firstFree;
    int width = m + 1;
    bool full = false;
    std::vector<std::uint8_t> out;
    std::uint32_t bits = 0;
    int held = 0;
    auto put = [&](std::uint32_t code) {
        bits |= code << held;
        held += width;
        while (held >= 8) {
            out.push_back(std::uint8_t(bits & 0xFF));
            bits >>= 8;
            held -= 8;
        }
    };
    put(clear);
    std::size_t i = 0;
    if (!pixels.empty()) {
        std::uint32_t prev = pixels[i++];
        put(prev);
        while (i < pixels.size()) {
            const std::uint32_t k = pixels[i++];
            prefix[next] = std::uint16_t(prev);
            suffix[next] = std::uint16_t(k);
            ++next;
            if (next == 4096)
                full = true;
            else if ((1u << width) < next)
                ++width;
            std::uint32_t cur = k;
            while (i < pixels.size()) {
                const std::uint32_t p = pixels[i];
                std::uint32_t found = 0;
                for (std::uint32_t c = std::max(firstFree, cur + 1); c < next; ++c)
                    if (prefix[c] == cur && suffix[c] == p) {
                        found = c;
                        break;
                    }
                if (found == 0) break;
                cur = found;
                ++i;
            }
            put(cur);
            prev = cur;
            if (full && i < pixels.size()) {
                put(clear);
                width = m + 1;
                next = firstFree;
                full = false;
                prev = pixels[i++];
                put(prev);
            }
        }
    }
    put(end);
    if (held > 0) out.push_back(std::uint8_t(bits & 0xFF));
    return out;
}

// ---- The raw code stream ----------------------------------------------------------------------
struct Code {
    std::uint32_t value;
    int width;
    std::uint32_t nextBefore;  // the decoder's next free code when this code was read
};

// Splits image data into codes, following the widths a GIF decoder uses, up to the end code.
inline std::vector<Code> ReadCodes(const std::vector<std::uint8_t>& data, int m) {
    const std::uint32_t clear = 1u << m, end = clear + 1;
    std::vector<Code> codes;
    std::size_t pos = 0;
    std::uint32_t bits = 0;
    int held = 0, width = m + 1;
    std::uint32_t next = clear + 2;
    bool afterClear = true;
    for (;;) {
        while (held < width) {
            if (pos >= data.size()) return codes;
            bits |= std::uint32_t(data[pos++]) << held;
            held += 8;
        }
        const std::uint32_t code = bits & ((1u << width) - 1);
        bits >>= width;
        held -= width;
        codes.push_back({code, width, next});
        if (code == end) return codes;
        if (code == clear) {
            width = m + 1;
            next = clear + 2;
            afterClear = true;
            continue;
        }
        if (afterClear) {
            afterClear = false;
            continue;
        }
        if (next < 4096) ++next;
        if (next < 4096 && next == (1u << width)) ++width;
    }
}

// Packs codes of the given widths, least significant bit first, into image data.
inline std::vector<std::uint8_t> PackCodes(
    const std::vector<std::pair<std::uint32_t, int>>& codes) {
    std::vector<std::uint8_t> out;
    std::uint64_t bits = 0;
    int held = 0;
    for (auto [code, width] : codes) {
        bits |= std::uint64_t(code) << held;
        held += width;
        while (held >= 8) {
            out.push_back(std::uint8_t(bits & 0xFF));
            bits >>= 8;
            held -= 8;
        }
    }
    if (held > 0) out.push_back(std::uint8_t(bits & 0xFF));
    return out;
}

// A GIF87a file of one width x height image with a 4-colour global table and the given
// minimum code size and image data (split into sub-blocks).
inline std::string HandMadeGif(std::uint16_t width, std::uint16_t height, int minCodeSize,
                               const std::vector<std::uint8_t>& data,
                               const std::string& version = "87a",
                               const std::string& beforeImage = "") {
    std::string g = "GIF" + version;
    auto put16 = [&](std::uint16_t v) {
        g.push_back(char(v & 0xFF));
        g.push_back(char(v >> 8));
    };
    put16(width);
    put16(height);
    g.push_back(char(0x91));  // global table of 4
    g.push_back(0);
    g.push_back(0);
    const std::uint8_t table[12] = {0, 0, 0, 255, 255, 255, 255, 0, 0, 0, 0, 255};
    g.append(reinterpret_cast<const char*>(table), 12);
    g += beforeImage;
    g.push_back(',');
    put16(0);
    put16(0);
    put16(width);
    put16(height);
    g.push_back(0);
    g.push_back(char(minCodeSize));
    for (std::size_t at = 0; at < data.size(); at += 255) {
        const std::size_t n = std::min<std::size_t>(255, data.size() - at);
        g.push_back(char(n));
        g.append(reinterpret_cast<const char*>(data.data() + at), n);
    }
    g.push_back(0);
    g.push_back(';');
    return g;
}

}  // namespace giftest
