// Animated GIFs: several images, a graphic-control extension (the delay) before each and the
// NETSCAPE2.0 loop extension, read back by the library, by Pillow and by giflib's gifbuild -d
// (each skipped when not installed). Without an animation the file stays the GIF87a of before.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>

#include "GifTestSupport.h"
#include "support/CommandOutput.h"

using namespace vagaris;
using namespace giftest;

namespace {

bool CommandSucceeds(const std::string& command) {
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

using vagaris::test::CommandOutput;

// Three frames of different colours and sizes of palette: the first gives the global table,
// the others carry local tables.
std::vector<TPixelBitmap> Frames() {
    return {RandomPicture(23, 17, DistinctColours(2), 11),
            RandomPicture(23, 17, DistinctColours(5), 12, 2),
            RandomPicture(23, 17, DistinctColours(200), 13)};
}

std::string WriteAnimation(const std::vector<TPixelBitmap>& frames, TGifAnimation animation) {
    TGifFile file;
    file.Animation = animation;
    for (const auto& frame : frames) file.AddBitmap(frame);
    return file.WriteToBytes();
}

std::string RgbBytes(const TPixelBitmap& picture) {
    std::string rgb;
    for (std::uint32_t v : picture.Pixels) {
        rgb.push_back(static_cast<char>(v & 0xFF));
        rgb.push_back(static_cast<char>((v >> 8) & 0xFF));
        rgb.push_back(static_cast<char>((v >> 16) & 0xFF));
    }
    return rgb;
}

}  // namespace

// The blocks in file order, as the GIF89a definition lays them out: header, screen, global
// table, the loop extension once, then a graphic control before every image.
TEST(GifAnimation, BlocksInFileOrder) {
    const auto frames = Frames();
    const std::string gif = WriteAnimation(frames, {35, 3});
    ASSERT_EQ(gif.substr(0, 6), "GIF89a");
    const std::size_t afterTable = 13 + 3 * 2;  // the first frame's 2 colours
    const std::string loop("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x03\x00\x00", 19);
    ASSERT_EQ(gif.substr(afterTable, loop.size()), loop);
    const std::string control("\x21\xF9\x04\x04\x23\x00\x00\x00\x2C", 9);  // delay 35 = 0x23
    EXPECT_EQ(gif.substr(afterTable + loop.size(), control.size()), control);
    int controls = 0;
    for (std::size_t at = 0; (at = gif.find(control, at)) != std::string::npos; ++at) ++controls;
    EXPECT_EQ(controls, 3);
    EXPECT_EQ(gif.back(), ';');

    // The library reads it back: three images, each after its graphic control.
    TGifFile read;
    read.ReadFromBytes(gif);
    ASSERT_EQ(read.Images.size(), 3u);
    for (const auto& image : read.Images) {
        EXPECT_EQ(image->DisposalMethod, 1);
        EXPECT_FALSE(image->Transparent);
    }
}

// No animation: not one byte changes (GIF87a, no extension block).
TEST(GifAnimation, SingleImageFileUnchanged) {
    const TPixelBitmap picture = RandomPicture(23, 17, DistinctColours(5), 12, 2);
    const std::string gif = WriteGif(picture);
    EXPECT_EQ(gif.substr(0, 6), "GIF87a");
    EXPECT_EQ(gif.at(13 + 3 * 8), '\x2C');  // the image right after the 8-entry table
}

TEST(GifAnimation, PillowReadsFramesDelaysAndLoop) {
    if (!CommandSucceeds("/usr/bin/python3 -c 'import PIL'")) GTEST_SKIP() << "no Pillow";
    const auto frames = Frames();
    TempDir dir;
    const struct {
        TGifAnimation animation;
        const char* loop;  // as Pillow reports it
    } cases[] = {{{20, 0}, "0"}, {{7, 5}, "5"}};
    for (const auto& c : cases) {
        const std::string gif = dir.file("a.gif");
        TGifFile file;
        file.Animation = c.animation;
        for (const auto& frame : frames) file.AddBitmap(frame);
        file.WriteToFile(gif);
        // Per frame: its duration [ms] and its pixels; then the frame count and the loop.
        const std::string script =
            "import sys\n"
            "from PIL import Image\n"
            "im = Image.open(sys.argv[1])\n"
            "for k in range(im.n_frames):\n"
            "    im.seek(k)\n"
            "    open(sys.argv[2] + str(k), 'wb').write(im.convert('RGB').tobytes())\n"
            "    print('duration', im.info['duration'])\n"
            "print('frames', im.n_frames, 'loop', im.info.get('loop'))\n";
        std::ofstream(dir.file("read.py")) << script;
        const std::string out = CommandOutput("/usr/bin/python3 '" + dir.file("read.py") + "' '" +
                                              gif + "' '" + dir.file("rgb") + "'");
        std::ostringstream expected;
        for (std::size_t k = 0; k < frames.size(); ++k)
            expected << "duration " << c.animation.DelayCentiseconds * 10 << "\n";
        expected << "frames 3 loop " << c.loop << "\n";
        EXPECT_EQ(out, expected.str());
        for (std::size_t k = 0; k < frames.size(); ++k)
            EXPECT_TRUE(ReadFileBytes(dir.file("rgb" + std::to_string(k))) == RgbBytes(frames[k]))
                << "frame " << k;
    }
}

// giflib's own reader: gifbuild -d dumps every block it parsed, the loop extension included.
TEST(GifAnimation, GiflibDumpShowsFramesDelaysAndLoop) {
    if (!CommandSucceeds("command -v gifbuild")) GTEST_SKIP() << "no giflib-tools";
    TempDir dir;
    const std::string gif = dir.file("a.gif");
    TGifFile file;
    file.Animation = TGifAnimation{12, 0};
    for (const auto& frame : Frames()) file.AddBitmap(frame);
    file.WriteToFile(gif);
    const std::string dump = CommandOutput("gifbuild -d '" + gif + "'");
    std::istringstream lines(dump);
    std::vector<std::string> kept;
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("netscape loop", 0) == 0 || line == "\tdelay 12" ||
            line.rfind("image # ", 0) == 0 || line.find("delay") != std::string::npos)
            kept.push_back(line);
    const std::vector<std::string> expected = {"netscape loop 0", "\tdelay 12", "image # 1",
                                               "\tdelay 12",      "image # 2",  "\tdelay 12",
                                               "image # 3"};
    EXPECT_EQ(kept, expected) << dump;
    EXPECT_TRUE(CommandSucceeds("giftext '" + gif + "'"));
}
