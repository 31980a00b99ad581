// The ephemeris table: column layout, cell rounding and padding, and the row loop over a
// real comet (start, step units, failures, the session left as it was).
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

#include "catalogs/LineFormats.h"
#include "core/Observer.h"
#include "core/Circumstances.h"
#include "core/Errors.h"
#include "core/Session.h"
#include "core/Time.h"
#include "outputs/ephemeris/EphemerisTable.h"

namespace {

using vagaris::EphemerisLayout;
using vagaris::EphemerisRangeTexts;
using vagaris::EphemerisStepUnit;

constexpr double kRad = std::numbers::pi / 180.0;

EphemerisLayout AllOff() {
    EphemerisLayout layout;
    layout.Vel = layout.Altura = layout.Delta = layout.R = layout.Elo = layout.Fase = false;
    layout.Cola = false;
    return layout;
}

// 1-based positions where a run of dashes starts.
std::vector<int> DashRunStarts(const std::string& separator) {
    std::vector<int> starts;
    for (std::size_t k = 0; k < separator.size(); ++k)
        if (separator[k] == '-' && (k == 0 || separator[k - 1] != '-'))
            starts.push_back(static_cast<int>(k) + 1);
    return starts;
}

// Every printed character of a data line stands over a dash of the separator.
void ExpectUnderSeparator(const std::string& line, const std::string& separator) {
    ASSERT_EQ(line.size(), separator.size()) << line;
    for (std::size_t k = 0; k < line.size(); ++k) {
        if (line[k] != ' ') {
            EXPECT_EQ(separator[k], '-') << "column " << k + 1 << " of\n" << line;
        }
    }
}

// ---------------------------------------------------------------- header and separator

TEST(EphemerisLayoutTest, DefaultHeaderAndSeparatorAre95CharactersWithTheDocumentedStarts) {
    const EphemerisLayout layout;  // polar, per minute, every option but the tail columns
    const std::string header = vagaris::EphemerisColumnHeader(layout);
    const std::string separator = vagaris::EphemerisSeparator(layout);
    EXPECT_EQ(header,
              "T.U.               AR          DEC         MAG   \"/min    AP   AM    D(UA)    "
              "R(UA)  ELN   AF  ");
    EXPECT_EQ(separator,
              "-----------------  ----------  ---------  ----  ------  -----  --  -------  "
              "-------  ---  ---  ");
    EXPECT_EQ(header.size(), 95u);
    EXPECT_EQ(separator.size(), 95u);
    EXPECT_EQ(DashRunStarts(separator),
              (std::vector<int>{1, 20, 32, 43, 49, 57, 64, 68, 77, 86, 91}));
}

TEST(EphemerisLayoutTest, AllOptionsOffLeaveTheDatePositionAndMagnitudePart) {
    const EphemerisLayout layout = AllOff();
    EXPECT_EQ(vagaris::EphemerisColumnHeader(layout),
              "T.U.               AR          DEC         MAG  ");
    EXPECT_EQ(vagaris::EphemerisSeparator(layout),
              "-----------------  ----------  ---------  ----  ");
    const auto lines = vagaris::EphemerisHeaderLines("C/1995 O1 (Hale-Bopp)", layout);
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "C/1995 O1 (Hale-Bopp)", "Posiciones para centro de la Tierra", "",
                         "T.U.               AR          DEC         MAG  ",
                         "-----------------  ----------  ---------  ----  "}));
}

TEST(EphemerisLayoutTest, MotionHeadersByFormatAndUnit) {
    struct Case {
        bool polar, perMinute;
        std::string motionHeader, motionSeparator;
    };
    const Case cases[] = {
        {true, true, " \"/min    AP   ", "------  -----  "},
        {true, false, "\"/hora    AP   ", "------  -----  "},
        {false, true, "  \"/min    \"/min  ", "-------  -------  "},
        {false, false, " \"/hora   \"/hora  ", "-------  -------  "},
    };
    for (const Case& c : cases) {
        EphemerisLayout layout = AllOff();
        layout.Vel = true;
        layout.Polar = c.polar;
        layout.PerMinute = c.perMinute;
        const std::string prefix = "T.U.               AR          DEC         MAG  ";
        const std::string dashes = "-----------------  ----------  ---------  ----  ";
        EXPECT_EQ(vagaris::EphemerisColumnHeader(layout), prefix + c.motionHeader)
            << c.polar << c.perMinute;
        EXPECT_EQ(vagaris::EphemerisSeparator(layout), dashes + c.motionSeparator);
    }
}

