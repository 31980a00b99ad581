// "vagaris.ini", the observer's site constants, the extended mode and the program folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

#include "core/Errors.h"
#include "settings/SettingsFile.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"

using namespace vagaris;
namespace fs = std::filesystem;

namespace {

using vagaris::test::ReadBytes;

// A fresh program folder for each test.
class SettingsDir : public ::testing::Test {
protected:
    void WriteIni(const std::string& bytes) const {
        std::ofstream(dir_ / "vagaris.ini", std::ios::binary) << bytes;
    }
    Settings Load() const {
        Settings s;
        LoadSettings(programDir_, s);
        return s;
    }
    const vagaris::test::TempFolder folder_{"vagaris-settings"};
    const fs::path dir_ = folder_.dir;
    const std::string programDir_ = dir_.string() + "/";
};

// Sets or clears an environment variable for one test and puts it back afterwards.
class EnvOverride {
public:
    EnvOverride(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~EnvOverride() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

}  // namespace

TEST(ComputeSite, WorkedExamples) {
    struct Case {
        const char *lat, *alt, *rhoCos, *rhoSin;
    } cases[] = {
        {"+40", "0000", "0.767106", "0.639369"},    {"+40", "1000", "0.767226", "0.639470"},
        {"-33", "0500", "0.839570", "-0.541574"},   {"+00", "0000", "1.000000", "0.000000"},
        {"+40xyz", "0000", "0.767106", "0.639369"},  // only the first three characters count
    };
    for (const auto& c : cases) {
        const SiteConstants s = ComputeSite(c.lat, c.alt);
        EXPECT_EQ(s.RhoCosPhiText, c.rhoCos) << c.lat << " " << c.alt;
        EXPECT_EQ(s.RhoSinPhiText, c.rhoSin) << c.lat << " " << c.alt;
    }
    EXPECT_NEAR(ComputeSite("+40", "0000").RhoCosPhi, 0.767106, 5e-7);
}

TEST(ComputeSite, TextsThatAreNotIntegersFail) {
    auto message = [](const char* lat, const char* alt) -> std::string {
        try {
            ComputeSite(lat, alt);
        } catch (const EConvertError& e) {
            return e.what();
        }
        return "";
    };
    EXPECT_EQ(message("+4x", "0000"), "'+4x' is not a valid integer value");
    EXPECT_EQ(message("", "0000"), "'' is not a valid integer value");
    EXPECT_EQ(message("+40", "12.5"), "'12.5' is not a valid integer value");
}

TEST_F(SettingsDir, NoFileKeepsTheDefaultsAndSavingWritesThem) {
    EXPECT_EQ(Load(), Settings{});
    SaveSettings(programDir_, Settings{});
    EXPECT_EQ(ReadBytes(dir_ / "vagaris.ini"),
              "+40\r\n0000\r\n2.7\r\n5.0\r\n000\r\n0\r\n\r\nPOL\r\nSM\r\n");
}

TEST_F(SettingsDir, RoundTripKeepsTheTextsAsTyped) {
    Settings s;
    s.Lat = "-05";
    s.Alt = "2400";
    s.Res = "1.5";
    s.FWHM = "3.0";
    s.ExposureFormat = 1;
    s.MpcOrbPath = "/datos/órbitas/MPCORB.DAT";  // a non-ASCII path is kept in UTF-8
    s.Polar = false;
    s.PerMinute = false;
    SaveSettings(programDir_, s);
    EXPECT_EQ(
        ReadBytes(dir_ / "vagaris.ini"),
        "-05\r\n2400\r\n1.5\r\n3.0\r\n000\r\n1\r\n/datos/órbitas/MPCORB.DAT\r\nCARTE\r\nSH\r\n");
    EXPECT_EQ(Load(), s);
    // The resolution/FWHM choice is not stored: every run starts with the resolution.
    s.UseResolution = false;
    SaveSettings(programDir_, s);
    EXPECT_TRUE(Load().UseResolution);
}

TEST_F(SettingsDir, ValuesThatDoNotConvertTakeTheirDefaultsAndAreReportedOnce) {
    const std::string file = programDir_ + "vagaris.ini";
    struct Case {
        const char* bytes;
        Settings expected;
        std::string message;  // "" when nothing is reported
    };
    Settings laterLinesRead;
    laterLinesRead.Lat = "+10";
    laterLinesRead.Alt = "0100";
    laterLinesRead.Res = "1.5";
    laterLinesRead.FWHM = "3.0";
    laterLinesRead.MpcOrbPath = "/p/MPCORB.DAT";
    laterLinesRead.Polar = false;
    laterLinesRead.PerMinute = false;
    Settings latOnly;
    latOnly.Lat = "+10";
    Settings exposure1;
    exposure1.ExposureFormat = 1;
    const Case cases[] = {
        // A damaged line 6 no longer ends the reading: the lines after it are taken.
        {"+10\r\n0100\r\n1.5\r\n3.0\r\n000\r\nx\r\n/p/MPCORB.DAT\r\nCARTE\r\nSH\r\n",
         laterLinesRead, file + ", línea 6: valor no válido; se usa el valor por omisión"},
        // Every line that does not convert, named in one message.
        {"xx\r\n12.5\r\nx\r\n-1\r\n000\r\n1\r\n\r\nPOL\r\nSM\r\n", exposure1,
         file + ", líneas 1, 2, 3 y 4: valores no válidos; se usan los valores por omisión"},
        // A resolution or FWHM of 0 or less means nothing; an empty value does not convert.
        {"+40\r\n0000\r\n0.0\r\n\r\n000\r\n0\r\n\r\nPOL\r\nSM\r\n", Settings{},
         file + ", líneas 3 y 4: valores no válidos; se usan los valores por omisión"},
        // An empty file is a first run.
        {"", Settings{}, ""},
        // Lines the file does not hold keep their defaults, without a message.
        {"+10\r\n", latOnly, ""},
    };
    for (const auto& c : cases) {
        WriteIni(c.bytes);
        Settings s;
        const auto message = LoadSettings(programDir_, s);
        EXPECT_EQ(s, c.expected) << c.bytes;
        EXPECT_EQ(message.value_or(""), c.message) << c.bytes;
        // The next save writes good values, which read back without a message.
        SaveSettings(programDir_, s);
        Settings again;
        EXPECT_FALSE(LoadSettings(programDir_, again)) << c.bytes;
        EXPECT_EQ(again, s) << c.bytes;
    }
}

TEST_F(SettingsDir, ValuesThatConvertAreTakenAsTheyStand) {
    WriteIni("+40xyz\r\n 0012 \r\n 2.50\r\n1e1\r\n999\r\n7\r\n\r\ncarte\r\nsh\r\n");
    Settings s;
    EXPECT_FALSE(LoadSettings(programDir_, s));
    EXPECT_EQ(s.Lat, "+40xyz");
    EXPECT_EQ(s.Alt, " 0012 ");
    EXPECT_EQ(s.Res, " 2.50");
    EXPECT_EQ(s.FWHM, "1e1");
    EXPECT_EQ(s.ExposureFormat, 1);
}

TEST_F(SettingsDir, AnUnreadableFileIsReportedByNameAndLeavesTheValues) {
    // A folder in the file's place made the window abort at start-up.
    fs::create_directory(dir_ / "vagaris.ini");
    Settings s;
    s.Lat = "+12";  // whatever the caller held stays
    const auto message = LoadSettings(programDir_, s);
    ASSERT_TRUE(message);
    EXPECT_EQ(*message,
              "No se puede leer " + programDir_ + "vagaris.ini; se usan los valores por omisión");
    EXPECT_EQ(s.Lat, "+12");
}

TEST_F(SettingsDir, OnlyExactCarteAndShChangeTheMotionFormat) {
    struct Case {
        const char *line8, *line9;
        bool polar, perMinute;
    } cases[] = {
        {"CARTE", "SH", false, false}, {"carte", "sh", true, true}, {"CARTE ", "SH ", true, true},
        {"POL", "SM", true, true},     {"", "", true, true},        {"x", "SH", true, false},
    };
    for (const auto& c : cases) {
        WriteIni(std::string("+40\r\n0000\r\n2.7\r\n5.0\r\n000\r\n0\r\n\r\n") + c.line8 + "\r\n" +
                 c.line9 + "\r\n");
        const Settings s = Load();
        EXPECT_EQ(s.Polar, c.polar) << "'" << c.line8 << "'";
        EXPECT_EQ(s.PerMinute, c.perMinute) << "'" << c.line9 << "'";
    }
}

TEST_F(SettingsDir, LfEndsReadLikeCrLf) {
    WriteIni("+12\n0010\n2.0\n4.0\n000\n1\n/x\nCARTE\nSH\n");
    const Settings s = Load();
    EXPECT_EQ(s.Lat, "+12");
    EXPECT_EQ(s.ExposureFormat, 1);
    EXPECT_EQ(s.MpcOrbPath, "/x");
    EXPECT_FALSE(s.Polar);
    EXPECT_FALSE(s.PerMinute);
}

TEST_F(SettingsDir, SavingIntoAMissingFolderFailsWithoutAFile) {
    EXPECT_THROW(SaveSettings(programDir_ + "nope/", Settings{}), std::runtime_error);
    EXPECT_FALSE(fs::exists(dir_ / "nope"));
}

TEST_F(SettingsDir, ExtendedModeFromEitherMarkerFile) {
    EXPECT_FALSE(DecideExtendedMode(programDir_));
    std::ofstream(dir_ / "457.txt").close();  // an empty file is enough
    EXPECT_TRUE(DecideExtendedMode(programDir_));
    fs::remove(dir_ / "457.txt");
    std::ofstream(dir_ / "modext.txt") << "x";
    EXPECT_TRUE(DecideExtendedMode(programDir_));
}

TEST_F(SettingsDir, ProgramDirComesFromVagarisHome) {
    const fs::path home = dir_ / "home" / "nested";
    EnvOverride env("VAGARIS_HOME", home.c_str());
    EXPECT_EQ(ResolveProgramDir(programDir_), home.string() + "/");
    EXPECT_TRUE(fs::is_directory(home));  // created when missing
}

TEST_F(SettingsDir, ProgramDirIsTheWritableExecutableFolderOfABuildTree) {
    EnvOverride env("VAGARIS_HOME", nullptr);
    std::ofstream(dir_ / kBuildTreeMarker) << "build tree\n";
    EXPECT_EQ(ResolveProgramDir(dir_.string()), dir_.string() + "/");
    EXPECT_EQ(ResolveProgramDir(programDir_), programDir_);  // one separator only
}

// Installed executables never keep files beside them, even in a folder they can write.
TEST_F(SettingsDir, InstalledExecutablesUseTheUserDataFolderEvenWhenTheirsIsWritable) {
    EnvOverride env("VAGARIS_HOME", nullptr);
    EnvOverride xdg("XDG_DATA_HOME", (dir_ / "data").c_str());
    EXPECT_EQ(ResolveProgramDir(dir_.string()), (dir_ / "data" / "vagaris").string() + "/");
}

TEST_F(SettingsDir, ProgramDirFallsBackToTheUserDataFolder) {
    EnvOverride env("VAGARIS_HOME", nullptr);
    EnvOverride xdg("XDG_DATA_HOME", (dir_ / "data").c_str());
    const std::string result = ResolveProgramDir((dir_ / "no-such-folder").string());
    EXPECT_EQ(result, (dir_ / "data" / "vagaris").string() + "/");
    EXPECT_TRUE(fs::is_directory(dir_ / "data" / "vagaris"));
}
