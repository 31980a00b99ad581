#pragma once
// What can be observed in one night from one site: for every object of one or several
// catalogs, the minutes in which it is observable, its best minute and the circumstances
// there, and the ranked list of the objects worth observing. Pure C++; the tonight window and
// `vagaris-cli tonight` both call RankTonight.
//
// The night of a date D is every whole UT minute from local mean noon of D (12:00 UT minus
// longitude / 15 h) up to, not including, local mean noon of D + 1. A minute is dark when the
// Sun's altitude is below the twilight limit; an object is observable in a dark minute when it
// stands at or above the minimum altitude (and, when asked, the Moon is below the horizon).
// Altitudes are geometric and geocentric: the program's own J2000 positions, precessed to the
// date (IAU 1976) under the IAU 1982 mean sidereal time plus the longitude.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/ElementRecord.h"
#include "core/Circumstances.h"
#include "core/Observer.h"
#include "core/PositionModel.h"
#include "core/Time.h"
#include "core/precise/PreciseModel.h"

namespace vagaris::tonight {

// The list's sort, as settings line 11 and `--sort` write it.
enum class SortKey { Magnitude, Best, Time, Altitude };
const char* SortKeyText(SortKey key);                             // "mag", "best", "time", "alt"
std::optional<SortKey> SortKeyFromText(const std::string& text);  // nothing for another text

// The limits with their defaults; the ranges are the CLI's and the window's boxes'.
struct Limits {
    double magnitude = 14.0;        // faintest listed magnitude, −30 … 40
    double minAltitudeDeg = 15.0;   // [deg], 0 … 90
    int minMinutes = 30;            // total observable time [min], 1 … 1440
    double moonSeparationDeg = 15;  // [deg], 0 … 180; 0 turns the condition off
    bool moonDown = false;          // observable only while the Moon is below the horizon
};
inline constexpr double kMagnitudeMin = -30, kMagnitudeMax = 40;
inline constexpr double kMinAltitudeMax = 90;
inline constexpr int kMinMinutesMin = 1, kMinMinutesMax = 1440;
inline constexpr double kMoonSeparationMax = 180;

struct Request {
    Instant date = 0;         // D at 00:00
    double latitudeDeg = 40;  // [deg], north positive (whole degrees from the page)
    double longitudeDeg = 0;  // [deg], east positive, −180 … +180
    double twilightLimit = kTwilightAstronomical;  // Sun depression [rad]
    Limits limits;
    SortKey sort = SortKey::Magnitude;
    // The precise model: the observable minutes from its places seen from the site at
    // heightMetres (the Sun's and the objects' altitudes), each listed object's circumstances,
    // magnitude and best altitude from it (the circumstances for the geocentre when asked).
    bool precise = false;
    double heightMetres = 0;
    bool geocentric = false;
    bool twoBody = false;  // the precise model without the planets' pull
};

// The observer a request describes, and the request's site and model set from an observer:
// the tonight window and vagaris-cli tonight both hand the list an observer so.
Observer ObserverOf(const Request& request);
void SetObserver(Request& request, const Observer& observer);

// Where the night's positions are computed in full for every object: the nodes of the
// quadratic interpolation (start, middle, end) and four check points between them.
inline constexpr double kSampleFractions[] = {0.0, 0.5, 1.0, 0.125, 0.375, 0.625, 0.875};

// The per-minute sky of one night, shared by every object: the request's model and its
// frames of every minute and of the sample instants.
struct NightSky {
    Instant first = 0;                   // the first minute
    int minutes = 0;                     // 1440
    double latitude = 0, longitude = 0;  // [rad]
    double sinMinAltitude = 0;
    std::shared_ptr<const PositionModel> model;                     // the request's
    std::vector<std::shared_ptr<const InstantFrame>> frames;        // per minute
    std::vector<std::shared_ptr<const InstantFrame>> sampleFrames;  // at kSampleFractions
    bool fromSite = false;    // the model's places are seen from the site (its frames' siteOffset)
    std::vector<int> usable;  // the minutes (indexes) that are dark and, when asked, moonless:
                              // only these can be observable
    int darkFirst = -1, darkLast = -1;  // first and last dark minute, −1 without darkness
    double moonIllumination = 0;        // at local mean midnight, 0 … 1
    Instant MinuteAt(int k) const { return first + k * kMinute; }
};
NightSky PrepareNight(const Request& request);

// One object's observing window (before the magnitude and Moon conditions at its best time).
struct Window {
    int observableMinutes = 0;
    int firstMinute = -1, lastMinute = -1, bestMinute = -1;
};

// One listed object.
struct Row {
    int index = -1;               // in its catalog, from 0; −1 for MPCOrb.dat rows
    std::string catalog;          // the file name, without folders
    int catalogOrder = 0;         // position of the catalog in the request (ties, take-over)
    std::uint64_t fileOrder = 0;  // line order within the file (ties)
    char kind = 'A';              // 'C' comet line, 'A' minor-planet or MPCOrb.dat line
    std::string name;
    double magnitude = 0;
    Instant windowStart = 0, windowEnd = 0, bestTime = 0;
    int observableMinutes = 0;
    double bestAltitude = 0, bestAzimuth = 0;  // [deg], azimuth from the north through the east
    double elongation = 0;                     // [deg]
    double delta = 0, sunDistance = 0;         // [AU]
    double motion = 0;                         // ["/min]
    double positionAngle = 0;                  // [deg]
    double moonSeparation = 0;                 // [deg]
    std::optional<double> elementAgeDays;      // minor planets: best time − epoch [days]
    std::optional<double> daysFromPerihelion;  // comets: best time − perihelion time [days]
    std::string line;  // the catalog line, so the row can be taken over without the file
};

// A catalog file to rank: its lines' layout comes from its name (or, for another name, from
// its first line); MPCOrb.dat files are streamed.
struct Source {
    std::string path;
    enum class Kind { Catalog, MpcOrb } kind = Kind::Catalog;
};

struct Options {
    int threads = 0;      // workers; 0: one per processor
    bool screen = true;   // skip early the objects that cannot reach the magnitude limit
    bool dedupe = false;  // the five catalogs together: one row per name
    const std::atomic<bool>* cancel = nullptr;
    // Fraction done, 0 … 1, called now and then from the thread running RankTonight.
    std::function<void(double)> progress;
};

// The files a list was made from, so a later take-over can tell whether one changed.
struct FileStamp {
    std::string path;
    std::uintmax_t size = 0;
    std::int64_t modified = 0;  // file time, in the clock's own ticks
    bool operator==(const FileStamp&) const = default;
};
std::optional<FileStamp> StampOf(const std::string& path);

struct Result {
    Request request;
    NightSky sky;
    long long considered = 0;          // objects that converted (after the removal of duplicates)
    long long invalidLines = 0;        // lines that did not convert
    std::vector<std::string> missing;  // files that do not exist (the five together only)
    std::vector<FileStamp> files;      // the files read
    std::vector<std::string> catalogNames;  // file names, by catalogOrder
    std::vector<std::string> catalogPaths;  // the sources' paths, by catalogOrder
    std::vector<Row> rows;                  // listed, sorted by request.sort
    bool cancelled = false;                 // then rows is empty
};

// Ranks the sources. Throws std::runtime_error("No se puede leer <path>") for an unreadable
// file and the MPCOrb.dat message for a missing MPCOrb.dat. A missing file among the five
// catalogs (dedupe on) is skipped and named in `missing`.
Result RankTonight(const Request& request, const std::vector<Source>& sources,
                   const Options& options);

// Sorts rows by the key; ties by magnitude, then name, then catalog and file order.
void SortRows(std::vector<Row>& rows, SortKey key);

// The pieces, public for the tests:
// The window of one object's elements, computed from positions sampled across the night and
// interpolated, or at every minute for objects whose path the samples do not follow.
// `magnitudeBound`, when given, receives a magnitude the object cannot beat this night (only
// computed with screen on; the window is then empty when the bound exceeds the limit).
// Throws EConvertError for elements the propagation cannot use.
struct Evaluation {
    Window window;
    bool screened = false;  // skipped by the magnitude screen
    bool dense = false;     // computed at every minute
};
Evaluation EvaluateWindow(const NightSky& sky, const TElementValues& v, const Limits& limits,
                          bool screen);

// The row at the window's best minute, or nothing when the magnitude or the Moon separation
// there fails its limit. Throws EConvertError for elements that do not convert.
std::optional<Row> FinishRow(const NightSky& sky, const Limits& limits, const Window& window,
                             const TOrbitalElements& texts, char kind);

}  // namespace vagaris::tonight
