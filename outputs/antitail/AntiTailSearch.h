#pragma once
// The anti-tail search: the moments of a year at which the Earth passes through the orbital
// plane of a comet that is past perihelion and brighter than magnitude 12.01. Pure
// computation and text layout; the page and the command line show what it returns.
#include <functional>
#include <string>
#include <vector>

#include "core/Words.h"
#include "core/Observer.h"
#include "core/Session.h"
#include "core/Time.h"

namespace vagaris {

inline constexpr const char* kAntiTailHeading1 = "N    FECHA TU           AF   MAG   COMETA";
inline constexpr const char* kAntiTailHeading2 =
    "---  -----------------  ---  ----  -----------------------------";

// Half-width of the plane window around a node [deg] and the brightness limit [mag].
inline constexpr double kAntiTailWindowDeg = 0.5;
inline constexpr double kAntiTailMagnitudeLimit = 12.01;
// The refinement looks at every whole minute within ±800 minutes of 00:00 of the day.
inline constexpr int kAntiTailRefineMinutes = 800;

// The list: the two headings, then one line per hit. `hits` runs parallel to `lines`; the
// headings carry cometIndex -1.
struct AntiTailListing {
    std::vector<std::string> lines;
    std::vector<AntiTailHit> hits;
};

// Angular distance between two longitudes [deg], across the 0°/360° boundary: in [0, 180].
double LongitudeGapDeg(double aDeg, double bDeg);

// Fields of a raw comet catalog line (the 127-character comet layout; 121-character lines
// hold the node five columns earlier). Conversion failures throw EConvertError.
std::string AntiTailCometName(const std::string& line);  // columns 1-45, trimmed
double AntiTailNodeDeg(const std::string& line);         // Ω [deg]
Instant AntiTailPerihelion(const std::string& line);     // columns 48-62

// One hit line: index "000  " (four digits from 1000 on), the crossing "dd/mm/yyyy hh:nn'h'  ",
// the phase angle [deg] "000  ", the magnitude "00.0  ", then the name.
std::string AntiTailHitLine(int cometIndex, Instant when, double phaseDeg, double magnitude,
                            const std::string& name);

// The two headings with their -1 hits.
AntiTailListing AntiTailHeadings(Words words = SpanishWords);

// The instant "Fijar fecha" takes over from a hit: the displayed date plus the displayed
// whole hours (the minutes are dropped).
Instant AntiTailTakeOverInstant(const AntiTailHit& hit);

// Called for each hit in list order with its line; returning false stops the search.
using AntiTailHitSink = std::function<bool(const std::string& line, const AntiTailHit& hit)>;

// Runs the search over the 366 days from 1 January of `year`, 00:00 UT, comet lines in
// order. Returns true when it ran to the end, false when the sink stopped it. A line whose
// node, perihelion or elements do not convert throws EConvertError when the search reaches
// it; the hits already delivered stay delivered.
// The caller must keep `cometLines` unchanged while the search runs (pass a copy when the
// sink lets other code run).
// The observer chooses the model (the precise one finds the Earth's longitude from its
// ephemeris and the phase and magnitude for the observer's site). The precise model refuses a
// year outside its own at once (EConvertError(kPreciseRangeMessage)).
bool SearchAntiTail(const std::vector<std::string>& cometLines, int year,
                    const AntiTailHitSink& sink, const Observer& observer = Observer{});

// The whole list at once: the headings and every hit.
AntiTailListing AntiTailList(const std::vector<std::string>& cometLines, int year,
                             const Observer& observer = Observer{}, Words words = SpanishWords);

}  // namespace vagaris
