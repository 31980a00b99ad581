#include "gif/LzwDecoder.h"

#include <algorithm>
#include <array>
#include <memory>

#include "gif/GifErrors.h"

namespace vagaris {

namespace {

constexpr int kMaxCodes = 4096;

// The decoder's dictionary: each code's prefix code, last index and first index.
struct DecoderTable {
    std::array<std::uint16_t, kMaxCodes> prefix{};
    std::array<std::uint16_t, kMaxCodes> suffix{};
    std::array<std::uint16_t, kMaxCodes> first{};
    std::array<std::uint8_t, kMaxCodes + 1> stack{};
};

// Reads codes of varying width, least significant bit first.
class CodeReader {
public:
    CodeReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    // False when the data runs out before a whole code.
    bool Next(int width, std::uint32_t& code) {
        while (bitCount_ < width) {
            if (pos_ >= size_) return false;
            bits_ |= std::uint32_t(data_[pos_++]) << bitCount_;
            bitCount_ += 8;
        }
        code = bits_ & ((1u << width) - 1);
        bits_ >>= width;
        bitCount_ -= width;
        return true;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
    std::uint32_t bits_ = 0;
    int bitCount_ = 0;
};

[[noreturn]] void ThrowBadCode() { throw EGifException("Bad code"); }

}  // namespace

std::vector<std::uint8_t> DecodeLzw(const std::uint8_t* data, std::size_t size, int minCodeSize,
                                    std::size_t maxPixels) {
    if (minCodeSize < 2 || minCodeSize > 9) throw EGifException("Bad code Size");
    const std::uint32_t clearCode = 1u << minCodeSize;
    const std::uint32_t endCode = clearCode + 1;
    const std::uint32_t firstFree = clearCode + 2;

    auto table = std::make_unique<DecoderTable>();
    for (std::uint32_t root = 0; root < clearCode; ++root) {
        table->suffix[root] = static_cast<std::uint16_t>(root);
        table->first[root] = static_cast<std::uint16_t>(root);
    }

    std::vector<std::uint8_t> out;
    out.reserve(std::min<std::size_t>(maxPixels, size * 4 + 16));
    CodeReader reader(data, size);
    int width = minCodeSize + 1;
    std::uint32_t next = firstFree;
    bool afterClear = true;  // no previous code: the next one must be a root
    bool fullTable = false;  // code 4095 given out: only clear or end may follow
    std::uint32_t prev = 0;

    // Appends the indices of `code` (a root or a dictionary code), at most up to maxPixels.
    auto output = [&](std::uint32_t code) {
        int depth = 0;
        for (std::uint32_t c = code; c >= firstFree; c = table->prefix[c])
            table->stack[depth++] = static_cast<std::uint8_t>(table->suffix[c]);
        table->stack[depth++] =
            static_cast<std::uint8_t>(code >= firstFree ? table->first[code] : code);
        while (depth > 0 && out.size() < maxPixels) out.push_back(table->stack[--depth]);
    };

    std::uint32_t code = 0;
    while (out.size() < maxPixels && reader.Next(width, code)) {
        if (code == clearCode) {
            width = minCodeSize + 1;
            next = firstFree;
            afterClear = true;
            fullTable = false;
            continue;
        }
        if (code == endCode) {
            if (afterClear) ThrowBadCode();
            break;
        }
        if (fullTable) throw EGifException("Code size overflow");
        if (afterClear) {
            if (code >= clearCode) ThrowBadCode();
            output(code);
            prev = code;
            afterClear = false;
            continue;
        }
        if (code > next) ThrowBadCode();
        std::uint16_t firstOfCode;
        if (code < next) {
            output(code);
            firstOfCode = code >= firstFree ? table->first[code] : static_cast<std::uint16_t>(code);
        } else {
            // The code being defined right now: the previous string and its own first index.
            firstOfCode = prev >= firstFree ? table->first[prev] : static_cast<std::uint16_t>(prev);
            output(prev);
            if (out.size() < maxPixels) out.push_back(static_cast<std::uint8_t>(firstOfCode));
        }
        table->prefix[next] = static_cast<std::uint16_t>(prev);
        table->suffix[next] = firstOfCode;
        table->first[next] =
            prev >= firstFree ? table->first[prev] : static_cast<std::uint16_t>(prev);
        ++next;
        if (next >= static_cast<std::uint32_t>(kMaxCodes))
            fullTable = true;
        else if (next == (1u << width))
            ++width;
        prev = code;
    }
    return out;
}

}  // namespace vagaris
