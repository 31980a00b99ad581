// Picture file names and the animation step.
#include <gtest/gtest.h>

#include "core/Time.h"
#include "core/InstantStep.h"
#include "pictures/PictureNames.h"

using namespace vagaris;

TEST(PictureNames, DefaultNames) {
    EXPECT_EQ(DefaultPictureName("P/2010 A2", false), "P_2010 A2_orbita");
    // Every "/" goes: a second one would make the name a path into a folder that is not there.
    EXPECT_EQ(DefaultPictureName("P/2010 A2/X", false), "P_2010 A2_X_orbita");
    EXPECT_EQ(DefaultPictureName("P/2010 A2", true), "orbita");
    EXPECT_EQ(DefaultSequenceName("P/2010 A2"), "P_2010 A2_orbita");  // web mode too
    EXPECT_EQ(DefaultPictureName("", false), "_orbita");
}

TEST(PictureNames, GifWhateverTheCase) {
    EXPECT_TRUE(IsGifExtension(PathExtension("/d/x.gif")));
    EXPECT_TRUE(IsGifExtension(PathExtension("/d/x.GIF")));
    EXPECT_TRUE(IsGifExtension(PathExtension("/d/x.Gif")));
    EXPECT_FALSE(IsGifExtension(PathExtension("/d/x.bmp")));
    EXPECT_FALSE(IsGifExtension(PathExtension("/d/x.gifx")));
    EXPECT_FALSE(IsGifExtension(PathExtension("/d.gif/x")));
    EXPECT_EQ(PathExtension("/d.x/name"), "");
}

struct FrameCase {
    const char* chosen;
    int k;
    const char* path;
    bool gif;
};

class SequenceFrames : public ::testing::TestWithParam<FrameCase> {};

TEST_P(SequenceFrames, Path) {
    const FrameCase& c = GetParam();
    const SequenceFrame frame = SequenceFramePath(c.chosen, c.k);
    EXPECT_EQ(frame.path, c.path);
    EXPECT_EQ(frame.gif, c.gif);
}

INSTANTIATE_TEST_SUITE_P(
    Names, SequenceFrames,
    ::testing::Values(FrameCase{"/dat/x_orbita.gif", 1, "/dat/x_orbita_01.gif", true},
                      FrameCase{"/dat/x_orbita.gif", 3, "/dat/x_orbita_03.gif", true},
                      FrameCase{"/dat/x_orbita.gif", 100, "/dat/x_orbita_100.gif", true},
                      // The extension as typed: x.GIF gives GIF frames named x_01.GIF.
                      FrameCase{"/dat/x.GIF", 1, "/dat/x_01.GIF", true},
                      FrameCase{"/dat/x.bmp", 2, "/dat/x_02.bmp", false},
                      FrameCase{"/dat/x.png", 2, "/dat/x_02.bmp", false},
                      FrameCase{"/dat/x", 7, "/dat/x_07.bmp", false},
                      // At most four characters of the extension are read.
                      FrameCase{"/dat/x.gifs", 1, "/dat/x_01.gif", true},
                      FrameCase{"/dat.v2/x", 1, "/dat.v2/x_01.bmp", false}));

TEST(InstantStep, Units) {
    const Instant t = EncodeDate(2011, 1, 31) + 0.5;
    EXPECT_EQ(SteppedInstant(t, 1, kStepMonths), EncodeDate(2011, 2, 28) + 0.5);
    EXPECT_EQ(SteppedInstant(SteppedInstant(t, 1, kStepMonths), 1, kStepMonths),
              EncodeDate(2011, 3, 28) + 0.5);
    EXPECT_EQ(SteppedInstant(EncodeDate(2011, 3, 31), -1, kStepMonths), EncodeDate(2011, 2, 28));
    EXPECT_EQ(SteppedInstant(EncodeDate(2012, 2, 29), 1, kStepYears), EncodeDate(2013, 2, 28));
    EXPECT_EQ(SteppedInstant(t, 2, kStepWeeks), t + 14);
    EXPECT_EQ(SteppedInstant(t, -3, kStepDays), t - 3);
    EXPECT_NEAR(SteppedInstant(t, 30, kStepHours), t + 1.25, 1e-9);
    EXPECT_NEAR(SteppedInstant(t, 15, kStepMinutes), t + 15.0 / 1440, 1e-9);
}
