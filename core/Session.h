#pragma once
// The program-wide state: one instance, owned by the window or by the command-line tool.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/Circumstances.h"
#include "core/ElementRecord.h"
#include "core/Time.h"

namespace vagaris {

// The Configuración page's values, as texts where the page holds texts.
struct Settings {
    std::string Lat = "+40";    // meLat: sign and two digits
    std::string Alt = "0000";   // meAlt
    std::string Res = "2.7";    // meRes ["/pix]
    std::string FWHM = "5.0";   // meFWHM ["]
    int ExposureFormat = 0;     // rgForVel: 0 "Segundos", 1 "Minutos - segundos"
    std::string MpcOrbPath;     // Edit6
    bool Polar = true;          // rbCPol (else rbCCarte)
    bool PerMinute = true;      // cbSegMin (else cbSegHora)
    bool UseResolution = true;  // rbRes (else rbFWHM); not stored in the file
    // Settings lines after the ninth (written up to the last one that differs from its default):
    std::string Lon = "+000.0";       // line 10: longitude [deg] east positive, the box's text
    std::string TonightSort = "mag";  // line 11: the tonight list's sort (mag best time alt)
    std::string Language = "auto";    // line 12: the interface language (auto or a code)
    std::string Model = "std";        // line 13: the computation model (std precise)
    // The precise model's place for the geocentre instead of the site (vagaris-cli
    // --geocentric, to compare with services that print geocentric places); not stored.
    bool GeocentricPlace = false;
    // The precise model's object on its Kepler conic, without the planets' perturbations
    // (vagaris-cli --two-body, to compare with two-body programs); not stored.
    bool TwoBodyPlace = false;
    bool operator==(const Settings&) const = default;
};

enum BodyIndex {
    kMercury = 0,
    kVenus,
    kEarth,
    kMars,
    kJupiter,
    kSaturn,
    kUranus,
    kNeptune,
    kObject
};

// One line of the anti-tail list that belongs to a hit: the comet's index in the comet list
// and the crossing instant, as the line displays it.
struct AntiTailHit {
    int cometIndex = 0;
    Instant when = 0;
    bool operator==(const AntiTailHit&) const = default;
};

// The anti-tail list (ListBox2): its lines, headings included, each with its hit (headings
// carry cometIndex -1). Lines and hits are added and cleared together, so a row always finds
// its own hit.
class AntiTailRows {
public:
    void clear();
    void append(std::string line, const AntiTailHit& hit);
    bool empty() const { return lines_.empty(); }
    int size() const { return static_cast<int>(lines_.size()); }
    const std::vector<std::string>& lines() const { return lines_; }
    const std::vector<AntiTailHit>& hits() const { return hits_; }
    // The hit of a row that names a comet; nothing for a heading or a row out of range.
    std::optional<AntiTailHit> cometHitAt(int row) const;

private:
    std::vector<std::string> lines_;
    std::vector<AntiTailHit> hits_;
};

struct Session {
    Instant CurrentInstant = 0;
    TCircumstances Circumstances;
    std::array<TOrbitRecord, 9> Orbits{};    // Mercury … Neptune, then the current object
    std::string ObjectName;                  // at most 80 characters
    char CatalogKind = 0;                    // 'C', 'A' or 0 before the first load
    TOrbitalElements Elements;               // the element boxes
    std::vector<std::string> CatalogLines;   // the loaded catalog, line n = object n
    std::vector<std::string> CometLines;     // the same lines when the comet catalog is loaded
    std::vector<std::string> SelectorNames;  // the entries of the four object selectors
    int SelectorIndex = -1;
    bool SelectorsEnabled = true;
    AntiTailRows AntiTail;                // ListBox2
    std::uint64_t CatalogGeneration = 0;  // counts loads and searches
    Settings settings;
    std::string ProgramDir;  // ends with a path separator
    bool ExtendedMode = false;

    // The present instant in UTC. Tests replace the clock.
    std::function<Instant()> clock;
    Instant Now() const;
};

// Present time in UTC as an Instant (millisecond resolution).
Instant SystemNowUtc();
// Fills the eight planets' records with their constants (q = (1 − e)·a).
void FillPlanetRecords(Session& session);

// The changes of the program-wide state that the window and the command-line tool both make.
// Installing a catalog cuts its lines, so it lives with the line formats
// (catalogs/SessionCatalog.h).

// The one assignment of the current instant (the computations over a range of instants, the
// ephemeris rows and the chart samples, take their instants as values and leave it alone).
void SetCurrentInstant(Session& session, Instant t);
// An object found in MPCOrb.dat (its element texts already cut) becomes the current object
// alone: minor-planet layout, no comet list, an empty anti-tail list, the object the one
// (disabled) selector entry. The loaded catalog's lines stay, so choosing a catalog again
// needs no reload of the search; CurrentInstant stays.
void InstallSearchHit(Session& session, const TOrbitalElements& hit);

}  // namespace vagaris
