#include "outputs/antitail/AntiTailSearch.h"

#include <array>
#include <cmath>
#include <optional>

#include "catalogs/LineFormats.h"
#include "core/Angles.h"
#include "core/Circumstances.h"
#include "core/ElementRecord.h"
#include "core/Errors.h"
#include "core/PositionModel.h"
#include "core/TextForms.h"
#include "core/precise/PreciseSession.h"

namespace vagaris {

namespace {

double OppositeNodeDeg(double nodeDeg) {
    double other = nodeDeg + 180.0;
    if (other > 360.0) other -= 360.0;
    return other;
}

constexpr int kRefineSteps = 2 * kAntiTailRefineMinutes + 1;  // 1601 whole minutes

// The Earth's longitudes at the whole minutes around 00:00 of one day. Several comets can
// be crossed on the same day; the Sun's longitudes their refinements need are the same, so
// they are computed once per day, the first time a hit needs them.
class DayMinuteLongitudes {
public:
    const std::array<double, kRefineSteps>& at(Instant dayStart, const PositionModel& model) {
        if (!filled_ || dayStart != dayStart_) {
            for (int j = -kAntiTailRefineMinutes; j <= kAntiTailRefineMinutes; ++j)
                lon_[j + kAntiTailRefineMinutes] = model.EarthLongitudeDeg(dayStart + j / 1440.0);
            dayStart_ = dayStart;
            filled_ = true;
        }
        return lon_;
    }

private:
    std::array<double, kRefineSteps> lon_{};
    Instant dayStart_ = 0;
    bool filled_ = false;
};

// The whole minute within ±800 of dayStart at which the Earth is closest to `nodeDeg`;
// the earliest minute wins a tie (strict comparison), and nothing farther than 9° counts.
Instant RefineCrossing(Instant dayStart, double nodeDeg,
                       const std::array<double, kRefineSteps>& minuteLon) {
    double best = 9.0;
    Instant found = dayStart;
    for (int s = 0; s < kRefineSteps; ++s) {
        const double gap = LongitudeGapDeg(nodeDeg, minuteLon[s]);
        if (gap < best) {
            best = gap;
            found = dayStart + (s - kAntiTailRefineMinutes) / 1440.0;
        }
    }
    return found;
}

}  // namespace

double LongitudeGapDeg(double aDeg, double bDeg) {
    double gap = std::fmod(std::fabs(aDeg - bDeg), 360.0);
    if (gap > 180.0) gap = 360.0 - gap;
    return gap;
}

std::string AntiTailCometName(const std::string& line) { return Trim(Columns(line, 1, 45)); }

double AntiTailNodeDeg(const std::string& line) {
    // The comet layout holds the node in columns 98-105; an older 121-character layout
    // holds it five columns earlier.
    const std::size_t from = line.size() == 121 ? 93 : 98;
    return ParseFloat(Columns(line, from, from + 7));
}

Instant AntiTailPerihelion(const std::string& line) {
    return ElementDateToInstant(Columns(line, 48, 62));
}

std::string AntiTailHitLine(int cometIndex, Instant when, double phaseDeg, double magnitude,
                            const std::string& name) {
    return FormatNumber("000  ", cometIndex) + FormatInstant("dd/mm/yyyy hh:nn'h'  ", when) +
           FormatNumber("000  ", phaseDeg) + FormatNumber("00.0  ", magnitude) + name;
}

AntiTailListing AntiTailHeadings(Words words) {
    return {{TranslatedHeading(kAntiTailHeading1, kAntiTailHeading2, words), kAntiTailHeading2},
            {{-1, 0}, {-1, 0}}};
}

Instant AntiTailTakeOverInstant(const AntiTailHit& hit) {
    // Split as the line shows it (rounded to the millisecond), so the hours are the ones the
    // user read.
    const DateTimeFields f = DecodeInstant(hit.when);
    return EncodeDate(f.year, f.month, f.day) + f.hour / 24.0;
}

bool SearchAntiTail(const std::vector<std::string>& cometLines, int year,
                    const AntiTailHitSink& sink, const Observer& observer) {
    if (observer.precise()) {
        // A year the precise model cannot compute is refused before the first comet. In its
        // first and last years the refinement around a day's 00:00, and in the last one the
        // 366th day (1 January of the next year, which catches a crossing late on
        // 31 December), look beyond its years: the model computes them (PreciseTimeNear).
        if (year < kPreciseFirstYear || year > kPreciseLastYear)
            throw EConvertError(kPreciseRangeMessage);
    }
    const auto model = MakePositionModel(observer);
    const Instant day0 = EncodeDate(year, 1, 1);
    const std::size_t count = cometLines.size();
    // Each line's node is read once (on the first day, in line order, so a bad field stops
    // the search where a day-by-day reading would); the perihelion when first needed.
    std::vector<double> nodes(count, 0.0);
    std::vector<bool> nodeRead(count, false);
    std::vector<std::optional<Instant>> perihelia(count);
    DayMinuteLongitudes minuteLongitudes;

    for (int d = 0; d <= 365; ++d) {
        const Instant t = day0 + d;
        const double L = model->EarthLongitudeDeg(t);
        for (std::size_t k = 0; k < count; ++k) {
            const std::string& line = cometLines[k];
            if (!nodeRead[k]) {
                nodes[k] = AntiTailNodeDeg(line);
                // A line whose fields a stray digit has shifted is refused once its node has
                // converted (a node that does not convert keeps its own message).
                if (ParseCometLine(line).ExtraNumbers) ThrowInvalidElements();
                nodeRead[k] = true;
            }
            const double node = nodes[k];
            const double other = OppositeNodeDeg(node);
            const bool atNode = LongitudeGapDeg(node, L) < kAntiTailWindowDeg;
            if (!atNode && !(LongitudeGapDeg(other, L) < kAntiTailWindowDeg)) continue;

            if (!perihelia[k]) perihelia[k] = AntiTailPerihelion(line);
            if (*perihelia[k] >= t) continue;  // perihelion not yet passed at 00:00

            const CometLineEvaluation ev =
                model->CometOnConic(model->Values(ParseCometLine(line)), t);
            if (!(ev.phaseAngleDeg > 0 && ev.magnitude < kAntiTailMagnitudeLimit)) continue;

            const double crossedNode = atNode ? node : other;
            const Instant when = RefineCrossing(t, crossedNode, minuteLongitudes.at(t, *model));
            const AntiTailHit hit{static_cast<int>(k), when};
            if (!sink(AntiTailHitLine(hit.cometIndex, when, ev.phaseAngleDeg, ev.magnitude,
                                      AntiTailCometName(line)),
                      hit))
                return false;
        }
    }
    return true;
}

AntiTailListing AntiTailList(const std::vector<std::string>& cometLines, int year,
                             const Observer& observer, Words words) {
    AntiTailListing listing = AntiTailHeadings(words);
    SearchAntiTail(
        cometLines, year,
        [&](const std::string& line, const AntiTailHit& hit) {
            listing.lines.push_back(line);
            listing.hits.push_back(hit);
            return true;
        },
        observer);
    return listing;
}

}  // namespace vagaris
