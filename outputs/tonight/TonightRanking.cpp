#include "outputs/tonight/TonightRanking.h"

#include "outputs/tonight/TonightObjects.h"
#include "outputs/tonight/TonightStreams.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <map>
#include <stdexcept>

#include "catalogs/CatalogInfo.h"
#include "catalogs/LineFormats.h"
#include "catalogs/mpcorb/MpcOrbSearch.h"
#include "catalogs/mpcorb/ParallelLines.h"
#include "core/Angles.h"
#include "core/Constants.h"
#include "core/Errors.h"
#include "core/Kepler.h"
#include "core/PositionModel.h"
#include "core/ReadableFile.h"
#include "core/Sun.h"
#include "core/TextForms.h"
#include "core/precise/PreciseSession.h"

namespace vagaris::tonight {

namespace {

constexpr int kNightMinutes = 1440;
// The Earth's orbital speed never exceeds 30.3 km/s = 0.01749 AU/day; a margin on top.
constexpr double kEarthSpeedBound = 0.0176;  // [AU/day]
// Interpolated positions must follow the computed ones to this angle at every check point;
// otherwise the object is computed at every minute. 10" is far below what an altitude to
// 0.1° or a time to the minute can show.
constexpr double kInterpolationTolerance = 10.0 / 3600.0 * kPi / 180.0;  // [rad]

// The program's geocentric Sun vector (rectangular, equatorial of the obliquity of t) [AU].
Vec3 SunVector(Instant t, double eps) { return SunRectangular(SunPosition(t), eps); }

// The object's geocentric vector at sample j of the night: the model's full position [AU];
// its distance from the Sun in r when asked.
Vec3 GeocentricAtSample(const NightSky& sky, const TElementValues& v, int j, double* r = nullptr) {
    const GeocentricVector g = sky.model->Geocentric(v, *sky.sampleFrames[j]);
    if (r) *r = g.r;
    return g.toObject;
}

// The perturbed model moves the object off its catalog conic; the screens then need margins.
bool Perturbed(const NightSky& sky) {
    const Observer& o = sky.model->observer();
    return o.precise() && o.forces == PreciseForces::Planets;
}

Vec3 Add(const Vec3& a, const Vec3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 Scale(const Vec3& a, double s) { return {a.x * s, a.y * s, a.z * s}; }

// Quadratic through the positions at s = 0, 1/2, 1 of the night: G(s) = c0 + c1 s + c2 s².
struct Quadratic {
    Vec3 c0, c1, c2;
    Vec3 at(double s) const { return Add(c0, Scale(Add(c1, Scale(c2, s)), s)); }
};
Quadratic Through(const Vec3& g0, const Vec3& gh, const Vec3& g1) {
    const Vec3 c2 = Scale(Add(Add(g0, Scale(gh, -2.0)), g1), 2.0);
    const Vec3 c1 = Add(Add(g1, Scale(g0, -1.0)), Scale(c2, -1.0));
    return {g0, c1, c2};
}

// A magnitude the object cannot beat during the night, from its distances at the middle of
// the night and bounds on how fast they change: the Sun distance by at most the orbital
// speed at perihelion, the Earth distance by that plus the Earth's speed. Nothing when the
// bounds reach zero distance (then there is no bound worth having).
std::optional<double> MagnitudeFloor(const TElementValues& v, double r, double Delta,
                                     double halfSpan) {
    const double inverseA = v.a != 0 ? 1 / v.a : 0.0;
    const double speedSquared = 2 / v.q - inverseA;
    const double speed = kGaussianConstant * std::sqrt(speedSquared > 0 ? speedSquared : 0.0);
    const double rLow = std::max(v.q, r - halfSpan * speed);
    const double rHigh = r + halfSpan * speed;
    const double deltaLow = Delta - halfSpan * (speed + kEarthSpeedBound);
    if (!(rLow > 0) || !(deltaLow > 0)) return std::nullopt;
    // Minor planets: H + 5 log(r Δ) + 0.03·phase, the phase term never negative. Comets:
    // H + 5 log Δ + 2.5 G log r, r taken at the end that makes the term smallest.
    if (v.IsMinorPlanet) return v.H + 5 * std::log10(rLow * deltaLow);
    const double rBound = v.G >= 0 ? rLow : rHigh;
    return v.H + 5 * std::log10(deltaLow) + 2.5 * v.G * std::log10(rBound);
}

// A magnitude the object can never beat, from its orbit alone: its Sun distance is at least
// q, and its Earth distance at least q minus the Earth's greatest distance from the Sun
// (1.0167 AU, the program's solar theory stays within 1.02). Nothing for orbits that reach
// inside that distance. Saves the propagation for most of MPCOrb.dat. Only for orbits the
// propagation is sure to accept (finite, 0 ≤ e ≤ 0.4, where Kepler's equation always
// converges, and q > 1.02 AU so a is well away from 0): a line the propagation would refuse
// must still count as not converting, screen or no screen.
constexpr double kEarthFarthest = 1.02;  // [AU]
std::optional<double> OrbitMagnitudeFloor(const TElementValues& v) {
    const double deltaLow = v.q - kEarthFarthest;
    if (!(deltaLow > 0) || !(v.e >= 0 && v.e <= 0.4) || !std::isfinite(v.a) || !std::isfinite(v.q))
        return std::nullopt;
    if (v.IsMinorPlanet) return v.H + 5 * std::log10(v.q * deltaLow);
    // Comets: r ≥ q bounds the r term only when it grows with r.
    if (!(v.G >= 0)) return std::nullopt;
    return v.H + 5 * std::log10(deltaLow) + 2.5 * v.G * std::log10(v.q);
}

// The element values the screens bound the object with. The perturbed model moves the object
// off the catalog's conic: its osculating perihelion distance drifts as the planets pull (a
// main-belt orbit's eccentricity swings by a few hundredths over decades, 0.03 in e being
// 0.08 AU in q at 2.7 AU), so the screens take q smaller by 0.1 AU plus 0.02 AU a year
// from the epoch, which makes the floors brighter and the speed bound larger. An orbit that
// reaches Jupiter's distance (aphelion beyond 4.5 AU, or open) can be thrown anywhere by a
// close approach: its orbit-only floor is not used (nothing), and its night floor uses the
// integrated distances with q at most 0.1 AU.
struct ScreenValues {
    TElementValues v;
    bool orbitFloor = true;  // OrbitMagnitudeFloor applies
    double margin = 0;       // what q was taken smaller by, before the Jupiter rule [AU]
};
ScreenValues ForScreen(const NightSky& sky, const TElementValues& v) {
    ScreenValues out{v};
    if (!Perturbed(sky)) return out;
    const double years = std::fabs(sky.first - v.EpochTime) / 365.25;
    const double margin = 0.1 + 0.02 * years;
    out.margin = margin;
    const bool reachesJupiter = !(v.e < 1) || !(v.a * (1 + v.e) < 4.5);
    out.orbitFloor = !reachesJupiter;
    out.v.q = reachesJupiter ? std::min(v.q - margin, 0.1) : v.q - margin;
    if (!(out.v.q > 0)) out.v.q = 1e-3;
    return out;
}

// The perturbed model's night screen before any integration: the two-body place at the
// middle of the night, with the distances shortened by a bound on how far the planets can
// have moved the object off its conic. Half the distance from the Sun, plus the margin the
// perihelion distance takes above (before the Jupiter rule's cut): a close approach to Jupiter
// changes an orbit, but within a few decades never moves an object far out (where most of a comet
// catalog is, years after perihelion) to within half its distance; a near object keeps no bound
// (the shortened distances reach zero). The test of screened against unscreened nights shows that
// it drops nothing. Saves integrating for decades the comets whose perihelion is long past.
bool TwoBodyNightFloorExceeds(const NightSky& sky, const ScreenValues& bounds,
                              const TElementValues& v, double span, double limit) {
    if (!Perturbed(sky)) return false;
    // A comet whose magnitude falls with r (G < 0) would need an upper bound on r as well.
    if (!v.IsMinorPlanet && !(v.G >= 0)) return false;
    const GeocentricVector p = sky.model->Geocentric(v, *sky.sampleFrames[1], true);
    const double displacement = 0.5 * p.r + bounds.margin;
    const auto floor =
        MagnitudeFloor(bounds.v, p.r - displacement, p.delta - displacement, span / 2 + kMinute);
    return floor && *floor > limit + 1e-9;
}

void Observe(Window& w, double& bestSine, int k, double sine, double sinMin) {
    if (!(sine >= sinMin)) return;
    ++w.observableMinutes;
    if (w.firstMinute < 0) w.firstMinute = k;
    w.lastMinute = k;
    if (sine > bestSine) {  // strictly: the earliest minute wins a tie
        bestSine = sine;
        w.bestMinute = k;
    }
}

}  // namespace

const char* SortKeyText(SortKey key) {
    switch (key) {
        case SortKey::Best: return "best";
        case SortKey::Time: return "time";
        case SortKey::Altitude: return "alt";
        case SortKey::Magnitude: break;
    }
    return "mag";
}

Observer ObserverOf(const Request& request) {
    Observer o;
    o.latitudeDeg = request.latitudeDeg;
    o.longitudeDeg = request.longitudeDeg;
    o.heightMetres = request.heightMetres;
    o.model = request.precise ? ModelKind::Precise : ModelKind::Standard;
    o.centre = request.geocentric ? PlaceCentre::Geocentre : PlaceCentre::Site;
    o.forces = request.twoBody ? PreciseForces::TwoBody : PreciseForces::Planets;
    return o;
}

void SetObserver(Request& request, const Observer& observer) {
    request.latitudeDeg = observer.latitudeDeg;
    request.longitudeDeg = observer.longitudeDeg;
    request.precise = observer.precise();
    request.heightMetres = observer.precise() ? observer.heightMetres : 0;
    request.geocentric = observer.centre == PlaceCentre::Geocentre;
    request.twoBody = observer.forces == PreciseForces::TwoBody;
}

std::optional<SortKey> SortKeyFromText(const std::string& text) {
    for (SortKey k : {SortKey::Magnitude, SortKey::Best, SortKey::Time, SortKey::Altitude})
        if (text == SortKeyText(k)) return k;
    return std::nullopt;
}

NightSky PrepareNight(const Request& request) {
    NightSky sky;
    // Local mean noon is 12:00 UT − longitude/15 h = 720 − 4·longitude minutes after 00:00
    // UT; the night starts at the first whole minute at or after it (a hair of tolerance so
    // that a noon on a whole minute, computed in binary, is not pushed to the next one).
    const double noon = 720.0 - 4.0 * request.longitudeDeg;  // [min]
    const double firstMinute = std::ceil(noon - 1e-7);
    sky.first = request.date + firstMinute * kMinute;
    sky.minutes = kNightMinutes;
    sky.latitude = Rad(request.latitudeDeg);
    sky.longitude = Rad(request.longitudeDeg);
    sky.sinMinAltitude = std::sin(Rad(request.limits.minAltitudeDeg));
    sky.model = MakePositionModel(ObserverOf(request));
    sky.fromSite = request.precise;
    // A night outside the precise model's years is refused here (its frames throw), not object
    // by object.
    sky.frames.reserve(kNightMinutes);
    for (int k = 0; k < kNightMinutes; ++k) {
        const Instant t = sky.MinuteAt(k);
        const InstantFrame& frame = *sky.frames.emplace_back(sky.model->FrameAt(t));
        if (!sky.model->SunBelow(frame, request.twilightLimit)) continue;
        if (sky.darkFirst < 0) sky.darkFirst = k;
        sky.darkLast = k;
        if (request.limits.moonDown && !(Dot(MoonGeocentric(t), frame.zenith) < 0)) continue;
        sky.usable.push_back(k);
    }
    for (const double fraction : kSampleFractions)
        sky.sampleFrames.push_back(
            sky.model->FrameAt(sky.first + fraction * sky.minutes * kMinute));
    // Local mean midnight: half a day after local mean noon.
    const Instant midnight = request.date + 1.0 - request.longitudeDeg / 360.0;
    const Vec3 sun = SunVector(midnight, Obliquity(midnight));
    sky.moonIllumination = IlluminatedFraction(AngleBetween(MoonGeocentric(midnight), sun));
    return sky;
}

Evaluation EvaluateWindow(const NightSky& sky, const TElementValues& v, const Limits& limits,
                          bool screen) {
    Evaluation out;
    const double span = sky.minutes * kMinute;  // [days]
    const ScreenValues bounds = ForScreen(sky, v);
    if (screen && bounds.orbitFloor) {
        const auto floor = OrbitMagnitudeFloor(bounds.v);
        if (floor && *floor > limits.magnitude + 1e-9) {
            out.screened = true;
            return out;
        }
    }
    if (screen && TwoBodyNightFloorExceeds(sky, bounds, v, span, limits.magnitude)) {
        out.screened = true;
        return out;
    }
    double r = 0;
    const Vec3 gh = GeocentricAtSample(sky, v, 1, &r);
    if (screen) {
        const auto floor = MagnitudeFloor(bounds.v, r, Norm(gh), span / 2 + kMinute);
        // A hair of margin: the floor and the magnitude come from different roundings.
        if (floor && *floor > limits.magnitude + 1e-9) {
            out.screened = true;
            return out;
        }
    }
    if (sky.usable.empty()) return out;
    const Quadratic q = Through(GeocentricAtSample(sky, v, 0), gh, GeocentricAtSample(sky, v, 2));
    for (int j = 3; j < 7; ++j) {
        if (AngleBetween(q.at(kSampleFractions[j]), GeocentricAtSample(sky, v, j)) >
            kInterpolationTolerance) {
            out.dense = true;
            break;
        }
    }
    double bestSine = -2;
    if (out.dense) {
        for (const int k : sky.usable) {
            const InstantFrame& frame = *sky.frames[k];
            const Vec3 g = sky.model->FromObserver(v, frame);
            Observe(out.window, bestSine, k, Dot(g, frame.zenith) / Norm(g), sky.sinMinAltitude);
        }
    } else {
        const double perMinute = 1.0 / sky.minutes;
        for (const int k : sky.usable) {
            const InstantFrame& frame = *sky.frames[k];
            Vec3 g = q.at(k * perMinute);
            // Seen from the site, the geocentric place moves smoothly through the night and the
            // site's offset turns with the Earth.
            if (sky.fromSite) g = Add(g, Scale(frame.siteOffset, -1.0));
            Observe(out.window, bestSine, k, Dot(g, frame.zenith) / Norm(g), sky.sinMinAltitude);
        }
    }
    return out;
}

std::optional<Row> FinishRow(const NightSky& sky, const Limits& limits, const Window& window,
                             const TOrbitalElements& texts, char kind) {
    const Instant t = sky.MinuteAt(window.bestMinute);
    // The Selección page's own computation at the best minute: magnitude, distances,
    // elongation and motion are exactly the page's.
    const TElementValues modelValues = sky.model->Values(texts);
    const TCircumstances c = sky.model->At(modelValues, t).circumstances;
    if (!(c.Magnitude <= limits.magnitude)) return std::nullopt;
    const Vec3 direction{std::cos(c.Declination) * std::cos(c.RightAscension),
                         std::cos(c.Declination) * std::sin(c.RightAscension),
                         std::sin(c.Declination)};
    const double moonSeparation = Deg(AngleBetween(direction, MoonGeocentric(t)));
    if (limits.moonSeparationDeg > 0 && !(moonSeparation >= limits.moonSeparationDeg))
        return std::nullopt;
    const AltAz place = sky.model->LocalSky(modelValues, c, t);
    const TElementValues v = ReadElements(texts);

    Row row;
    row.kind = kind;
    row.name = ObjectNameOf(texts);
    row.magnitude = c.Magnitude;
    row.windowStart = sky.MinuteAt(window.firstMinute);
    row.windowEnd = sky.MinuteAt(window.lastMinute);
    row.bestTime = t;
    row.observableMinutes = window.observableMinutes;
    row.bestAltitude = Deg(place.altitude);
    row.bestAzimuth = Deg(place.azimuth);
    row.elongation = Deg(c.Elongation);
    row.delta = c.Delta;
    row.sunDistance = c.SunDistance;
    row.motion = c.Motion;
    row.positionAngle = Deg(c.MotionPA);
    row.moonSeparation = moonSeparation;
    if (v.IsMinorPlanet)
        row.elementAgeDays = t - v.EpochTime;
    else
        row.daysFromPerihelion = t - v.EpochTime;
    return row;
}

std::optional<FileStamp> StampOf(const std::string& path) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec) return std::nullopt;
    const auto time = std::filesystem::last_write_time(path, ec);
    if (ec) return std::nullopt;
    return FileStamp{path, size, static_cast<std::int64_t>(time.time_since_epoch().count())};
}

