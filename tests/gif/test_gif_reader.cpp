// The GIF reader: written files read back to their pixels, interlaced images, extension
// blocks, the error texts on damaged files, and no crash or hang on any damaged input.
#include <gtest/gtest.h>

#include <random>

#include "GifTestSupport.h"
#include "gif/GifUnit.h"

using namespace vagaris;
using namespace giftest;

namespace {

std::string ReadError(const std::string& gif) {
    try {
        TGifFile file;
        file.ReadFromBytes(gif);
    } catch (const EGifException& e) {
        return e.what();
    }
    return "no error";
}

// Codes for a hand-made stream with minimum code size 2, each at the width a decoder
// expects: `n` codes after a clear, each a root index.
std::vector<std::pair<std::uint32_t, int>> RootCodes(int n) {
    std::vector<std::pair<std::uint32_t, int>> codes = {{4, 3}, {1, 3}};
    std::uint32_t next = 6;
    int width = 3;
    for (int i = 1; i < n; ++i) {
        codes.push_back({std::uint32_t(i % 4), width});
        ++next;
        if (next < 4096 && next == (1u << width)) ++width;
    }
    return codes;
}

}  // namespace

TEST(GifReader, WrittenPicturesReadBackToTheirPixels) {
    const struct {
        std::uint32_t w, h;
        std::vector<std::uint32_t> palette;
        int meanRun;
    } cases[] = {
        {2, 1, DistinctColours(2), 1},     {1, 700, DistinctColours(3), 2},
        {700, 1, kOrbitColours, 1},        {123, 77, kOrbitColours, 20},
        {64, 64, DistinctColours(256), 1}, {300, 200, DistinctColours(2), 1},
        {50, 40, DistinctColours(130), 4},
    };
    for (const auto& c : cases) {
        const auto picture = RandomPicture(c.w, c.h, c.palette, c.w + c.h, c.meanRun);
        std::uint32_t w = 0, h = 0;
        const auto pixels = DecodeWithLibrary(WriteGif(picture), &w, &h);
        EXPECT_EQ(w, c.w);
        EXPECT_EQ(h, c.h);
        EXPECT_EQ(pixels, picture.Pixels) << c.w << " x " << c.h;
    }
}

TEST(GifReader, InterlacedImagesArePlacedInTheirRows) {
    // Every row height around the interlace passes' steps.
    for (std::uint32_t h : {1u, 2u, 3u, 4u, 5u, 8u, 9u, 17u, 30u}) {
        const auto picture = RandomPicture(7, h, kOrbitColours, h, 2);
        TGifFile file;
        file.AddBitmap(picture);
        file.ConvertBitmaps();
        file.Images.front()->Interlaced = true;
        const std::string gif = file.WriteToBytes();
        EXPECT_EQ(Byte(gif, 13 + 3 * 8 + 9), 0x40) << "image flags";

        std::uint32_t w = 0, hh = 0;
        EXPECT_EQ(DecodeWithLibrary(gif, &w, &hh), picture.Pixels) << "height " << h;
    }
}