TEST(EphemerisLayoutTest, CartesianLabelLineStandsOverTheMotionColumnsOnlyWithVel) {
    EphemerisLayout layout;
    layout.Polar = false;
    const auto lines = vagaris::EphemerisHeaderLines("X", layout);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[2], "Altura máxima para Sol a -18º y Lat +40");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], std::string(52, ' ') + "AR      DEC");
    EXPECT_EQ(lines[4].size(), 63u);
    // "AR" and "DEC" fall inside the two 7-wide motion cells (columns 49-55 and 58-64).
    EXPECT_EQ(lines[6].substr(48, 16), "-------  -------");

    layout.Vel = false;
    const auto withoutVel = vagaris::EphemerisHeaderLines("X", layout);
    EXPECT_EQ(withoutVel.size(), 6u);
    EXPECT_EQ(withoutVel[3], "");
    EXPECT_EQ(withoutVel[4].substr(0, 4), "T.U.");
}

TEST(EphemerisLayoutTest, AltitudeLineQuotesTheLatitudeTextAsTyped) {
    EphemerisLayout layout;
    vagaris::Settings settings;
    settings.Lat = "-05";
    settings.Polar = false;
    settings.PerMinute = false;
    vagaris::ApplyEphemerisSettings(layout, settings);
    EXPECT_FALSE(layout.Polar);
    EXPECT_FALSE(layout.PerMinute);
    EXPECT_EQ(vagaris::EphemerisHeaderLines("X", layout)[2],
              "Altura máxima para Sol a -18º y Lat -05");
}

TEST(EphemerisLayoutTest, TailColumnsCloseTheLine) {
    EphemerisLayout layout = AllOff();
    layout.Cola = true;
    EXPECT_EQ(vagaris::EphemerisColumnHeader(layout),
              "T.U.               AR          DEC         MAG  APC  APA  DIF  ");
    EXPECT_EQ(vagaris::EphemerisSeparator(layout),
              "-----------------  ----------  ---------  ----  -------------  ");
}

// ---------------------------------------------------------------- cells

TEST(EphemerisCellTest, MagnitudeAndAltitudeCells) {
    EXPECT_EQ(vagaris::MagnitudeCell(9.46), " 9.5");
    EXPECT_EQ(vagaris::MagnitudeCell(12.34), "12.3");
    EXPECT_EQ(vagaris::MagnitudeCell(-1.2), "-1.2");
    EXPECT_EQ(vagaris::MagnitudeCell(-12.34), "-12.3");  // overflow kept whole
    EXPECT_EQ(vagaris::MaxAltitudeCell(5.4 * kRad), " 5");
    EXPECT_EQ(vagaris::MaxAltitudeCell(0.0), " 0");
    EXPECT_EQ(vagaris::MaxAltitudeCell(89.6 * kRad), "90");
}

TEST(EphemerisCellTest, TailDifferenceWrapsIntoZeroTo180) {
    struct Case {
        double apc, apa, dif;
    };
    const Case cases[] = {{350, 10, 20}, {10, 350, 20}, {0, 180, 180},
                          {100, 50, 50}, {90, 90, 0},   {0, 270, 90}};
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(vagaris::TailDifferenceDeg(c.apc, c.apa), c.dif) << c.apc << " " << c.apa;
}

TEST(EphemerisCellTest, ShortCellsAreRightAlignedAndLongOnesKeptWhole) {
    std::string line;
    vagaris::AppendCell(line, "7", 3);
    vagaris::AppendCell(line, "1234", 3);
    EXPECT_EQ(line, "  7  1234  ");
}

