#pragma once
// Who observes, from where, and with which model: the values every position computation takes,
// built once where values enter the program (the settings, the Configuración page's boxes, the
// command line's options), so no computation parses a text of the settings again.
#include <string>

namespace vagaris {

struct Settings;

// Settings line 13 and the command line's --model.
enum class ModelKind { Standard, Precise };
// Where the precise model places the observer: the site, or the Earth's centre (to compare
// with services that print geocentric places).
enum class PlaceCentre { Site, Geocentre };
// The forces the precise model moves the object with: the Sun and the planets, integrated
// from the elements' epoch, or the Sun alone, the Kepler conic of the elements (to compare
// with two-body programs).
enum class PreciseForces { Planets, TwoBody };

struct Observer {
    double latitudeDeg = 40;  // north positive [deg]
    double longitudeDeg = 0;  // east positive [deg], −180 … +180
    double heightMetres = 0;  // above the ellipsoid [m]
    ModelKind model = ModelKind::Standard;
    PlaceCentre centre = PlaceCentre::Site;         // the precise model only
    PreciseForces forces = PreciseForces::Planets;  // the precise model only
    bool precise() const { return model == ModelKind::Precise; }
    bool operator==(const Observer&) const = default;
};

// The Configuración page's latitude box ("+40", "-05": a sign and two digits of whole degrees)
// in degrees, as every computation reads it: characters 2-3 as whole degrees, negative when
// the first character is "-". Throws the integer conversion message of those characters.
double LatitudeFromBoxText(const std::string& text);

// The model, centre and forces the settings choose (lines 13 and the command line's
// --geocentric and --two-body), with the default site: nothing is parsed.
Observer ModelChoiceOf(const Settings& settings);
// The observer of the settings' texts, with what its model reads of them: the standard model
// the latitude only (its places are geocentric), the precise one the height, the latitude and
// the longitude, in that order of conversion. Throws the conversion message of the first text
// that fails.
Observer ObserverFromSettings(const Settings& settings);
// The observer of the night's list, which needs the local night in both models: the latitude,
// the longitude and, in the precise model, the height, in that order of conversion.
Observer SiteObserverFromSettings(const Settings& settings);

}  // namespace vagaris
