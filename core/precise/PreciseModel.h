#pragma once
// The precise model, beside the program's standard one: TT from UT by a published ΔT, the
// Earth from ERFA's eraEpv00 (VSOP2000 simplified, BCRS), the object from an integration of
// its motion under the Sun and the planets from the elements' epoch (or from the program's own
// two-body propagation) at the light-time-corrected instant, and astrometric places in the
// ICRS as the MPC and the major ephemeris services print them, for a site on the Earth or
// for the geocentre. Local altitudes come from apparent places of date (IAU 2006/2000B
// precession-nutation, aberration, light deflection by the Sun; no refraction) at the real
// Earth rotation angle.
//
// Conventions: the MPC's elements refer to the ecliptic and equinox J2000, whose obliquity is
// taken as 84381.448" (the value the MPC states); that frame is treated as the ICRS (the
// frame bias of the J2000 mean equator, 0.02", is below what the elements can give).
// Element epochs and perihelion times are read as TT, as the MPC gives them. UT is used for
// UT1 (|UT1 − UTC| < 0.9 s); polar motion is neglected.
#include <erfa.h>

#include "core/Circumstances.h"
#include "core/Kepler.h"
#include "core/Observer.h"
#include "core/Time.h"

namespace vagaris {

// A place on the Earth (WGS84 ellipsoid).
struct ObserverSite {
    double latitude = 0;   // geodetic [rad], north positive
    double longitude = 0;  // [rad], east positive
    double height = 0;     // above the ellipsoid [m]
};

// The years the precise model accepts: where the ΔT expressions hold and eraEpv00 stays within
// some 700 km of the JPL ephemerides (60 times its 1900–2100 error at the ends).
inline constexpr int kPreciseFirstYear = 1000;
inline constexpr int kPreciseLastYear = 2999;
inline constexpr const char* kPreciseRangeMessage =
    "Fecha fuera del intervalo del modelo preciso (años 1000 a 2999)";

// One instant on two time scales, both counted as Instants (days since 1899-12-30 00:00).
struct PreciseTime {
    Instant ut1 = 0;  // UT, read as UT1
    Instant tt = 0;   // Terrestrial Time
};
// TT = UT + ΔT (Espenak–Meeus) of an instant asked for. Throws
// EConvertError(kPreciseRangeMessage) outside the years kPreciseFirstYear … kPreciseLastYear
// (to the last minute of 31 December of the last one) or for a non-finite instant.
PreciseTime PreciseTimeOf(Instant ut);
// How far a computation for an instant PreciseTimeOf accepts may look beyond those years
// [days]: the motion one minute later; the anti-tail search's 366th day (1 January of the
// next year) and its refinement 800 minutes around a day's 00:00. Neither the ΔT expressions
// nor eraEpv00 change at the ends.
inline constexpr double kPreciseLookAroundDays = 1;
// PreciseTimeOf for such a look-ahead or look-behind: the same TT, accepted up to
// kPreciseLookAroundDays outside the years. Never for an instant the user asked for.
PreciseTime PreciseTimeNear(Instant ut);

// Everything that depends on the instant and the site only, computed once and shared by all
// the objects placed at that instant.
struct PreciseFrame {
    PreciseTime time;
    ObserverSite site;
    eraASTROM astrom{};     // ERFA's ICRS → CIRS → observed context for the site
    double earth[3]{};      // heliocentric geocentre [AU], ICRS axes
    double siteHelio[3]{};  // heliocentric site [AU], ICRS axes
};
PreciseFrame MakePreciseFrame(const PreciseTime& time, const ObserverSite& site);
// The Earth's heliocentric and barycentric position and velocity [AU, AU/day] and the CIP
// X, Y and CIO locator s [rad] at the TT instant `tt`, as the frames use them: eraEpv00 and
// eraXys00b at 0h TT of the days around tt, interpolated (within 0.1 km and 0.01").
void EarthAt(Instant tt, double pvh[2][3], double pvb[2][3], double& x, double& y, double& s);

// The element values the precise model computes with: ReadElements' values, except that a
// comet keeps the catalog's eccentricity (the standard model turns |e − 1| < 1e-5 into a
// parabola). Throws EConvertError as ReadElements does.
TElementValues PreciseElementValues(const TOrbitalElements& el);
// The same from values ReadElements has already given for `el`.
TElementValues PreciseElementValues(const TOrbitalElements& el, TElementValues read);

// PlaceCentre and PreciseForces: core/Observer.h.

// Heliocentric position at the TT instant `tt` [AU], ICRS axes. Two-body: PropagateOrbit with
// the Gaussian mean motion, or universal variables for comets with |e − 1| < 0.01, where the
// elliptic branch's Newton steps can fail to converge and the program reads a parabola.
// Planets: the integrated motion, whose start at the epoch is that two-body position; v and
// anomaly are then the osculating ones. Throws EConvertError ("Elementos orbitales no
// válidos", or kPreciseRangeMessage when the integration from the epoch to tt leaves the
// model's years).
OrbitPosition PreciseHeliocentric(const TElementValues& el, Instant tt,
                                  PreciseForces forces = PreciseForces::Planets);

// Astrometric place: the direction from the observer at t to the object at t − τ, τ the light
// time, with neither aberration nor light deflection.
struct PrecisePlace {
    double ra = 0, dec = 0;  // astrometric ICRS right ascension [0, 2π), declination [rad]
    double delta = 0;        // observer to the object at emission [AU]
    double r = 0;            // Sun to the object at emission [AU]
    double sunDistance = 0;  // Sun to the observer at t [AU]
    double elongation = 0;   // Sun–observer–object [rad]
    double phaseAngle = 0;   // Sun–object–observer [rad]
    double lightTime = 0;    // τ [days]
    double toObject[3]{};    // observer → object [AU], ICRS axes
    double object[3]{};      // heliocentric object at emission [AU], ICRS axes
};
// Throws EConvertError("Elementos orbitales no válidos") as PropagateOrbit does.
PrecisePlace AstrometricPlace(const TElementValues& el, const PreciseFrame& frame,
                              PlaceCentre centre, PreciseForces forces = PreciseForces::Planets);

// Apparent place of date for the frame's site, and where it stands in the local sky.
struct ObservedPlace {
    double ra = 0, dec = 0;  // CIRS right ascension and declination of date [rad]
    double altitude = 0;     // geometric altitude above the site's horizon [rad]
    double azimuth = 0;      // from the north through the east, [0, 2π) [rad]
};
// `sitePlace` must be centred on the frame's site.
ObservedPlace Observe(const PrecisePlace& sitePlace, const PreciseFrame& frame);
ObservedPlace ObserveSun(const PreciseFrame& frame);
// Equation of the origins (ERA − GST) [rad]: CIRS right ascension − eo = the right ascension
// referred to the true equinox of date.
double EquationOfOrigins(const PreciseTime& time);

// Minor planets: the IAU H,G system (Bowell et al. 1989, in Asteroids II), with the catalog's
// G. Comets: H + 5 log Δ + 2.5 G log r, the catalog's H and G (the latter often called K).
double PreciseMagnitude(const TElementValues& el, const PrecisePlace& place);
// H,G magnitude for distances r, Δ [AU] and phase angle α [rad].
double HGMagnitude(double H, double G, double r, double delta, double phaseAngle);

// Every field of TCircumstances in the precise model (elements from PreciseElementValues) at the UT
// instant `ut`: the place from `centre` (the site, or the geocentre for comparison with geocentric
// services), the motion from two such places one minute apart, the maximum altitude from the site's
// apparent places. `ut` is bounded as PreciseTimeNear bounds it, so that a computation may
// look a little beyond the years: a caller holding an instant the user asked for checks it
// with PreciseTimeOf first (PrecisePositionModel::At does). Throws EConvertError (date
// range, invalid elements).
TCircumstances PreciseCircumstances(const TElementValues& el, Instant ut, const ObserverSite& site,
                                    PlaceCentre centre,
                                    double twilightLimit = kTwilightAstronomical,
                                    PreciseForces forces = PreciseForces::Planets);

}  // namespace vagaris
