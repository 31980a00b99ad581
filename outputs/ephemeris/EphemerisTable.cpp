#include "outputs/ephemeris/EphemerisTable.h"

#include <algorithm>
#include <optional>
#include <cmath>
#include <numbers>

#include "core/PositionModel.h"
#include "core/Circumstances.h"
#include "core/Errors.h"
#include "core/Session.h"
#include "core/TextForms.h"
#include "core/precise/PreciseSession.h"
#include "core/Words.h"

namespace vagaris {

namespace {

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;

// Column pieces: the header and separator texts of each column, blanks included. The
// separator's dashes stand over the cells, and every piece ends in the two blanks that
// follow every cell.
constexpr std::string_view kTimeHeader = "T.U.               ";
constexpr std::string_view kTimeSeparator = "-----------------  ";
constexpr std::string_view kPositionHeader = "AR          DEC        ";
constexpr std::string_view kPositionSeparator = "----------  ---------  ";
constexpr std::string_view kMagnitudeHeader = " MAG  ";
constexpr std::string_view kMagnitudeSeparator = "----  ";
constexpr std::string_view kPolarMotionHeaderPerMinute = " \"/min  ";
constexpr std::string_view kPolarMotionHeaderPerHour = "\"/hora  ";
constexpr std::string_view kPolarMotionSeparator = "------  ";
constexpr std::string_view kMotionPAHeader = "  AP   ";
constexpr std::string_view kMotionPASeparator = "-----  ";
constexpr std::string_view kCartesianMotionHeaderPerMinute = "  \"/min  ";
constexpr std::string_view kCartesianMotionHeaderPerHour = " \"/hora  ";
constexpr std::string_view kCartesianMotionSeparator = "-------  ";
constexpr std::string_view kAltitudeHeader = "AM  ";
constexpr std::string_view kAltitudeSeparator = "--  ";
constexpr std::string_view kDeltaHeader = "  D(UA)  ";
constexpr std::string_view kSunDistanceHeader = "  R(UA)  ";
constexpr std::string_view kDistanceSeparator = "-------  ";
constexpr std::string_view kElongationHeader = "ELN  ";
constexpr std::string_view kPhaseHeader = " AF  ";
constexpr std::string_view kThreeDigitSeparator = "---  ";
constexpr std::string_view kTailHeader = "APC  APA  DIF  ";
constexpr std::string_view kTailSeparator = "-------------  ";

// 52 blanks, then the names of the two cartesian motion columns.
constexpr std::string_view kCartesianLabelLine =
    "                                                    AR      DEC";
// Where the two names stand (the two cartesian motion columns), to place their translations.
constexpr std::string_view kCartesianLabelSeparator =
    "                                                    ---     ---";

// The time cell: 24-hour clock, seconds dropped after rounding to the millisecond.
const std::string kTimePattern = "dd/mm/yyyy  hh:nn";

// Header or separator: the pieces of the columns that are on, left to right.
template <typename Pick>
std::string AssembleColumns(const EphemerisLayout& layout, Pick pick) {
    std::string out;
    out.reserve(128);
    out += pick(kTimeHeader, kTimeSeparator);
    out += pick(kPositionHeader, kPositionSeparator);
    out += pick(kMagnitudeHeader, kMagnitudeSeparator);
    if (layout.Vel) {
        if (layout.Polar) {
            out += pick(layout.PerMinute ? kPolarMotionHeaderPerMinute : kPolarMotionHeaderPerHour,
                        kPolarMotionSeparator);
            out += pick(kMotionPAHeader, kMotionPASeparator);
        } else {
            const auto header =
                layout.PerMinute ? kCartesianMotionHeaderPerMinute : kCartesianMotionHeaderPerHour;
            out += pick(header, kCartesianMotionSeparator);
            out += pick(header, kCartesianMotionSeparator);
        }
    }
    if (layout.Altura) out += pick(kAltitudeHeader, kAltitudeSeparator);
    if (layout.Delta) out += pick(kDeltaHeader, kDistanceSeparator);
    if (layout.R) out += pick(kSunDistanceHeader, kDistanceSeparator);
    if (layout.Elo) out += pick(kElongationHeader, kThreeDigitSeparator);
    if (layout.Fase) out += pick(kPhaseHeader, kThreeDigitSeparator);
    if (layout.Cola) out += pick(kTailHeader, kTailSeparator);
    return out;
}

}  // namespace

void ApplyEphemerisSettings(EphemerisLayout& layout, const Settings& settings) {
    layout.Polar = settings.Polar;
    layout.PerMinute = settings.PerMinute;
    layout.LatitudeText = settings.Lat;
    layout.Precise = UsesPreciseModel(settings);
    layout.Geocentric = settings.GeocentricPlace;
    layout.TwoBody = settings.TwoBodyPlace;
}

double EphemerisStepDays(double value, EphemerisStepUnit unit) {
    switch (unit) {
        case EphemerisStepUnit::Hours: return value / 24;
        case EphemerisStepUnit::Minutes: return value / 24 / 60;
        case EphemerisStepUnit::Days: break;
    }
    return value;
}

EphemerisRange ReadEphemerisRange(const EphemerisRangeTexts& texts) {
    EphemerisRange range;
    const Instant date = ParseDateText(texts.StartDate);
    range.Start = date + ParseTimeText(texts.StartTime);
    range.Rows = ParseInt(texts.Rows);
    range.StepDays = EphemerisStepDays(ParseFloat(texts.Step), texts.Unit);
    return range;
}

std::string EphemerisColumnHeader(const EphemerisLayout& layout) {
    return TranslatedHeading(
        AssembleColumns(layout, [](std::string_view header, std::string_view) { return header; }),
        EphemerisSeparator(layout), layout.words);
}

std::string EphemerisSeparator(const EphemerisLayout& layout) {
    return AssembleColumns(layout,
                           [](std::string_view, std::string_view separator) { return separator; });
}

std::vector<std::string> EphemerisHeaderLines(const std::string& objectName,
                                              const EphemerisLayout& layout) {
    const Words words = layout.words;
    std::vector<std::string> lines;
    lines.reserve(7);
    lines.push_back(objectName);
    // The precise model places the observer at the site unless asked for the geocentre.
    if (layout.Precise) lines.push_back(words(PreciseModelLine(layout.Geocentric, layout.TwoBody)));
    if (!layout.Precise || layout.Geocentric)
        lines.push_back(words("Posiciones para centro de la Tierra"));
    if (layout.Altura)
        lines.push_back(
            FillPattern(words("Altura máxima para Sol a -18º y Lat %1"), {layout.LatitudeText}));
    lines.emplace_back();
    if (layout.Vel && !layout.Polar)
        lines.push_back(TranslatedHeading(kCartesianLabelLine, kCartesianLabelSeparator, words));
    lines.push_back(EphemerisColumnHeader(layout));
    lines.push_back(EphemerisSeparator(layout));
    return lines;
}

void AppendCell(std::string& line, std::string_view cell, int width) {
    const std::size_t length = Utf8Length(cell);
    if (length < static_cast<std::size_t>(width)) line.append(width - length, ' ');
    line += cell;
    line += "  ";
}

std::string MagnitudeCell(double magnitude) {
    std::string cell;
    AppendCell(cell, FormatNumber("0.0;-0.0", magnitude), 4);
    cell.resize(cell.size() - 2);
    return cell;
}

std::string MaxAltitudeCell(double maxAltitudeRad) {
    std::string cell;
    AppendCell(cell, FormatNumber("0", maxAltitudeRad * kDegreesPerRadian), 2);
    cell.resize(cell.size() - 2);
    return cell;
}

double TailDifferenceDeg(double apcDeg, double apaDeg) {
    double dif = apaDeg - apcDeg;
    if (dif < 0) dif += 360;
    if (dif > 180) dif = 360 - dif;
    return dif;
}

void AppendEphemerisDataLine(std::string& line, Instant t, const TCircumstances& c,
                             const EphemerisLayout& layout) {
    AppendCell(line, FormatInstant(kTimePattern, t), 17);
    AppendCell(line, HoursText(1, c.RightAscension), 10);
    AppendCell(line, DegreesText(1, c.Declination), 9);
    AppendCell(line, FormatNumber("0.0;-0.0", c.Magnitude), 4);
    if (layout.Vel) {
        if (layout.Polar) {
            AppendCell(line,
                       layout.PerMinute ? FormatNumber("0.00", c.Motion)
                                        : FormatNumber("0.0", c.Motion * 60),
                       6);
            AppendCell(line, FormatNumber("0.0", c.MotionPA * kDegreesPerRadian), 5);
        } else {
            for (double rate : {c.MotionRA, c.MotionDec})
                AppendCell(line,
                           layout.PerMinute ? FormatNumber("+0.00;-0.00", rate)
                                            : FormatNumber("+0.0;-0.0", rate * 60),
                           7);
        }
    }
    if (layout.Altura) AppendCell(line, FormatNumber("0", c.MaxAltitude * kDegreesPerRadian), 2);
    if (layout.Delta) AppendCell(line, FormatNumber("0.000", c.Delta), 7);
    if (layout.R) AppendCell(line, FormatNumber("0.000", c.SunDistance), 7);
    if (layout.Elo) AppendCell(line, FormatNumber("0", c.Elongation * kDegreesPerRadian), 3);
    if (layout.Fase) AppendCell(line, FormatNumber("0", c.PhaseAngle * kDegreesPerRadian), 3);
    if (layout.Cola) {
        const double apc = c.RadiusVectorPA * kDegreesPerRadian;
        const double apa = c.ReverseMotionPA * kDegreesPerRadian;
        AppendCell(line, FormatNumber("0", apc), 3);
        AppendCell(line, FormatNumber("0", apa), 3);
        AppendCell(line, FormatNumber("0", TailDifferenceDeg(apc, apa)), 3);
    }
}

std::string EphemerisDataLine(Instant t, const TCircumstances& c, const EphemerisLayout& layout) {
    std::string line;
    line.reserve(128);
    AppendEphemerisDataLine(line, t, c, layout);
    return line;
}

void AppendEphemerisRows(const Observer& observer, const TOrbitalElements& elements,
                         const EphemerisLayout& layout, const EphemerisRange& range,
                         std::vector<std::string>& lines) {
    lines.reserve(lines.size() + static_cast<std::size_t>(std::max(range.Rows, 0)));
    const auto model = MakePositionModel(observer);
    std::optional<TElementValues> values;  // read at the first row, after its date's check
    Instant t = range.Start;
    for (int row = 0; row < range.Rows; ++row) {
        // Dates past 31/12/9999 could not be typed back into the program: the table stops
        // before the first of them, keeping the rows written so far.
        if (!IsWritableInstant(t)) ThrowDateOutOfRange();
        // A line without elements (no epoch) would give a table of zeros.
        if (elements.Fecha.empty()) ThrowInvalidElements();
        if (!values) values = model->Values(elements);
        const TCircumstances c = model->At(*values, t).circumstances;
        std::string& line = lines.emplace_back();
        line.reserve(128);
        AppendEphemerisDataLine(line, t, c, layout);
        // The step is added to the running instant, row after row.
        t += range.StepDays;
    }
}

void BuildEphemerisTable(const Observer& observer, const TOrbitalElements& elements,
                         const std::string& objectName, const EphemerisLayout& layout,
                         const EphemerisRangeTexts& rangeTexts, std::vector<std::string>& lines) {
    lines = EphemerisHeaderLines(objectName, layout);
    const EphemerisRange range = ReadEphemerisRange(rangeTexts);
    AppendEphemerisRows(observer, elements, layout, range, lines);
}

}  // namespace vagaris
