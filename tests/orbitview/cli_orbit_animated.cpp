// vagaris-cli orbit --frames N --animated: one GIF holding the N frames of the numbered
// sequence, 0.2 s each, looping for ever; read back by the library, by Pillow and by giflib's
// gifbuild -d (each independent reader skipped when not installed).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "gif/GifUnit.h"
#include "support/FileBytes.h"
#include "support/RunCli.h"
#include "support/TestHome.h"
#include "support/CommandOutput.h"

namespace {

namespace fs = std::filesystem;
using vagaris::test::CliResult;
using vagaris::test::RunCli;
using vagaris::test::ShellQuoted;

using vagaris::test::CommandOutput;

bool Has(const std::string& command) {
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

class CliOrbitAnimated : public ::testing::Test {
protected:
    void SetUp() override { home_.copySample("CometsCR.dat"); }
    std::vector<std::string> args(const std::string& out, int frames) const {
        return {"--catalog", "CometsCR.dat",         "--object", "1", "--at",       "01/04/1997",
                "--frames",  std::to_string(frames), "--step",   "5", "--animated", "-o",
                out};
    }
    TestHome home_;
};

TEST_F(CliOrbitAnimated, OneFileWithTheSequencesFrames) {
    const std::string gif = (home_.dir / "anim.gif").string();
    const CliResult r = RunCli("orbit", args(gif, 4));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, gif + "\n");
    EXPECT_EQ(r.err, "");
    EXPECT_FALSE(fs::exists(home_.dir / "anim_01.gif")) << "no numbered frames";

    // The numbered sequence of the same options: frame k of the animation is its picture k.
    const std::string seq = (home_.dir / "seq.gif").string();
    auto sequence = args(seq, 4);
    sequence.erase(sequence.end() - 3);  // without --animated
    ASSERT_EQ(RunCli("orbit", sequence).exitCode, 0);

    vagaris::TGifFile animation;
    animation.ReadFromFile(gif);
    ASSERT_EQ(animation.Images.size(), 4u);
    for (int k = 1; k <= 4; ++k) {
        vagaris::TGifFile frame;
        frame.ReadFromFile((home_.dir / ("seq_0" + std::to_string(k) + ".gif")).string());
        ASSERT_EQ(frame.Images.size(), 1u);
        const auto& a = *animation.Images[k - 1];
        const auto& f = *frame.Images[0];
        ASSERT_EQ(a.Width, f.Width);
        ASSERT_EQ(a.Height, f.Height);
        const auto& aTable = a.HasLocalTable ? a.ColorTable : animation.GlobalTable;
        const auto& fTable = f.HasLocalTable ? f.ColorTable : frame.GlobalTable;
        bool same = true;
        const std::uint8_t* ai = a.Pixels.Block().Data();
        const std::uint8_t* fi = f.Pixels.Block().Data();
        for (std::size_t p = 0; p < std::size_t(a.Width) * a.Height && same; ++p) {
            const auto& x = aTable.Entries[ai[p]];
            const auto& y = fTable.Entries[fi[p]];
            same = x.Red == y.Red && x.Green == y.Green && x.Blue == y.Blue;
        }
        EXPECT_TRUE(same) << "frame " << k;
    }

    if (Has("/usr/bin/python3 -c 'import PIL'")) {
        const std::string out = CommandOutput(
            "/usr/bin/python3 -c \"import sys; from PIL import Image; im = "
            "Image.open(sys.argv[1]); "
            "print(im.n_frames, im.info['loop'], im.info['duration'])\" " +
            ShellQuoted(gif));
        EXPECT_EQ(out, "4 0 200\n");
    }
    if (Has("command -v gifbuild")) {
        const std::string dump = CommandOutput("gifbuild -d " + ShellQuoted(gif));
        EXPECT_NE(dump.find("netscape loop 0\n"), std::string::npos) << dump;
        int delays = 0, images = 0;
        std::istringstream lines(dump);
        for (std::string line; std::getline(lines, line);) {
            delays += line == "\tdelay 20";
            images += line.rfind("image # ", 0) == 0;
        }
        EXPECT_EQ(delays, 4);
        EXPECT_EQ(images, 4);
    }
}

}  // namespace
