// Every written file decodes to the source pixels in independent GIF readers: Python's
// Pillow and giflib's gif2rgb, whichever are installed (skipped when neither is).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

#include "GifTestSupport.h"

using namespace vagaris;
using namespace giftest;

namespace {

bool CommandSucceeds(const std::string& command) {
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

// The Python with Pillow: the system's first (other interpreters may lack it).
std::string PythonWithPillow() {
    for (const char* python : {"/usr/bin/python3", "python3"})
        if (CommandSucceeds(std::string(python) + " -c 'import PIL'")) return python;
    return "";
}

struct Decoder {
    std::string name;
    // Decodes `gif` into raw RGB bytes at `rgb`; true on success.
    std::function<bool(const std::string& gif, const std::string& rgb)> decode;
};

std::vector<Decoder> AvailableDecoders() {
    std::vector<Decoder> decoders;
    const std::string python = PythonWithPillow();
    if (!python.empty())
        decoders.push_back({"Pillow", [python](const std::string& gif, const std::string& rgb) {
                                const std::string script =
                                    "import sys; from PIL import Image; "
                                    "im = Image.open(sys.argv[1]); assert im.format == 'GIF'; "
                                    "open(sys.argv[2], 'wb').write(im.convert('RGB').tobytes())";
                                return CommandSucceeds(python + " -c \"" + script + "\" '" + gif +
                                                       "' '" + rgb + "'");
                            }});
    if (CommandSucceeds("command -v gif2rgb"))
        decoders.push_back({"gif2rgb", [](const std::string& gif, const std::string& rgb) {
                                return CommandSucceeds("gif2rgb -1 -o '" + rgb + "' '" + gif + "'");
                            }});
    return decoders;
}

std::string RgbBytes(const TPixelBitmap& picture) {
    std::string rgb;
    rgb.reserve(picture.Pixels.size() * 3);
    for (std::uint32_t v : picture.Pixels) {
        rgb.push_back(static_cast<char>(v & 0xFF));
        rgb.push_back(static_cast<char>((v >> 8) & 0xFF));
        rgb.push_back(static_cast<char>((v >> 16) & 0xFF));
    }
    return rgb;
}

// A line drawing in the orbit view's colours on a black background: axes, a few ellipses
// of dots and a text-like block.
TPixelBitmap OrbitDrawing(std::uint32_t w, std::uint32_t h) {
    TPixelBitmap p(w, h, RgbValue(0, 0, 0));
    for (std::uint32_t x = 0; x < w; ++x) p.at(x, h / 2) = kOrbitColours[3];
    for (std::uint32_t y = 0; y < h; ++y) p.at(w / 2, y) = kOrbitColours[3];
    for (int k = 0; k < 5; ++k)
        for (int t = 0; t < 2000; ++t) {
            const double a = t * 6.283185307179586 / 2000;
            const auto x = static_cast<std::uint32_t>(w / 2 + (k + 1) * w / 12.0 * std::cos(a));
            const auto y = static_cast<std::uint32_t>(h / 2 + (k + 1) * h / 12.0 * std::sin(a));
            p.at(x, y) = kOrbitColours[k % 3 == 0 ? 1 : k % 3 == 1 ? 2 : 0];
        }
    for (std::uint32_t y = 5; y < 15; ++y)
        for (std::uint32_t x = 5; x < 60; ++x)
            if ((x * 7 + y * 3) % 5 < 2) p.at(x, y) = kOrbitColours[5];
    p.at(w / 2, h / 2) = kOrbitColours[4];
    return p;
}

}  // namespace

TEST(GifIndependentReaders, WrittenFilesDecodeToTheSourcePixels) {
    const auto decoders = AvailableDecoders();
    if (decoders.empty()) GTEST_SKIP() << "neither Pillow nor gif2rgb is installed";

    const struct {
        const char* name;
        TPixelBitmap picture;
    } cases[] = {
        {"two colours", RandomPicture(31, 7, DistinctColours(2), 1)},
        {"five colours", RandomPicture(40, 40, DistinctColours(5), 2, 3)},
        {"orbit drawing", OrbitDrawing(640, 480)},
        {"256 random colours", RandomPicture(128, 128, DistinctColours(256), 3)},
        {"few colours filling the dictionary", RandomPicture(400, 300, DistinctColours(2), 4)},
        {"1 x n", RandomPicture(1, 3000, DistinctColours(3), 5, 2)},
        {"n x 1", RandomPicture(3000, 1, DistinctColours(3), 6, 2)},
        {"two pixels", RandomPicture(2, 1, DistinctColours(2), 7)},
    };
    TempDir dir;
    int n = 0;
    for (const auto& c : cases) {
        const std::string stem = std::string("p").append(std::to_string(n));
        const std::string gif = dir.file(stem + ".gif");
        TGifFile file;
        file.AddBitmap(c.picture);
        file.WriteToFile(gif);
        for (const auto& d : decoders) {
            const std::string rgb = dir.file(stem + "-" + d.name + ".rgb");
            ASSERT_TRUE(d.decode(gif, rgb)) << d.name << " cannot read " << c.name;
            EXPECT_TRUE(ReadFileBytes(rgb) == RgbBytes(c.picture)) << d.name << ": " << c.name;
        }
        ++n;
    }
}
