// One catalog line through both layouts and every computation a chosen object goes through:
// the element reading, the circumstances in modes R, E and T (with the maximum-altitude
// search), the Selección texts, an ephemeris table of at most 100 rows (one of them running
// into year 9999), the anti-tail test of the line as a one-comet catalog for one year, and
// the e/a point. Every path either succeeds with finite numbers or throws EConvertError;
// any other exception, a crash, a sanitizer report or a hang (over libFuzzer's 1 s) is a
// fault.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "FuzzSupport.h"
#include "core/ElementRecord.h"
#include "catalogs/CometLine.h"
#include "catalogs/LineFormats.h"
#include "catalogs/SessionCatalog.h"
#include "core/Circumstances.h"
#include "core/Errors.h"
#include "core/Session.h"
#include "core/Time.h"
#include "outputs/antitail/AntiTailSearch.h"
#include "outputs/ea/Tisserand.h"
#include "outputs/ephemeris/EphemerisTable.h"

namespace {

using vagaris::fuzz::Broken;

constexpr std::size_t kMaxLine = 20000;  // [bytes]; the 1 MB line is a unit test
constexpr int kMaxRows = 100;            // ephemeris rows per table

bool Finite(const vagaris::TCircumstances& c) {
    for (double x : {c.RightAscension, c.Declination, c.Delta, c.SunDistance, c.Elongation,
                     c.PhaseAngle, c.Magnitude, c.Speed, c.MaxAltitude, c.Motion, c.MotionRA,
                     c.MotionDec, c.MotionPA, c.ReverseMotionPA, c.RadiusVectorPA})
        if (!std::isfinite(x)) return false;
    return true;
}

template <typename F>
void Try(F&& f) {
    try {
        f();
    } catch (const vagaris::EConvertError&) {
        // The line was refused with a message: a correct answer.
    }
}

void Circumstances(vagaris::Session& s) {
    const std::pair<vagaris::CircumstanceMode, double> runs[] = {
        {vagaris::CircumstanceMode::R, vagaris::kTwilightAstronomical},
        {vagaris::CircumstanceMode::E, vagaris::kTwilightAstronomical},
        {vagaris::CircumstanceMode::T, vagaris::kTwilightNautical},
        {vagaris::CircumstanceMode::T, vagaris::kTwilightCivil}};
    for (const auto& run : runs)
        Try([&] {
            if (!vagaris::ComputeCircumstances(s, run.first, run.second)) return;
            if (!Finite(s.Circumstances)) Broken("circunstancias no finitas");
            const vagaris::SelectionTexts texts = vagaris::SelectionPageTexts(s);
            for (const auto& l : texts.values)
                if (l.text.find("nan") != std::string::npos ||
                    l.text.find("inf") != std::string::npos)
                    Broken("texto con nan o inf");
        });
}

void Ephemeris(vagaris::Session& s, const std::string& startDate, const std::string& step) {
    vagaris::EphemerisRangeTexts range;
    range.StartDate = startDate;
    range.Step = step;
    range.Rows = std::to_string(kMaxRows);
    vagaris::EphemerisLayout layout;
    layout.Cola = true;
    std::vector<std::string> lines;
    Try([&] {
        vagaris::BuildEphemerisTable(vagaris::ObserverFromSettings(s.settings), s.Elements,
                                     s.Elements.Name, layout, range, lines);
    });
    // The data rows follow the header lines, which quote the object's name as it is.
    const std::size_t header = vagaris::EphemerisHeaderLines(s.Elements.Name, layout).size();
    if (lines.size() > header + kMaxRows) Broken("demasiadas filas");
    for (std::size_t k = header; k < lines.size(); ++k)
        if (lines[k].find("nan") != std::string::npos || lines[k].find("inf") != std::string::npos)
            Broken("fila con nan o inf");
}

void OneLayout(const std::string& line, char kind) {
    vagaris::Session s;
    s.clock = [] { return 45413.0; };  // 01/05/2024
    vagaris::FillPlanetRecords(s);
    s.CatalogKind = kind;
    s.CatalogLines = {line};
    vagaris::CutCatalogLine(s, 0);
    Try([&] { vagaris::ReadElements(s.Elements); });
    Try([&] { (void)vagaris::EaPointFromElements(s.Elements); });
    for (double t : {45413.0, 2958000.0}) {  // 01/05/2024 and a day of year 9999
        s.CurrentInstant = t;
        Circumstances(s);
    }
    Ephemeris(s, "01/05/2024", "10.0");
    Ephemeris(s, "20/12/9999", "01.0");  // runs past 31/12/9999 after 12 rows
}

void AntiTail(const std::string& line) {
    Try([&] { (void)vagaris::AntiTailNodeDeg(line); });
    Try([&] { (void)vagaris::AntiTailPerihelion(line); });
    Try([&] { (void)vagaris::EvaluateCometLine(line, 45413.0); });
    Try([&] {
        const vagaris::AntiTailListing listing = vagaris::AntiTailList({line}, 2024);
        if (listing.lines.size() > 2 + 366) Broken("demasiados cruces");
    });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > kMaxLine) return -1;  // not added to the corpus
    const std::string line(reinterpret_cast<const char*>(data), size);
    OneLayout(line, 'C');
    OneLayout(line, 'A');
    AntiTail(line);
    return 0;
}
