#include "core/Observer.h"

#include "core/Session.h"
#include "core/TextForms.h"

namespace vagaris {

Observer ModelChoiceOf(const Settings& settings) {
    Observer o;
    o.model = settings.Model == "precise" ? ModelKind::Precise : ModelKind::Standard;
    o.centre = settings.GeocentricPlace ? PlaceCentre::Geocentre : PlaceCentre::Site;
    o.forces = settings.TwoBodyPlace ? PreciseForces::TwoBody : PreciseForces::Planets;
    return o;
}

double LatitudeFromBoxText(const std::string& text) {
    const int degrees = ParseInt(text.size() > 1 ? text.substr(1, 2) : std::string());
    return !text.empty() && text[0] == '-' ? -degrees : degrees;
}

Observer ObserverFromSettings(const Settings& settings) {
    Observer o = ModelChoiceOf(settings);
    if (o.precise()) {
        o.heightMetres = ParseInt(settings.Alt);
        o.latitudeDeg = LatitudeFromBoxText(settings.Lat);
        o.longitudeDeg = ParseFloat(settings.Lon);
    } else {
        o.latitudeDeg = LatitudeFromBoxText(settings.Lat);
    }
    return o;
}

Observer SiteObserverFromSettings(const Settings& settings) {
    Observer o = ModelChoiceOf(settings);
    o.latitudeDeg = LatitudeFromBoxText(settings.Lat);
    o.longitudeDeg = ParseFloat(settings.Lon);
    if (o.precise()) o.heightMetres = ParseInt(settings.Alt);
    return o;
}

}  // namespace vagaris