void SortRows(std::vector<Row>& rows, SortKey key) {
    const auto primary = [key](const Row& a, const Row& b) -> int {
        const auto cmp = [](auto x, auto y) { return x < y ? -1 : (y < x ? 1 : 0); };
        switch (key) {
            case SortKey::Best: return cmp(a.bestTime, b.bestTime);
            case SortKey::Time: return cmp(b.observableMinutes, a.observableMinutes);
            case SortKey::Altitude: return cmp(b.bestAltitude, a.bestAltitude);
            case SortKey::Magnitude: break;
        }
        return 0;
    };
    std::sort(rows.begin(), rows.end(), [&](const Row& a, const Row& b) {
        if (const int p = primary(a, b)) return p < 0;
        if (a.magnitude != b.magnitude) return a.magnitude < b.magnitude;
        if (a.name != b.name) return a.name < b.name;
        if (a.catalogOrder != b.catalogOrder) return a.catalogOrder < b.catalogOrder;
        return a.fileOrder < b.fileOrder;
    });
}

Result RankTonight(const Request& request, const std::vector<Source>& sources,
                   const Options& options) {
    Result result;
    result.request = request;
    result.sky = PrepareNight(request);
    const NightSky& sky = result.sky;
    const int workers = WorkerCount(options.threads);
    const auto cancelled = [&] {
        return options.cancel && options.cancel->load(std::memory_order_relaxed);
    };

    // The catalog files are read whole (they are small); MPCOrb.dat files are streamed.
    std::vector<std::vector<std::string>> catalogLines;
    std::vector<CatalogObject> objects =
        LoadCatalogObjects(sources, options.dedupe, *sky.model, catalogLines, result);
    if (options.dedupe) objects = RemoveDuplicates(std::move(objects));

    // Progress: the catalogs' objects first, then the MPCOrb.dat bytes, as fractions of one.
    std::uint64_t streamBytes = 0;
    for (const auto& source : sources)
        if (source.kind == Source::Kind::MpcOrb)
            if (auto stamp = StampOf(source.path)) streamBytes += stamp->size;
    const double objectWeight = static_cast<double>(objects.size()) * 200.0;  // ~ bytes each
    const double totalWeight = std::max(1.0, objectWeight + static_cast<double>(streamBytes));

    const RankContext context{sky, request.limits, options.screen};
    Tally tally;
    std::function<void(double)> objectProgress;
    if (options.progress)
        objectProgress = [&](double share) {
            options.progress(std::min(1.0, share * objectWeight / totalWeight));
        };
    RankCatalogObjects(context, objects, result.catalogNames, workers, options.cancel,
                       objectProgress, tally);

    std::uint64_t bytesBefore = 0;
    for (std::size_t s = 0; s < sources.size() && !cancelled(); ++s) {
        if (sources[s].kind != Source::Kind::MpcOrb) continue;
        const std::string& path = sources[s].path;
        const auto stamp = StampOf(path);
        if (!stamp) throw EReadError(ReadFailure::Unreadable, path);
        result.files.push_back(*stamp);
        ParallelReadOptions read;
        read.threads = workers;
        read.cancel = options.cancel;
        if (options.progress)
            read.progress = [&](std::uint64_t done, std::uint64_t) {
                options.progress(std::min(
                    1.0, (objectWeight + static_cast<double>(bytesBefore + done)) / totalWeight));
            };
        const int order = static_cast<int>(s);
        RankMpcOrbFile(context, path, order, result.catalogNames[order], read, tally);
        bytesBefore += result.files.back().size;
    }

    result.rows = std::move(tally.rows);
    result.considered = tally.considered;
    result.invalidLines += tally.invalid;
    if (cancelled()) {
        result.cancelled = true;
        result.rows.clear();
        return result;
    }
    SortRows(result.rows, request.sort);
    if (options.progress) options.progress(1.0);
    return result;
}

}  // namespace vagaris::tonight
