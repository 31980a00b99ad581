// The GIF writer: file layout byte for byte, colour tables, refusals, sub-blocks, the
// dictionary restart, progress and cursor hooks, and the atomic file write.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "GifTestSupport.h"
#include "gif/GifUnit.h"
#include "gif/LzwEncoder.h"

using namespace vagaris;
using namespace giftest;

namespace {

// Offsets in a single-image file with a global table of `tableCount` entries.
struct Layout {
    int tableCount;
    std::size_t descriptor() const { return 13 + 3 * tableCount; }  // the "," byte
    std::size_t codeSize() const { return descriptor() + 10; }
    std::size_t firstBlock() const { return codeSize() + 1; }
};

// The image data sub-blocks of a single-image file, and what follows the terminator.
struct Blocks {
    std::vector<std::size_t> lengths;
    std::vector<std::uint8_t> data;
    std::string after;
};
Blocks SplitBlocks(const std::string& gif, std::size_t at) {
    Blocks b;
    for (;;) {
        const std::size_t n = Byte(gif, at++);
        if (n == 0) break;
        b.lengths.push_back(n);
        for (std::size_t k = 0; k < n; ++k) b.data.push_back(Byte(gif, at++));
    }
    b.after = gif.substr(at);
    return b;
}

}  // namespace

TEST(GifWriter, TwoByTwoTwoColourPictureIsWrittenByteForByte) {
    // Pixels 0 1 / 1 0: clear, 0, 1, 1 at width 3, then code 8 has been given out and the
    // last lone pixel 0 goes out as its own index at width 4, then end (5).
    const auto white = RgbValue(255, 255, 255), red = RgbValue(255, 0, 0);
    TPixelBitmap picture(2, 2);
    picture.Pixels = {white, red, red, white};
    const std::string expected = std::string("GIF87a") +
                                 std::string("\x02\x00\x02\x00\x80\x00\x00", 7) +
                                 std::string("\xFF\xFF\xFF\xFF\x00\x00", 6) +
                                 std::string(",\x00\x00\x00\x00\x02\x00\x02\x00\x00", 10) +
                                 std::string("\x02\x03\x44\x02\x05\x00;", 7);
    EXPECT_EQ(WriteGif(picture), expected);
}

struct ColourCase {
    const char* name;
    int colours;
    int tableCount;
    std::uint8_t screenFlags;
    int minCodeSize;
};

class GifColourTable : public ::testing::TestWithParam<ColourCase> {};

