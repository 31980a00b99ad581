#include "core/precise/PrecisePositionModel.h"

#include "core/Angles.h"
#include "core/precise/Perturbations.h"
#include "core/precise/PreciseSession.h"

namespace vagaris {

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

}  // namespace vagaris
