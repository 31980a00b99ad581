#include "core/precise/PrecisePositionModel.h"

#include "core/Angles.h"
#include "core/precise/Perturbations.h"
#include "core/precise/PreciseSession.h"

namespace vagaris {

namespace {

struct PreciseInstantFrame final : InstantFrame {
    PreciseFrame frame;
};

const PreciseFrame& FrameOf(const InstantFrame& frame) {
    return static_cast<const PreciseInstantFrame&>(frame).frame;
}

Vec3 ToVec3(const double v[3]) { return {v[0], v[1], v[2]}; }

}  // namespace

ObserverSite SiteOf(const Observer& observer) {
    return {Rad(observer.latitudeDeg), Rad(observer.longitudeDeg), observer.heightMetres};
}

PrecisePositionModel::PrecisePositionModel(const Observer& observer)
    : PositionModel(observer), site_(SiteOf(observer)) {}

TElementValues PrecisePositionModel::Values(const TOrbitalElements& texts,
                                            TOrbitRecord* record) const {
    return PreciseElementValues(texts, record ? ReadElements(texts, *record) : ReadElements(texts));
}

ObjectCircumstances PrecisePositionModel::At(const TElementValues& v, Instant ut,
                                             double twilightLimit) const {
    ObjectCircumstances out;
    // An instant the user asked for must lie in the model's years.
    const PreciseTime time = PreciseTimeOf(ut);
    out.earthLongitude = PreciseEarthLongitude(ut);
    out.circumstances =
        PreciseCircumstances(v, ut, site_, observer().centre, twilightLimit, observer().forces);
    out.anomaly = PreciseHeliocentric(v, time.tt + kMinute, observer().forces).anomaly;
    return out;
}

TOrbitRecord PrecisePositionModel::DrawnOrbit(const TOrbitalElements& texts,
                                              const TOrbitRecord& record, Instant ut) const {
    if (observer().forces == PreciseForces::TwoBody) return record;
    TOrbitRecord scratch;  // the caller's record stays as the computation wrote it
    const TElementValues v = Values(texts, &scratch);
    const Instant tt = PreciseTimeOf(ut).tt + kMinute;
    const TElementValues osculating =
        perturbed::OsculatingElements(perturbed::PerturbedState(v, tt), v.IsMinorPlanet);
    TOrbitRecord drawn = record;
    drawn.a = osculating.a;
    drawn.e = osculating.e;
    drawn.q = osculating.q;
    drawn.w = osculating.w;
    drawn.O = osculating.O;
    drawn.i = osculating.i;
    drawn.Anomaly = perturbed::PerturbedHeliocentric(v, tt).anomaly;
    return drawn;
}

double PrecisePositionModel::EarthLongitudeDeg(Instant ut) const {
    return Deg(PreciseEarthLongitude(ut));
}

CometLineEvaluation PrecisePositionModel::CometOnConic(const TElementValues& v, Instant ut) const {
    const TCircumstances c = PreciseCircumstances(v, ut, site_, observer().centre,
                                                  kTwilightAstronomical, PreciseForces::TwoBody);
    return {Deg(c.PhaseAngle), c.Magnitude};
}

std::string PrecisePositionModel::ModelLine() const {
    return PreciseModelLine(observer().centre == PlaceCentre::Geocentre,
                            observer().forces == PreciseForces::TwoBody);
}

std::unique_ptr<InstantFrame> PrecisePositionModel::FrameAt(Instant ut) const {
    auto out = std::make_unique<PreciseInstantFrame>();
    out->ut = ut;
    out->frame = MakePreciseFrame(PreciseTimeOf(ut), site_);
    out->zenith = ZenithJ2000(ut, site_.latitude, site_.longitude);
    const PreciseFrame& f = out->frame;
    out->siteOffset = {f.siteHelio[0] - f.earth[0], f.siteHelio[1] - f.earth[1],
                       f.siteHelio[2] - f.earth[2]};
    return out;
}

bool PrecisePositionModel::SunBelow(const InstantFrame& frame, double depression) const {
    return ObserveSun(FrameOf(frame)).altitude < -depression;
}

GeocentricVector PrecisePositionModel::Geocentric(const TElementValues& v,
                                                  const InstantFrame& frame, bool onConic) const {
    const PrecisePlace p = AstrometricPlace(v, FrameOf(frame), PlaceCentre::Geocentre,
                                            onConic ? PreciseForces::TwoBody : observer().forces);
    return {ToVec3(p.toObject), p.r, p.delta};
}

Vec3 PrecisePositionModel::FromObserver(const TElementValues& v, const InstantFrame& frame) const {
    return ToVec3(
        AstrometricPlace(v, FrameOf(frame), PlaceCentre::Site, observer().forces).toObject);
}

AltAz PrecisePositionModel::LocalSky(const TElementValues& v, const TCircumstances&,
                                     Instant ut) const {
    // The apparent place of date seen from the site at the real sidereal time.
    const PreciseFrame frame = MakePreciseFrame(PreciseTimeOf(ut), site_);
    const ObservedPlace seen =
        Observe(AstrometricPlace(v, frame, PlaceCentre::Site, observer().forces), frame);
    return {seen.altitude, seen.azimuth};
}

}  // namespace vagaris