TEST_P(GifColourTable, TableSizeFlagsAndCodeSizeFollowTheColoursUsed) {
    const ColourCase& c = GetParam();
    const auto palette =
        std::string(c.name) == "orbit view" ? kOrbitColours : DistinctColours(c.colours);
    const auto picture = RandomPicture(23, 17, palette, 7);
    const std::string gif = WriteGif(picture);
    const Layout layout{c.tableCount};

    EXPECT_EQ(Byte(gif, 10), c.screenFlags);
    EXPECT_EQ(Byte(gif, 11), 0) << "background";
    EXPECT_EQ(Byte(gif, 12), 0) << "aspect";
    ASSERT_EQ(Byte(gif, layout.descriptor()), ',');
    EXPECT_EQ(Byte(gif, layout.descriptor() + 9), 0) << "image flags";
    EXPECT_EQ(Byte(gif, layout.codeSize()), c.minCodeSize);
    // The table: colours in order of first appearance, then black.
    for (int i = 0; i < c.tableCount; ++i) {
        const std::uint32_t rgb =
            RgbValue(Byte(gif, 13 + 3 * i), Byte(gif, 14 + 3 * i), Byte(gif, 15 + 3 * i));
        EXPECT_EQ(rgb, i < c.colours ? palette[i] : 0u) << "entry " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Counts, GifColourTable,
                         ::testing::Values(ColourCase{"two colours", 2, 2, 0x80, 2},
                                           ColourCase{"three colours", 3, 4, 0x91, 2},
                                           ColourCase{"five colours: three black entries", 5, 8,
                                                      0xA2, 3},
                                           ColourCase{"orbit view", 7, 8, 0xA2, 3},
                                           ColourCase{"seventeen colours", 17, 32, 0xC4, 5},
                                           ColourCase{"129 colours", 129, 256, 0xF7, 8},
                                           ColourCase{"256 colours", 256, 256, 0xF7, 8}),
                         [](const auto& info) {
                             std::string n = info.param.name;
                             for (char& ch : n)
                                 if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return n;
                         });

struct RefusedCase {
    const char* name;
    TPixelBitmap picture;
    const char* message;
};

TEST(GifWriter, PicturesWithAWrongColourCountAreRefusedWithTheCount) {
    std::vector<std::uint32_t> colours257 = DistinctColours(300);
    TPixelBitmap many(20, 20);
    for (std::size_t i = 0; i < many.Pixels.size(); ++i) many.Pixels[i] = colours257[i % 300];
    const std::vector<RefusedCase> cases = {
        {"1 x 1", TPixelBitmap(1, 1, RgbValue(1, 2, 3)),
         "Number of colors (1) wrong; must be a power of 2"},
        {"single colour", TPixelBitmap(40, 30, RgbValue(0, 0, 128)),
         "Number of colors (1) wrong; must be a power of 2"},
        {"empty", TPixelBitmap(0, 0), "Number of colors (0) wrong; must be a power of 2"},
        {"300 colours: the scan stops at the 257th", many,
         "Number of colors (257) wrong; must be a power of 2"},
    };
    for (const auto& c : cases) {
        TGifFile file;
        file.AddBitmap(c.picture);
        try {
            file.WriteToBytes();
            ADD_FAILURE() << c.name << ": written";
        } catch (const EGifException& e) {
            EXPECT_STREQ(e.what(), c.message) << c.name;
        }
    }
}

TEST(GifWriter, GlobalTableWithACountThatIsNoTableSizeStopsTheWriting) {
    TGifFile file;  // nothing added: the global table is still empty
    try {
        file.WriteToBytes();
        FAIL() << "written";
    } catch (const EGifException& e) {
        EXPECT_STREQ(e.what(), "unexpected number of colors");
    }
}

TEST(GifWriter, EncodedDataOf255And256BytesGivesOneFullBlockAndThenARest) {
    // Longer and longer rows of random colours until the data is 255, then 256 bytes. The
    // number of bits depends only on the number of codes, and one more code may add two bytes
    // (2 colours jump from 255 to 257, 16 from 254 to 256), so try several colour counts.
    for (std::size_t wanted : {std::size_t(255), std::size_t(256)}) {
        bool seen = false;
        for (int colours : {2, 8, 16, 32}) {
            const int m = colours == 2 ? 2 : colours == 8 ? 3 : colours == 16 ? 4 : 5;
            auto indices = RandomIndices(4000, colours, 17);
            for (int i = 0; i < colours; ++i) indices[i] = static_cast<std::uint8_t>(i);
            for (std::uint32_t n = colours; n < indices.size() && !seen; ++n) {
                const std::size_t total = EncodeLzw(indices.data(), n, m).Total();
                if (total > wanted) break;
                if (total < wanted) continue;
                seen = true;
                const std::vector<std::uint8_t> row(indices.begin(), indices.begin() + n);
                const std::string gif = WriteGif(PictureFrom(n, 1, row, DistinctColours(colours)));
                const Blocks b = SplitBlocks(gif, Layout{colours}.firstBlock());
                const auto expected = wanted == 255 ? std::vector<std::size_t>{255}
                                                    : std::vector<std::size_t>{255, 1};
                EXPECT_EQ(b.lengths, expected) << colours << " colours, " << n << " pixels";
                EXPECT_EQ(b.after, ";");
            }
            if (seen) break;
        }
        EXPECT_TRUE(seen) << "no row gives " << wanted << " bytes";
    }
}

TEST(GifWriter, AfterCode4095TheNextCodeIsAClearAtWidth12AndTheDictionaryRestarts) {
    // Random black and white pixels fill the 4096-code dictionary several times.
    const auto indices = RandomIndices(300 * 400, 2, 5);
    const std::string gif = WriteGif(PictureFrom(300, 400, indices, DistinctColours(2)));
    const Blocks b = SplitBlocks(gif, Layout{2}.firstBlock());
    const auto codes = ReadCodes(b.data, 2);
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(codes.front().value, 4u);
    EXPECT_EQ(codes.back().value, 5u);

    int restarts = 0;
    for (std::size_t i = 1; i + 2 < codes.size(); ++i) {
        if (codes[i].nextBefore != 4095) continue;  // this code's arrival gives out 4095
        const Code& clear = codes[i + 1];
        EXPECT_EQ(clear.value, 4u) << "at code " << i + 1;
        EXPECT_EQ(clear.width, 12);
        EXPECT_EQ(codes[i + 2].width, 3) << "first code after the clear at width m + 1";
        EXPECT_LT(codes[i + 2].value, 4u) << "a single pixel's index";
        ++restarts;
    }
    EXPECT_GE(restarts, 2);
    for (const Code& c : codes) EXPECT_LE(c.width, 12);
}

TEST(GifWriter, LaterImagesGetLocalTablesAndTheScreenTakesTheLargestSize) {
    TGifFile file;
    file.AddBitmap(RandomPicture(10, 30, DistinctColours(2), 1));
    file.AddBitmap(RandomPicture(40, 5, kOrbitColours, 2));
    const std::string gif = file.WriteToBytes();

    ASSERT_EQ(file.Images.size(), 2u);
    EXPECT_EQ(file.ScreenWidth, 40);
    EXPECT_EQ(file.ScreenHeight, 30);
    EXPECT_EQ(file.GlobalTable.Count, 2);
    EXPECT_FALSE(file.Images[0]->HasLocalTable);
    EXPECT_TRUE(file.Images[1]->HasLocalTable);
    EXPECT_EQ(file.Images[1]->ComputeFlags(), 0x82);
    EXPECT_EQ(file.Images[1]->ColorTable.Count, 8);

    TGifFile back;
    back.ReadFromBytes(gif);
    ASSERT_EQ(back.Images.size(), 2u);
    EXPECT_EQ(back.Images[1]->Pixels.Width(), 40u);
    EXPECT_EQ(back.Images[1]->ColorTable.Entries[6], (TColorEntry{0, 0, 0}));
    EXPECT_EQ(back.Images[1]->ColorTable.Entries[1], (TColorEntry{0, 255, 255}));
}

// ---- Hooks ------------------------------------------------------------------------------------

namespace {
std::vector<float> progressSeen;
std::vector<bool> cursorSeen;
void RecordProgress(float f) { progressSeen.push_back(f); }
void RecordCursor(bool busy) { cursorSeen.push_back(busy); }

class GifHooks : public ::testing::Test {
protected:
    void SetUp() override {
        progressSeen.clear();
        cursorSeen.clear();
        ProgressHook = &RecordProgress;
        BusyCursorHook = &RecordCursor;
    }
    void TearDown() override {
        ProgressHook = nullptr;
        BusyCursorHook = nullptr;
    }
};
}  // namespace

TEST_F(GifHooks, ProgressGoesFromZeroThroughTheRowsToOneForScanAndEncoding) {
    WriteGif(RandomPicture(8, 4, DistinctColours(2), 3));
    const std::vector<float> expected = {0.0f, 0.25f, 0.5f, 0.75f, 1.0f,  // rows scanned
                                         0.0f, 1.0f};                     // encoding
    EXPECT_EQ(progressSeen, expected);
}

TEST_F(GifHooks, BusyCursorIsShownWhileWritingAndRestoredAfterAnError) {
    WriteGif(RandomPicture(8, 4, DistinctColours(2), 3));
    EXPECT_EQ(cursorSeen, (std::vector<bool>{true, false}));

    cursorSeen.clear();
    EXPECT_THROW(WriteGif(TPixelBitmap(3, 3, 0)), EGifException);
    EXPECT_EQ(cursorSeen, (std::vector<bool>{true, false}));
}

// ---- Files ------------------------------------------------------------------------------------

TEST(GifWriteToFile, ReplacesAFileAndLeavesNothingWhenThePictureIsRefused) {
    TempDir dir;
    const std::string path = dir.file("orbita.gif");
    {
        std::ofstream old(path, std::ios::binary);
        old << "older contents";
    }
    const auto picture = RandomPicture(30, 20, kOrbitColours, 9);
    TGifFile file;
    file.AddBitmap(picture);
    file.WriteToFile(path);
    EXPECT_EQ(ReadFileBytes(path), WriteGif(picture));

    TGifFile refused;
    refused.AddBitmap(TPixelBitmap(5, 5, 0));
    EXPECT_THROW(refused.WriteToFile(path), EGifException);
    EXPECT_EQ(ReadFileBytes(path), WriteGif(picture)) << "the earlier file is untouched";

    TGifFile nowhere;
    nowhere.AddBitmap(picture);
    const std::string nowherePath = dir.file("missing/folder/x.gif");
    try {
        nowhere.WriteToFile(nowherePath);
        ADD_FAILURE() << "written into a missing folder";
    } catch (const EGifException& e) {
        EXPECT_EQ(std::string(e.what()),
                  "No se pudo escribir '" + nowherePath + "': no se puede crear el archivo");
    }
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path()))
        ++entries;
    EXPECT_EQ(entries, 1u) << "no temporary file is left behind";
}

