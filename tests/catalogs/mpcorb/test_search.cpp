// The MPCOrb.dat search: the key rules, the scan over the file and the line cut.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "catalogs/mpcorb/MpcOrbSearch.h"
#include "catalogs/mpcorb/SearchKey.h"
#include "support/TempFolder.h"

namespace {

using namespace vagaris;

const std::string kExcerpt = std::string(VAGARIS_SAMPLES_DIR) + "/MPCORB.excerpt.dat";

// A real orbit line of (1) Ceres; other objects are made by writing another designation
// into columns 167-194.
const std::string kCeres =
    "00001    3.33  0.15 K232P  17.21569   73.47045   80.26013   10.58634  0.0788175  "
    "0.21411523   2.7671817  0 MPO719049  7258 123 1801-2022 0.65 M-v 30l MPCLINUX   0000      "
    "(1) Ceres              20220916";

std::string OrbitLine(const std::string& designation) {
    std::string line = kCeres;
    std::string field = designation;
    field.resize(28, ' ');
    line.replace(166, 28, field);
    return line;
}

// A file in a fresh temporary folder, removed at the end of the test.
class TempFile {
public:
    explicit TempFile(const std::string& bytes) { std::ofstream(path_, std::ios::binary) << bytes; }
    const std::string& path() const { return path_; }

private:
    const vagaris::test::TempFolder folder_{"vagaris-mpcorb"};
    const std::string path_ = (folder_.dir / "MPCOrb.dat").string();
};

std::string Lines(const std::vector<std::string>& lines, const char* end = "\n") {
    std::string out;
    for (const auto& l : lines) out += l + end;
    return out;
}

std::string FoundName(const std::string& path, const std::string& typed) {
    const auto el = SearchMpcOrb(path, typed);
    return el ? el->Name : "<none>";
}

TEST(MpcOrbSearchKey, FollowsTheFirstRuleThatApplies) {
    const struct {
        const char* typed;
        const char* key;
    } cases[] = {
        {"1", "(1)"},
        {"2004", "(2004)"},     // a number, not the year of designations
        {"A0345", "(100345)"},  // packed number
        {"Z9999", "(359999)"},
        {"A034", "A034"},  // too short for a packed number
        {"AB345", "AB345"},
        {"2004 MN4", "2004 MN4 "},  // provisional: must end where the key ends
        {"2004MN", "2004MN "},
        {"20045", "(20045)"},  // digits win over "more than five"
        {"CERES", "CERES"},
        {"(1) CE", "(1) CE"},
        {"", ""},
        // Thirty characters at most, before and after the rules.
        {"123456789012345678901234567890123", "(12345678901234567890123456789"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGH", "ABCDEFGHIJKLMNOPQRSTUVWXYZABCD"},
    };
    for (const auto& c : cases) EXPECT_EQ(MpcOrbSearchKey(c.typed), c.key) << c.typed;
}

TEST(MpcOrbSearchKey, CutsCharactersNotBytes) {
    const std::string thirtyOne = std::string(29, 'A') + "\xC3\x91" + "B";  // Ñ is two bytes
    EXPECT_EQ(MpcOrbSearchKey(thirtyOne), std::string(29, 'A') + "\xC3\x91");
    // Four digits and one two-byte letter are five characters: no trailing blank.
    EXPECT_EQ(MpcOrbSearchKey("2004\xC3\x91"), "2004\xC3\x91");
}

TEST(MpcOrbSearch, FindsTheFirstMatchingLineOfTheExcerpt) {
    const struct {
        const char* typed;
        const char* name;
    } cases[] = {
        {"1", "(1) Ceres"},
        {"10", "(10) Hygiea"},
        {"A1955", "(101955) Bennu"},
        {"CERES", "(1) Ceres"},
        {"GANY", "(1036) Ganymed"},  // part of a name
        {"1999 HV1", "1999 HV1"},
        {"2004 AD", "2004 AD"},
        {"2004 AD1", "2004 AD1"},
        {"2004 GV9", "(90568) 2004 GV9"},  // a provisional designation inside a numbered one
        {"2004", "<none>"},                // (2004) is not in the excerpt, many 2004 ... are
        {"NOSUCHNAME", "<none>"},
    };
    for (const auto& c : cases) EXPECT_EQ(FoundName(kExcerpt, c.typed), c.name) << c.typed;
}

TEST(MpcOrbSearch, CutsTheFoundLineIntoTheBoxes) {
    const auto el = SearchMpcOrb(kExcerpt, "1");
    ASSERT_TRUE(el);
    TOrbitalElements want;
    want.Name = "(1) Ceres";
    want.Fecha = "2023 02 25.0";  // K232P
    want.M = "17.21569";
    want.w = "73.47045";
    want.O = "80.26013";
    want.i = "10.58634";
    want.e = "0.0788175";
    want.a = "2.7671817";
    want.H = "3.33";
    want.G = "0.15";
    EXPECT_EQ(*el, want);  // q stays empty
}

TEST(MpcOrbSearch, NumbersMatchWholeAndDesignationsEndWithTheKey) {
    // Lines that merely contain the text come first in this file.
    const TempFile file(
        Lines({OrbitLine("(10) Hygiea"), OrbitLine("(100) Hekate"), OrbitLine("(21) Lutetia"),
               OrbitLine("(1) Ceres"), OrbitLine("2004 MN40"), OrbitLine("(12004) 2004 AB"),
               OrbitLine("(2004) Alexander"), OrbitLine("2004 MN4")}));
    EXPECT_EQ(FoundName(file.path(), "1"), "(1) Ceres");
    EXPECT_EQ(FoundName(file.path(), "2004"), "(2004) Alexander");
    EXPECT_EQ(FoundName(file.path(), "2004 MN4"), "2004 MN4");
    EXPECT_EQ(FoundName(file.path(), "2004 MN"), "<none>");  // ends nowhere in the file
}

TEST(MpcOrbSearch, LooksOnlyAtDesignationColumnsOfLongLines) {
    const std::string tooShort = OrbitLine("(7) Iris").substr(0, 170);  // (7) at 172-174
    std::string exactly171 = OrbitLine("(8) Flora").substr(0, 171);
    exactly171[170] = 'X';  // the field is columns 167-171 only: "(8) X"
    std::string beyond = OrbitLine("(9) Metis");
    beyond.replace(192, 4, "ZETA");  // after column 191: not searched
    const TempFile file(Lines({tooShort, exactly171, beyond, OrbitLine("(33) Polyhymnia")}));
    EXPECT_EQ(FoundName(file.path(), "X"), "(8) X");
    EXPECT_EQ(FoundName(file.path(), "7"), "<none>");  // only in the 170-character line
    EXPECT_EQ(FoundName(file.path(), "ZETA"), "<none>");
    // "3.33": the H column of every line, never searched.
    EXPECT_EQ(FoundName(file.path(), "3.33"), "<none>");
    // The header words of the real file sit in lines of 170 characters or fewer.
    EXPECT_EQ(FoundName(kExcerpt, "MINOR PLANET"), "<none>");
}

TEST(MpcOrbSearch, HandlesLineEndsAndBlockBoundaries) {
    // CR LF ends; a megabyte of lines, so that lines straddle the reading blocks; a line
    // whose designation lies past a power-of-two offset; a last line without its end.
    constexpr std::size_t kBlock = std::size_t{1} << 20;
    std::string bytes;
    const std::string filler = OrbitLine("(5) Astraea") + "\r\n";
    while (bytes.size() + filler.size() <= kBlock - 300) bytes += filler;
    // A line of x's so that Hebe starts 100 bytes before the edge; its designation lies
    // beyond it.
    bytes += std::string(kBlock - 100 - bytes.size() - 2, 'x') + "\r\n";
    ASSERT_EQ(bytes.size(), kBlock - 100);
    bytes += OrbitLine("(6) Hebe") + "\r\n";
    bytes += OrbitLine("(7) Iris");  // no line end
    const TempFile file(bytes);
    const auto hebe = FindMpcOrbLine(file.path(), "(6)");
    ASSERT_TRUE(hebe);
    EXPECT_EQ(*hebe, OrbitLine("(6) Hebe").substr(0, 191));
    EXPECT_EQ(FoundName(file.path(), "7"), "(7) Iris");
    // The CR of a CR LF end does not count: 170 characters and CR LF is a short line.
    const TempFile shortLine(Lines({OrbitLine("XY").substr(0, 170)}, "\r\n"));
    EXPECT_EQ(FoundName(shortLine.path(), "XY"), "<none>");
    const TempFile longLine(Lines({OrbitLine("XY").substr(0, 171)}, "\r\n"));
    EXPECT_EQ(FoundName(longLine.path(), "XY"), "XY");
}

TEST(MpcOrbSearch, SurvivesAHugeLineWithoutEnd) {
    // 3 MiB without a line end: read in blocks, only its first characters are kept.
    std::string huge = OrbitLine("(3) Juno");
    huge += std::string(3u << 20, 'y');
    const TempFile file(huge);
    EXPECT_EQ(FoundName(file.path(), "JUNO"), "(3) Juno");
    EXPECT_EQ(FoundName(file.path(), "YYY"), "<none>");
}

TEST(MpcOrbSearch, FileChecks) {
    EXPECT_TRUE(MpcOrbFileExists(kExcerpt));
    EXPECT_FALSE(MpcOrbFileExists(""));
    EXPECT_FALSE(MpcOrbFileExists(VAGARIS_SAMPLES_DIR));  // a folder
    EXPECT_FALSE(MpcOrbFileExists(kExcerpt + ".missing"));
    EXPECT_THROW(FindMpcOrbLine(kExcerpt + ".missing", "(1)"), std::runtime_error);
    EXPECT_EQ(AsteroidNotFoundMessage("2004 XX").text(), "Asteroide 2004 XX no encontrado");
}

// What is wrong with a path given as MPCOrb.dat, said as what it is: a pipe must not block
// the search, nor a folder read as "not found".
TEST(MpcOrbSearch, APathThatIsNotAFileIsReportedAsWhatItIs) {
    const vagaris::test::TempFolder folder("vagaris-mpcorb-kinds");
    const std::string fifo = (folder.dir / "MPCOrb.dat").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string dir = (folder.dir / "carpeta").string();
    std::filesystem::create_directories(dir);
    const struct {
        std::string path, problem;
    } cases[] = {
        {kExcerpt, ""},
        {"", "MPCOrb.dat no encontrado"},
        {kExcerpt + ".missing", "MPCOrb.dat no encontrado"},
        {kExcerpt + "/below", "MPCOrb.dat no encontrado"},  // a file taken as a folder
        {dir, "MPCOrb.dat: '" + dir + "' es una carpeta"},
        {fifo, "MPCOrb.dat: '" + fifo + "' es una tubería (FIFO), no un archivo"},
        {"/dev/null", "MPCOrb.dat: '/dev/null' es un dispositivo, no un archivo"},
    };
    for (const auto& c : cases) {
        const auto problem = MpcOrbFileProblem(c.path);
        EXPECT_EQ(problem ? problem->text() : "", c.problem) << c.path;
    }
}

}  // namespace
