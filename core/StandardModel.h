#pragma once
// The program's standard model: the Sun from a short analytical theory, the object on the
// Kepler conic of its elements with the program's mean motion, geocentric places on the
// equator of the date's obliquity, a linear phase law for minor planets.
#include "core/PositionModel.h"

namespace vagaris {

// The Earth's heliocentric longitude [rad]: the Sun's plus π.
double StandardEarthLongitude(Instant t);
// The maximum altitude [rad] of a place (alpha, delta) at t for a latitude, the Sun taken one
// minute after t as the motion takes it (MaxAltitudeSearch).
double StandardMaxAltitude(double alpha, double delta, Instant t, double latitudeDeg,
                           double twilightLimit);

class StandardModel final : public PositionModel {
public:
    using PositionModel::PositionModel;
    TElementValues Values(const TOrbitalElements& texts,
                          TOrbitRecord* record = nullptr) const override;
    // The maximum altitude for the observer's latitude; the other fields are geocentric.
    ObjectCircumstances At(const TElementValues& values, Instant ut,
                           double twilightLimit = kTwilightAstronomical) const override;
    // The Sun's longitude plus 180°, brought below 360° by one subtraction (the Sun's longitude
    // is not normalised after its precession term, so the result may sit a hair outside
    // [0, 360]; the search's boundary-aware comparison absorbs that).
    double EarthLongitudeDeg(Instant ut) const override;
    CometLineEvaluation CometOnConic(const TElementValues& values, Instant ut) const override;
    // The frame holds the obliquity of the date and the Sun's vector on its equator; the zenith
    // is the site's (ZenithJ2000) and altitudes are geometric and geocentric.
    std::unique_ptr<InstantFrame> FrameAt(Instant ut) const override;
    bool SunBelow(const InstantFrame& frame, double depression) const override;
    GeocentricVector Geocentric(const TElementValues& values, const InstantFrame& frame,
                                bool onConic = false) const override;
    Vec3 FromObserver(const TElementValues& values, const InstantFrame& frame) const override;
    AltAz LocalSky(const TElementValues& values, const TCircumstances& circumstances,
                   Instant ut) const override;
};

}  // namespace vagaris