// The library's save never writes through a link: neither through one at the picture's path
// (the link itself is replaced, its target stays) nor through one planted under a temporary
// name (its temporary has a random name and is created exclusively). A new picture gets the
// mode any program's new file gets, 0666 less the umask.
TEST(GifWriteToFile, NeverWritesThroughALinkAndGivesANewFileTheUsualMode) {
    TempDir dir;
    const auto picture = RandomPicture(12, 9, kOrbitColours, 4);
    const std::string victim = dir.file("victim.txt");
    { std::ofstream(victim, std::ios::binary) << "another file"; }
    const std::string link = dir.file("orbita.gif");
    std::filesystem::create_symlink(victim, link);
    const mode_t before = ::umask(027);
    TGifFile file;
    file.AddBitmap(picture);
    file.WriteToFile(link);
    ::umask(before);
    EXPECT_FALSE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadFileBytes(link), WriteGif(picture));
    EXPECT_EQ(ReadFileBytes(victim), "another file");
    struct stat st {};
    ASSERT_EQ(::stat(link.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, mode_t(0640));
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path()))
        ++entries;
    EXPECT_EQ(entries, 2u) << "no temporary file is left behind";
}

// ---- Building blocks --------------------------------------------------------------------------

TEST(GifColourTablePresets, SizesPresetTheirStandardEntries) {
    EXPECT_EQ(TColorTable(0).Count, 0);
    EXPECT_EQ(TColorTable(2).Entries[1], (TColorEntry{255, 255, 255}));
    EXPECT_EQ(TColorTable(0).Entries[1], (TColorEntry{255, 255, 255}));
    const TColorTable sixteen(16);
    EXPECT_EQ(sixteen.Entries[1], (TColorEntry{128, 0, 0}));      // maroon
    EXPECT_EQ(sixteen.Entries[8], (TColorEntry{192, 192, 192}));  // silver
    EXPECT_EQ(sixteen.Entries[14], (TColorEntry{0, 255, 255}));   // aqua
    EXPECT_EQ(TColorTable(256).Entries[77], (TColorEntry{77, 77, 77}));
    EXPECT_EQ(TColorTable(8).Entries[1], (TColorEntry{0, 0, 0}));
    EXPECT_EQ(TColorTable(16).Keys[3], 0u);
}