// A crafted record whose every cell is known.
vagaris::TCircumstances CraftedRecord() {
    vagaris::TCircumstances c;
    c.RightAscension = 90 * kRad;  // 06 00 00.0
    c.Declination = 12.5 * kRad;   // +12 30 00
    c.Magnitude = 9.46;
    c.Motion = 1.234;
    c.MotionPA = 45 * kRad;
    c.MotionRA = -0.5;
    c.MotionDec = 0.25;
    c.MaxAltitude = 5.4 * kRad;
    c.Delta = 1.5;
    c.SunDistance = 2.25;
    c.Elongation = 120 * kRad;
    c.PhaseAngle = 30 * kRad;
    c.RadiusVectorPA = 350 * kRad;
    c.ReverseMotionPA = 10 * kRad;
    return c;
}

TEST(EphemerisCellTest, DataLineOfACraftedRecordInEveryFormat) {
    const vagaris::Instant t = vagaris::EncodeDate(2009, 1, 1) + 1.0 / 24;
    const vagaris::TCircumstances c = CraftedRecord();
    struct Case {
        const char* what;
        bool polar, perMinute, cola;
        std::string motion, tail;
    };
    const Case cases[] = {
        {"polar per minute", true, true, false, "  1.23   45.0  ", ""},
        {"polar per hour", true, false, false, "  74.0   45.0  ", ""},
        {"cartesian per minute", false, true, false, "  -0.50    +0.25  ", ""},
        {"cartesian per hour", false, false, true, "  -30.0    +15.0  ", "350   10   20  "},
    };
    for (const Case& k : cases) {
        EphemerisLayout layout;
        layout.Polar = k.polar;
        layout.PerMinute = k.perMinute;
        layout.Cola = k.cola;
        const std::string line = vagaris::EphemerisDataLine(t, c, layout);
        EXPECT_EQ(line, "01/01/2009  01:00  06 00 00.0  +12 30 00   9.5  " + k.motion +
                            " 5    1.500    2.250  120   30  " + k.tail)
            << k.what;
        ExpectUnderSeparator(line, vagaris::EphemerisSeparator(layout));
    }
}

TEST(EphemerisCellTest, TimeCellRoundsToTheMillisecondBeforeDroppingSeconds) {
    const vagaris::TCircumstances c = CraftedRecord();
    const EphemerisLayout layout = AllOff();
    const vagaris::Instant day = vagaris::EncodeDate(2009, 1, 1);
    // 23:59:59.99991 rounds to the next midnight; 00:00:59 keeps minute 00.
    EXPECT_EQ(vagaris::EphemerisDataLine(day + 0.999999999, c, layout).substr(0, 17),
              "02/01/2009  00:00");
    EXPECT_EQ(vagaris::EphemerisDataLine(day + 59.0 / 86400, c, layout).substr(0, 17),
              "01/01/2009  00:00");
}

// ---------------------------------------------------------------- range texts

TEST(EphemerisRangeTest, StepUnitsAndConversionMessages) {
    EXPECT_DOUBLE_EQ(vagaris::EphemerisStepDays(1.5, EphemerisStepUnit::Days), 1.5);
    EXPECT_DOUBLE_EQ(vagaris::EphemerisStepDays(1.0, EphemerisStepUnit::Hours), 1.0 / 24);
    EXPECT_DOUBLE_EQ(vagaris::EphemerisStepDays(1.0, EphemerisStepUnit::Minutes), 1.0 / 1440);

    EphemerisRangeTexts texts;
    texts.StartDate = "15/03/2010";
    texts.StartTime = "12:00:00";
    const auto range = vagaris::ReadEphemerisRange(texts);
    EXPECT_DOUBLE_EQ(range.Start, vagaris::EncodeDate(2010, 3, 15) + 0.5);
    EXPECT_EQ(range.Rows, 30);
    EXPECT_DOUBLE_EQ(range.StepDays, 1.0);

    struct Bad {
        EphemerisRangeTexts texts;
        std::string message;
    };
    EphemerisRangeTexts badDate, badTime;
    badDate.StartDate = "31/02/2009";
    badTime.StartTime = "24:00:00";
    for (const Bad& bad : {Bad{badDate, "'31/02/2009' is not a valid date"},
                           Bad{badTime, "'24:00:00' is not a valid time"}}) {
        try {
            vagaris::ReadEphemerisRange(bad.texts);
            ADD_FAILURE() << "no error for " << bad.message;
        } catch (const vagaris::EConvertError& e) {
            EXPECT_EQ(std::string(e.what()), bad.message);
        }
    }
}

