// The settings lines after the ninth: written only when one differs from its default, read
// back, and read as their defaults when missing or not converting.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "settings/SettingsFile.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"

namespace {

using namespace vagaris;

const std::string kNineDefaultLines = "+40\r\n0000\r\n2.7\r\n5.0\r\n000\r\n0\r\n\r\nPOL\r\nSM\r\n";

TEST(SettingsLines, DefaultsKeepTheNineLines) {
    const test::TempFolder folder;
    const std::string dir = folder.dir.string() + "/";
    SaveSettings(dir, Settings{});
    EXPECT_EQ(test::ReadBytes(folder.dir / "vagaris.ini"), kNineDefaultLines);
}

TEST(SettingsLines, ChangedLaterSettingsAddTheirLines) {
    const test::TempFolder folder;
    const std::string dir = folder.dir.string() + "/";
    const struct {
        const char* lon;
        const char* sort;
        const char* language;
        const char* written;  // the lines after the ninth: up to the last one that changed
    } cases[] = {{"-003.7", "mag", "auto", "-003.7\r\nmag\r\n"},
                 {"+000.0", "best", "auto", "+000.0\r\nbest\r\n"},
                 {"+151.2", "alt", "es", "+151.2\r\nalt\r\nes\r\n"},
                 {"+000.0", "mag", "en", "+000.0\r\nmag\r\nen\r\n"}};
    for (const auto& c : cases) {
        Settings s;
        s.Lon = c.lon;
        s.TonightSort = c.sort;
        s.Language = c.language;
        SaveSettings(dir, s);
        EXPECT_EQ(test::ReadBytes(folder.dir / "vagaris.ini"), kNineDefaultLines + c.written);
        Settings back;
        LoadSettings(dir, back);
        EXPECT_EQ(back, s);
    }
}

TEST(SettingsLines, TheModelIsLine13WrittenOnlyWhenPrecise) {
    const test::TempFolder folder;
    const std::string dir = folder.dir.string() + "/";
    const struct {
        const char* lon;
        const char* model;
        std::string extra;  // the lines after the ninth
    } cases[] = {
        {"+000.0", "precise", "+000.0\r\nmag\r\nauto\r\nprecise\r\n"},
        {"-003.7", "precise", "-003.7\r\nmag\r\nauto\r\nprecise\r\n"},
        {"-003.7", "std", "-003.7\r\nmag\r\n"},  // the standard model adds nothing
    };
    for (const auto& c : cases) {
        Settings s;
        s.Lon = c.lon;
        s.Model = c.model;
        SaveSettings(dir, s);
        EXPECT_EQ(test::ReadBytes(folder.dir / "vagaris.ini"), kNineDefaultLines + c.extra);
        Settings back;
        EXPECT_EQ(LoadSettings(dir, back), std::nullopt);
        EXPECT_EQ(back, s);
    }
    // A value that is not a model is told, by its line, and read as the standard model.
    std::ofstream(folder.dir / "vagaris.ini", std::ios::binary)
        << kNineDefaultLines + "+000.0\r\nmag\r\nauto\r\nPrecise\r\n";
    Settings s;
    EXPECT_EQ(LoadSettings(dir, s),
              dir + "vagaris.ini, línea 13: valor no válido; se usa el valor por omisión");
    EXPECT_EQ(s.Model, "std");
}

TEST(SettingsLines, MissingOrBadValuesReadAsDefaults) {
    const test::TempFolder folder;
    const std::string dir = folder.dir.string() + "/";
    const struct {
        const char* extra;
        const char* lon;
        const char* sort;
        const char* language = "auto";
    } cases[] = {
        {"", "+000.0", "mag"},                     // nine lines: the defaults
        {"-012.5\r\n", "-012.5", "mag"},           // line 11 missing
        {"+180.1\r\ntime\r\n", "+000.0", "time"},  // beyond the range
        {"12.5\r\nMAG\r\n", "+000.0", "mag"},      // not the box's form; not a sort name
        {"-180.0\r\nalt\r\nauto\r\nstd\r\n", "-180.0", "alt"},  // later lines ignored
        {"+000.0\r\nmag\r\nen\r\n", "+000.0", "mag", "en"},     // the language
        {"+000.0\r\nmag\r\nEN\r\n", "+000.0", "mag"},           // not a language code
        {"+000.0\r\nmag\r\npt-BR\r\n", "+000.0", "mag"},        // not a code as files spell it
        // A well-formed code is kept even without a translation in this build: the window
        // then chooses as "auto" does, and the file is not rewritten under the user.
        {"+000.0\r\nmag\r\nfr\r\n", "+000.0", "mag", "fr"},
        {"+000.0\r\nmag\r\npt_BR\r\n", "+000.0", "mag", "pt_BR"},
    };
    for (const auto& c : cases) {
        std::ofstream(folder.dir / "vagaris.ini", std::ios::binary) << kNineDefaultLines + c.extra;
        Settings s;
        LoadSettings(dir, s);
        EXPECT_EQ(s.Lon, c.lon) << c.extra;
        EXPECT_EQ(s.TonightSort, c.sort) << c.extra;
        EXPECT_EQ(s.Language, c.language) << c.extra;
    }
    // A bad language is told with its line number, in the interface's words.
    std::ofstream(folder.dir / "vagaris.ini", std::ios::binary)
        << kNineDefaultLines + "+000.0\r\nmag\r\nEN\r\n";
    Settings s;
    const auto problem = LoadSettings(dir, s);
    ASSERT_TRUE(problem);
    EXPECT_EQ(*problem,
              dir + "vagaris.ini, línea 12: valor no válido; se usa el valor por omisión");
    const auto english = LoadSettings(dir, s, [](const char* spanish) {
        return std::string(spanish) == "%1, línea %2: valor no válido; se usa el valor por omisión"
                   ? std::string("%1, line %2: invalid value")
                   : std::string(spanish);
    });
    ASSERT_TRUE(english);
    EXPECT_EQ(*english, dir + "vagaris.ini, line 12: invalid value");
    EXPECT_TRUE(IsLongitudeText("-000.0"));
    EXPECT_FALSE(IsLongitudeText("+00.0"));
    EXPECT_EQ(LongitudeText(-3.66), "-003.7");
    EXPECT_EQ(LongitudeText(-0.04), "+000.0");
}

}  // namespace