TEST(GifRoundUpCount, CountsBecomeTheNextTableSize) {
    const std::pair<int, int> cases[] = {
        {0, 0},   {1, 1},   {2, 2},    {3, 4},     {4, 4},     {5, 8},     {8, 8},     {9, 16},
        {17, 32}, {33, 64}, {65, 128}, {128, 128}, {129, 256}, {255, 256}, {256, 256}, {257, 257}};
    for (auto [count, size] : cases) EXPECT_EQ(RoundUpCount(count), size) << count;
}

TEST(GifByteArrays, IndicesFromOneAreCheckedAndRowsMustMatchTheWidth) {
    TByteArray2D m(3, 2);
    m.Set(3, 2, 7);
    EXPECT_EQ(m.Get(3, 2), 7);
    EXPECT_EQ(m.Block().Get(6), 7) << "(x, y) is element x + (y - 1) * width";
    m.CopyRowIn(1, {1, 2, 3});
    EXPECT_EQ(m.CopyRowOut(1), (std::vector<std::uint8_t>{1, 2, 3}));

    auto message = [](auto&& f) {
        try {
            f();
        } catch (const EIndexOutOfBounds& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    const std::string outOfBounds = "Dynamic array index out of bounds";
    EXPECT_EQ(message([&] { m.Get(0, 1); }), outOfBounds);
    EXPECT_EQ(message([&] { m.Get(4, 1); }), outOfBounds);
    EXPECT_EQ(message([&] { m.Set(1, 3, 0); }), outOfBounds);
    EXPECT_EQ(message([&] { m.Block().Get(7); }), outOfBounds);
    EXPECT_EQ(message([&] {
                  m.CopyRowIn(2, {1, 2});
              }),
              "Row doesn't have equal number of elements as Matrix row");
}

TEST(GifByteArrays, ABlockThatCannotBeAllocatedIsReportedWithItsSize) {
    try {
        TBigByteArray huge(5'000'000'000ULL);
        FAIL() << "allocated";
    } catch (const ENotEnoughMemory& e) {
        EXPECT_STREQ(e.what(),
                     "error in TBigByteArray.create: Not enough contiguous memory available\r\n"
                     " requested memory block: 5000000000 bytes");
    }
}