TEST(GifReader, ExtensionBlocksAreReadAndTheGraphicControlGoesToTheNextImage) {
    const std::string control =
        std::string("!\xF9\x04\x09\x0A\x00\x03\x00", 8);  // disposal 2, transparent
    const std::string comment = std::string(
        "!\xFE\x05hello\x03"
        "abc\x00",
        13);
    const std::string loop = std::string("!\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
    const std::string text =
        std::string("!\x01\x0C", 3) + std::string(12, '\x01') + std::string("\x02hi\x00", 4);
    const auto data = PackCodes({{4, 3}, {1, 3}, {2, 3}, {5, 3}});
    const std::string gif = HandMadeGif(2, 1, 2, data, "89a", loop + comment + text + control);

    TGifFile file;
    file.ReadFromBytes(gif);
    ASSERT_EQ(file.Images.size(), 1u);
    const TGifSubImage& image = *file.Images.front();
    EXPECT_EQ(image.DisposalMethod, 2);
    EXPECT_TRUE(image.Transparent);
    ASSERT_EQ(image.Extensions.size(), 4u);
    EXPECT_EQ(image.Extensions[0].Kind, TExtensionKind::Application);
    EXPECT_EQ(image.Extensions[1].Kind, TExtensionKind::Comment);
    EXPECT_EQ(image.Extensions[1].SubBlocks, (std::vector<std::string>{"hello", "abc"}));
    EXPECT_EQ(image.Extensions[2].Kind, TExtensionKind::PlainText);
    EXPECT_EQ(image.Extensions[2].SubBlocks, (std::vector<std::string>{"hi"}));
    EXPECT_EQ(image.Extensions[3].Kind, TExtensionKind::GraphicControl);
    EXPECT_EQ(image.Pixels.Get(1, 1), 1);
    EXPECT_EQ(image.Pixels.Get(2, 1), 2);
}

TEST(GifReader, AcceptedVersionsAndTheGlobalTable) {
    const auto data = PackCodes({{4, 3}, {3, 3}, {0, 3}, {5, 3}});
    for (const char* version : {"87a", "89a", "87A", "89A"}) {
        TGifFile file;
        file.ReadFromBytes(HandMadeGif(2, 1, 2, data, version));
        EXPECT_EQ(file.GlobalTable.Count, 4) << version;
        EXPECT_EQ(file.GlobalTable.Entries[3], (TColorEntry{0, 0, 255}));
        EXPECT_EQ(file.Images.front()->Pixels.Get(1, 1), 3);
    }
}

TEST(GifReader, DamagedFilesAreReportedWithTheirTexts) {
    const auto good = PackCodes({{4, 3}, {1, 3}, {2, 3}, {5, 3}});
    // 4090 root codes take the next free code from 6 to 4096: the table is full.
    auto overflowCodes = RootCodes(4091);
    auto afterFull = overflowCodes;
    overflowCodes.push_back({1, 12});
    afterFull.push_back({5, 12});

    const struct {
        const char* name;
        std::string gif;
        const char* message;
    } cases[] = {
        {"version 88a", HandMadeGif(2, 1, 2, good, "88a"), "Gif Version must be 87a or 89a"},
        {"cut header", "GIF8", "Gif Version must be 87a or 89a"},
        {"unknown extension", HandMadeGif(2, 1, 2, good, "89a", "!\x42\x00"),
         "Unrecognized extension block.\r\nCode = $42"},
        {"extension label 0xA7", HandMadeGif(2, 1, 2, good, "89a", "!\xA7\x00"),
         "Unrecognized extension block.\r\nCode = $A7"},
        {"code size 1", HandMadeGif(2, 1, 1, good), "Bad code Size"},
        {"code size 10", HandMadeGif(2, 1, 10, good), "Bad code Size"},
        {"end right after clear", HandMadeGif(2, 1, 2, PackCodes({{4, 3}, {5, 3}})), "Bad code"},
        {"dictionary code first", HandMadeGif(2, 1, 2, PackCodes({{4, 3}, {6, 3}})), "Bad code"},
        {"code beyond the next", HandMadeGif(4, 1, 2, PackCodes({{4, 3}, {1, 3}, {7, 3}})),
         "Bad code"},
        {"a code after code 4095", HandMadeGif(100, 100, 2, PackCodes(overflowCodes)),
         "Code size overflow"},
        {"end after code 4095", HandMadeGif(100, 100, 2, PackCodes(afterFull)), "no error"},
        {"data cut short", HandMadeGif(9, 9, 2, PackCodes({{4, 3}, {1, 3}})), "no error"},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadError(c.gif), c.message) << c.name;
}

TEST(GifReader, ACodeDefinedByItsOwnUseDecodes) {
    // 1 1 1 1: clear, 1, then code 6 = (1, 1) used while it is being defined, then end.
    const auto data = PackCodes({{4, 3}, {1, 3}, {6, 3}, {1, 3}, {5, 3}});
    TGifFile file;
    file.ReadFromBytes(HandMadeGif(4, 1, 2, data));
    EXPECT_EQ(file.Images.front()->Pixels.CopyRowOut(1), (std::vector<std::uint8_t>{1, 1, 1, 1}));
}

TEST(GifBitmapLoad, FirstImageBecomesAnEightBitBottomUpWindowsBitmap) {
    TPixelBitmap picture(3, 2);
    const auto red = RgbValue(255, 0, 0), blue = RgbValue(0, 0, 255);
    picture.Pixels = {red, blue, blue, blue, red, red};
    TGifBitmap bitmap;
    bitmap.LoadFromBytes(WriteGif(picture));
    EXPECT_EQ(bitmap.Palette[0], (TColorEntry{255, 0, 0}));
    EXPECT_EQ(bitmap.Palette[1], (TColorEntry{0, 0, 255}));
    EXPECT_EQ(bitmap.Palette[2], (TColorEntry{0, 0, 0})) << "unused entries black";

    const std::string bmp = bitmap.ToWindowsBitmap();
    auto u32 = [&](std::size_t at) {
        return std::uint32_t(Byte(bmp, at)) | std::uint32_t(Byte(bmp, at + 1)) << 8 |
               std::uint32_t(Byte(bmp, at + 2)) << 16 | std::uint32_t(Byte(bmp, at + 3)) << 24;
    };
    const std::size_t pixelsAt = 14 + 40 + 1024;
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(u32(2), pixelsAt + 8);
    EXPECT_EQ(u32(10), pixelsAt);
    EXPECT_EQ(u32(18), 3u);
    EXPECT_EQ(u32(22), 2u);
    EXPECT_EQ(Byte(bmp, 28), 8) << "bits per pixel";
    EXPECT_EQ(u32(38), 143u) << "pixels per metre";
    EXPECT_EQ(u32(46), 256u) << "palette entries";
    EXPECT_EQ(Byte(bmp, 54 + 4 * 1), 255) << "palette stored blue, green, red";
    // Bottom row first, each padded to four bytes.
    EXPECT_EQ(bmp.substr(pixelsAt), std::string("\x01\x00\x00\x00\x00\x01\x01\x00", 8));
}

TEST(GifBitmapLoad, AFileWithoutImagesIsRefused) {
    EXPECT_THROW(
        {
            TGifBitmap bitmap;
            bitmap.LoadFromBytes(std::string("GIF89a\x01\x00\x01\x00\x00\x00\x00;", 14));
        },
        EGifException);
}

// ---- Damaged input ----------------------------------------------------------------------------

namespace {

// A small valid file with every kind of block: extensions, a local table, an interlaced image.
std::string FuzzSeed() {
    TGifFile file;
    file.AddBitmap(RandomPicture(13, 11, kOrbitColours, 1, 2));
    file.AddBitmap(RandomPicture(9, 14, DistinctColours(20), 2, 1));
    file.ConvertBitmaps();
    file.Images[1]->Interlaced = true;
    std::string gif = file.WriteToBytes();
    gif.replace(3, 3, "89a");
    const std::size_t firstImage = 13 + 3 * 8;
    gif.insert(firstImage, std::string("!\xF9\x04\x05\x0A\x00\x02\x00!\xFE\x02hi\x00", 15));
    return gif;
}

// Reads as a GIF and as a bitmap: both must end normally or with EGifException.
void ReadMustNotCrash(const std::string& gif, const std::string& what) {
    try {
        TGifFile file;
        file.ReadFromBytes(gif);
    } catch (const EGifException&) {
    } catch (const std::exception& e) {
        ADD_FAILURE() << what << ": " << e.what();
    }
    try {
        TGifBitmap bitmap;
        bitmap.LoadFromBytes(gif);
    } catch (const EGifException&) {
    } catch (const std::exception& e) {
        ADD_FAILURE() << what << ": " << e.what();
    }
}

}  // namespace

TEST(GifReaderDamaged, EveryTruncationReadsOrFailsCleanly) {
    const std::string gif = FuzzSeed();
    {
        TGifFile file;
        file.ReadFromBytes(gif);
        ASSERT_EQ(file.Images.size(), 2u) << "the seed file itself is valid";
    }
    for (std::size_t n = 0; n < gif.size(); ++n)
        ReadMustNotCrash(gif.substr(0, n), "cut at " + std::to_string(n));
}

TEST(GifReaderDamaged, RandomByteFlipsReadOrFailCleanly) {
    const std::string seed = FuzzSeed();
    std::mt19937 rng(2024);
    std::uniform_int_distribution<std::size_t> where(0, seed.size() - 1);
    std::uniform_int_distribution<int> value(0, 255), howMany(1, 6);
    for (int round = 0; round < 2000; ++round) {
        std::string gif = seed;
        for (int k = howMany(rng); k > 0; --k) gif[where(rng)] = static_cast<char>(value(rng));
        ReadMustNotCrash(gif, "round " + std::to_string(round));
    }
}

// Found by the fuzz target: a picture announcing 65281 x 65535 pixels with a code size the
// decoder refuses. The 4 GB block was reserved before the refusal (under AddressSanitizer,
// whose bookkeeping touches a slice of every block, that took seconds); now the stream is
// decoded first and the picture is refused without reserving anything.
TEST(GifReader, AHugeAnnouncedPictureWithABadCodeSizeIsRefusedAtOnce) {
    const std::string hex =
        "4f3042383961ff4749463837610100010081000000254a6fffff94b900ffffffffffffffffffffff"
        "ffffffffffffffffffffffffffffffffffffffffffffffffffffffffffff0000ffffffffffffffff"
        "ffffffffffffffffffffffffffffffffffffff00ff00002c0000000001ffffffffffffffff000100"
        "00080400010404003bff";
    std::string gif;
    for (std::size_t k = 0; k < hex.size(); k += 2)
        gif += static_cast<char>(std::stoi(hex.substr(k, 2), nullptr, 16));
    EXPECT_EQ(ReadError(gif), "Bad code Size");
}