// ---------------------------------------------------------------- rows of a real comet

std::string SampleCometLine(int index) {
    std::ifstream in(std::string(VAGARIS_SAMPLES_DIR) + "/CometsCR.dat");
    std::string line;
    for (int k = 0; k <= index && std::getline(in, line); ++k) {
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

class EphemerisBuildTest : public ::testing::Test {
protected:
    void SetUp() override {
        session.CatalogKind = 'C';
        session.Elements = vagaris::ParseCometLine(SampleCometLine(1));  // C/1995 O1
        ASSERT_FALSE(session.Elements.Fecha.empty());
        session.CurrentInstant = kBefore;
        texts.StartDate = "01/03/1997";
        texts.StartTime = "00:00:00";
    }
    std::vector<std::string> Build(const EphemerisLayout& layout = {}) {
        std::vector<std::string> lines;
        vagaris::BuildEphemerisTable(vagaris::ObserverFromSettings(session.settings),
                                     session.Elements, session.Elements.Name, layout, texts, lines);
        return lines;
    }
    std::vector<std::string> DataLines(const std::vector<std::string>& lines) {
        return {lines.begin() + 6, lines.end()};  // default layout: six header lines
    }

    static constexpr vagaris::Instant kBefore = 40000.25;
    vagaris::Session session;
    EphemerisRangeTexts texts;
};

TEST_F(EphemerisBuildTest, DefaultTableHasHeaderThenAlignedRowsAndKeepsCurrentInstant) {
    const auto lines = Build();
    ASSERT_EQ(lines.size(), 6u + 30u);
    EXPECT_EQ(lines[0], "C/1995 O1 (Hale-Bopp)");
    EXPECT_EQ(lines[1], "Posiciones para centro de la Tierra");
    EXPECT_EQ(lines[2], "Altura máxima para Sol a -18º y Lat +40");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[5], vagaris::EphemerisSeparator({}));
    for (const auto& row : DataLines(lines)) ExpectUnderSeparator(row, lines[5]);
    EXPECT_EQ(lines[6].substr(0, 19), "01/03/1997  00:00  ");
    EXPECT_EQ(lines[35].substr(0, 17), "30/03/1997  00:00");
    EXPECT_EQ(session.CurrentInstant, kBefore);
}

TEST_F(EphemerisBuildTest, EachRowIsTheRecordComputedForItsInstant) {
    texts.Rows = "0003";
    texts.Step = "02.5";
    const auto lines = Build();
    vagaris::Session check = session;
    vagaris::Instant t = vagaris::EncodeDate(1997, 3, 1);
    for (int row = 0; row < 3; ++row, t += 2.5) {
        check.CurrentInstant = t;
        ASSERT_TRUE(vagaris::ComputeCircumstances(check, vagaris::CircumstanceMode::E));
        EXPECT_EQ(lines[6 + row], vagaris::EphemerisDataLine(t, check.Circumstances, {}));
    }
}

TEST_F(EphemerisBuildTest, ZeroRowsGiveTheHeaderLinesOnly) {
    texts.Rows = "0000";
    EXPECT_EQ(Build(), vagaris::EphemerisHeaderLines(session.Elements.Name, {}));
}

TEST_F(EphemerisBuildTest, ZeroStepRepeatsTheStartRow) {
    texts.Step = "00.0";
    texts.Rows = "0004";
    const auto rows = DataLines(Build());
    ASSERT_EQ(rows.size(), 4u);
    for (const auto& row : rows) EXPECT_EQ(row, rows[0]);
}

TEST_F(EphemerisBuildTest, HoursAndMinutesSteps) {
    texts.Unit = EphemerisStepUnit::Hours;
    auto rows = DataLines(Build());
    ASSERT_EQ(rows.size(), 30u);
    EXPECT_EQ(rows.back().substr(0, 17), "02/03/1997  05:00");  // 29 hours later
    for (int k = 0; k < 30; ++k)  // the summed steps still print as whole hours
        EXPECT_EQ(rows[k].substr(12, 5), (k % 24 < 10 ? "0" : "") + std::to_string(k % 24) + ":00");

    texts.Unit = EphemerisStepUnit::Minutes;
    texts.Step = "10.0";
    rows = DataLines(Build());
    EXPECT_EQ(rows[1].substr(0, 17), "01/03/1997  00:10");
    EXPECT_EQ(rows.back().substr(0, 17), "01/03/1997  04:50");
}

TEST_F(EphemerisBuildTest, FailedStartKeepsTheHeaderLinesAndCurrentInstant) {
    texts.StartDate = "31/02/2009";
    std::vector<std::string> lines{"stale"};
    try {
        vagaris::BuildEphemerisTable(vagaris::ObserverFromSettings(session.settings),
                                     session.Elements, session.Elements.Name, {}, texts, lines);
        ADD_FAILURE() << "31/02/2009 converted";
    } catch (const vagaris::EConvertError& e) {
        EXPECT_EQ(std::string(e.what()), "'31/02/2009' is not a valid date");
    }
    EXPECT_EQ(lines, vagaris::EphemerisHeaderLines(session.Elements.Name, {}));
    EXPECT_EQ(session.CurrentInstant, kBefore);
}

// The borrowed instant used to stay at the failing row's instant when the computation threw.
TEST_F(EphemerisBuildTest, ComputationFailureStillRestoresCurrentInstant) {
    session.Elements.e = "x";
    std::vector<std::string> lines;
    EXPECT_THROW(
        vagaris::BuildEphemerisTable(vagaris::ObserverFromSettings(session.settings),
                                     session.Elements, session.Elements.Name, {}, texts, lines),
        vagaris::EConvertError);
    EXPECT_EQ(lines.size(), 6u);
    EXPECT_EQ(session.CurrentInstant, kBefore);
}

// Rows past 31/12/9999 printed years the program refuses as input.
TEST_F(EphemerisBuildTest, TheTableStopsBeforeTheFirstRowPastTheYear9999) {
    texts.StartDate = "29/12/9999";
    texts.StartTime = "12:00:00";
    texts.Rows = "0010";
    std::vector<std::string> lines;
    try {
        vagaris::BuildEphemerisTable(vagaris::ObserverFromSettings(session.settings),
                                     session.Elements, session.Elements.Name, {}, texts, lines);
        ADD_FAILURE() << "no error past 31/12/9999";
    } catch (const vagaris::EConvertError& e) {
        EXPECT_EQ(std::string(e.what()), "Fecha fuera de rango");
    }
    const auto rows = DataLines(lines);
    ASSERT_EQ(rows.size(), 3u);  // 29, 30 and 31/12/9999 are kept
    EXPECT_EQ(rows.back().substr(0, 17), "31/12/9999  12:00");
    EXPECT_EQ(session.CurrentInstant, kBefore);
}

// A line without elements (no epoch) gave a table of zeros.
TEST_F(EphemerisBuildTest, ALineWithoutElementsGivesAnErrorNotZeros) {
    session.Elements = vagaris::ParseCometLine("C/2099 Z9 (Sin elementos)");
    ASSERT_TRUE(session.Elements.Fecha.empty());
    std::vector<std::string> lines;
    try {
        vagaris::BuildEphemerisTable(vagaris::ObserverFromSettings(session.settings),
                                     session.Elements, session.Elements.Name, {}, texts, lines);
        ADD_FAILURE() << "a table without elements";
    } catch (const vagaris::EConvertError& e) {
        EXPECT_EQ(std::string(e.what()), vagaris::kInvalidElementsMessage);
    }
    EXPECT_EQ(lines.size(), 6u);  // the header lines only
}

}  // namespace
