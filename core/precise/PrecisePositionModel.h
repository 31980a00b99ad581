#pragma once
// The precise model (PreciseModel.h) behind the shared interface: astrometric J2000 places
// seen from the observer's site or the geocentre, the object moved by the observer's choice of
// forces.
#include "core/PositionModel.h"
#include "core/precise/PreciseModel.h"

namespace vagaris {

class PrecisePositionModel final : public PositionModel {
public:
    explicit PrecisePositionModel(const Observer& observer);
    // Comets keep the catalog's eccentricity (PreciseElementValues).
    TElementValues Values(const TOrbitalElements& texts,
                          TOrbitRecord* record = nullptr) const override;
    ObjectCircumstances At(const TElementValues& values, Instant ut,
                           double twilightLimit = kTwilightAstronomical) const override;
    TOrbitRecord DrawnOrbit(const TOrbitalElements& texts, const TOrbitRecord& record,
                            Instant ut) const override;
    double EarthLongitudeDeg(Instant ut) const override;
    // The two-body forces whatever the observer's: the catalog's elements.
    CometLineEvaluation CometOnConic(const TElementValues& values, Instant ut) const override;
    // The frame holds ERFA's context for the site at the instant; places are astrometric
    // (ICRS axes), the zenith the site's J2000 one, the Sun's altitude the apparent one.
    std::unique_ptr<InstantFrame> FrameAt(Instant ut) const override;
    bool SunBelow(const InstantFrame& frame, double depression) const override;
    GeocentricVector Geocentric(const TElementValues& values, const InstantFrame& frame,
                                bool onConic = false) const override;
    Vec3 FromObserver(const TElementValues& values, const InstantFrame& frame) const override;
    AltAz LocalSky(const TElementValues& values, const TCircumstances& circumstances,
                   Instant ut) const override;
    std::string ModelLine() const override;

    const ObserverSite& site() const { return site_; }

private:
    ObserverSite site_;
};

// The observer's site as the precise model takes it (radians, metres).
ObserverSite SiteOf(const Observer& observer);

}  // namespace vagaris
