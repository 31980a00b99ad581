// The LZW encoder: byte equality with the literal linear-scan search on many pictures, and
// the decoder giving back the pixels.
#include <gtest/gtest.h>

#include "GifTestSupport.h"
#include "gif/LzwDecoder.h"
#include "gif/LzwEncoder.h"

using namespace vagaris;
using namespace giftest;

namespace {

struct LzwCase {
    const char* name;
    std::size_t pixels;
    int colours;
    int meanRun;
    int minCodeSize;
};

std::vector<std::uint8_t> Encoded(const std::vector<std::uint8_t>& indices, int m) {
    return EncodeLzw(indices.data(), indices.size(), m).Bytes();
}

}  // namespace

class LzwMatchesLinearScan : public ::testing::TestWithParam<LzwCase> {};

TEST_P(LzwMatchesLinearScan, SameBytesAndTheDecoderGivesThePixelsBack) {
    const LzwCase& c = GetParam();
    for (unsigned seed = 1; seed <= 4; ++seed) {
        const auto indices = RandomIndices(c.pixels, c.colours, seed * 101 + c.pixels, c.meanRun);
        const auto ours = Encoded(indices, c.minCodeSize);
        ASSERT_EQ(ours, ReferenceEncodeLzw(indices, c.minCodeSize)) << c.name << " seed " << seed;
        EXPECT_EQ(DecodeLzw(ours.data(), ours.size(), c.minCodeSize, indices.size()), indices)
            << c.name << " seed " << seed;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, LzwMatchesLinearScan,
    ::testing::Values(
        LzwCase{"two_pixels", 2, 2, 1, 2}, LzwCase{"three_pixels", 3, 2, 1, 2},
        LzwCase{"two_colours_random", 3000, 2, 1, 2},
        LzwCase{"three_colours_in_runs", 5000, 3, 6, 2}, LzwCase{"five_colours", 4000, 5, 2, 3},
        LzwCase{"sixteen_colours", 6000, 16, 1, 4}, LzwCase{"thirty_two_colours", 6000, 32, 2, 5},
        LzwCase{"sixty_four_colours", 6000, 64, 1, 6},
        LzwCase{"two_colours_with_code_size_7", 20000, 2, 1, 7},
        LzwCase{"two_colours_fill_the_dictionary_several_times", 40000, 2, 1, 2},
        LzwCase{"eight_colours_long_runs_fill_it_too", 60000, 8, 40, 3},
        // More than 15 clears: the direct index outlives its dictionary numbers.
        LzwCase{"sixteen_colours_fill_it_twenty_times", 220000, 16, 1, 4},
        LzwCase{"256_colours", 12000, 256, 1, 8}, LzwCase{"256_colours_in_runs", 20000, 256, 3, 8}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LzwEncoder, OneRunOfASingleIndexGrowsTheMatchesToTheEnd) {
    // The KwKwK case on every code: each new code is used right after it is given out.
    const std::vector<std::uint8_t> run(20000, 1);
    const auto ours = Encoded(run, 2);
    EXPECT_EQ(ours, ReferenceEncodeLzw(run, 2));
    EXPECT_EQ(DecodeLzw(ours.data(), ours.size(), 2, run.size()), run);
}

TEST(LzwEncoder, WholePicturesOfEveryShapeMatchTheLinearScan) {
    // 1 x n and n x 1 pictures go through the colour scan to the same index order.
    const std::pair<std::uint32_t, std::uint32_t> shapes[] = {{1, 9000}, {9000, 1}, {97, 89}};
    for (auto [w, h] : shapes) {
        const auto picture = RandomPicture(w, h, DistinctColours(6), w * 31 + h, 3);
        TGifFile file;
        file.AddBitmap(picture);
        file.ConvertBitmaps();
        auto& image = *file.Images.front();
        const std::uint8_t* px = image.Pixels.Block().Data();
        const std::vector<std::uint8_t> indices(px, px + std::size_t(w) * h);
        image.EncodeImage();
        EXPECT_EQ(image.EncodedData.Bytes(), ReferenceEncodeLzw(indices, image.LZWCodeSize))
            << w << " x " << h;
    }
}
