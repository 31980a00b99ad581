#pragma once
// Position and observing circumstances of the current object at the current instant.
#include <optional>
#include <string>
#include <vector>

#include "core/ElementRecord.h"
#include "core/Observer.h"
#include "core/SelectionQuantity.h"
#include "core/Time.h"
#include "core/UnitWords.h"

namespace vagaris {

struct Session;

enum class CircumstanceMode { R, E, T };

// Sun depression limits for the maximum altitude [rad]; exactly these values.
inline constexpr double kTwilightAstronomical = 0.31416;  // 18°
inline constexpr double kTwilightNautical = 0.20944;      // 12°
inline constexpr double kTwilightCivil = 0.10472;         // 6°

struct TCircumstances {
    double RightAscension = 0;  // [rad], [0, 2π]
    double Declination = 0;     // [rad]
    double Delta = 0;           // distance from the Earth [AU]
    double SunDistance = 0;     // distance from the Sun r [AU]
    double Elongation = 0;      // [rad]
    double PhaseAngle = 0;      // [rad]
    double Magnitude = 0;
    double Speed = 0;            // heliocentric [km/s]
    double MaxAltitude = 0;      // [rad], ≥ 0
    double Motion = 0;           // ["/min]
    double MotionRA = 0;         // ["/min], not multiplied by cos δ
    double MotionDec = 0;        // ["/min]
    double MotionPA = 0;         // [rad], [0, 2π]
    double ReverseMotionPA = 0;  // [rad]
    double RadiusVectorPA = 0;   // [rad]
};

// The window's computation of the current object at the current instant (mode R for the
// Selección page): the position model of `observer` (by default the one of session.settings)
// fills session.Circumstances, the object's and the Earth's orbit records and ObjectName.
// Returns false and changes nothing when no object is chosen (empty Fecha).
// twilightLimit is used in mode T only (modes R and E use kTwilightAstronomical).
// Throws EConvertError; the orbit record's fields read before a failing element keep their new
// values. The other pages and the command line call the model itself (core/PositionModel.h).
bool ComputeCircumstances(Session& session, CircumstanceMode mode,
                          double twilightLimit = kTwilightAstronomical);
bool ComputeCircumstances(Session& session, CircumstanceMode mode, const Observer& observer,
                          double twilightLimit = kTwilightAstronomical);

// The object's orbit as the orbit view draws it (the Orbita page and vagaris-cli orbit), from
// the session's element texts, current instant and object record, for the settings' observer
// (PositionModel::DrawnOrbit). Why not the record itself: the record keeps the catalog's
// elements for its other readers (the Selección page's period), while in the precise model the
// drawing shows the osculating orbit at the instant, so that the marker lies on the drawn
// orbit and an animation shows the orbit change near a planet. Throws EConvertError.
TOrbitRecord DrawnObjectOrbit(const Session& session);

// The Selección page texts that mode R writes, in writing order. The label that shows a
// value and the caption beside it are those of its row in kSelectionQuantities.
struct QuantityText {
    SelectionQuantity quantity;
    std::string text;
};
// The resolution or FWHM must be above 0 for the longest exposure to mean anything.
inline constexpr const char* kResolutionNotPositiveMessage = "La resolución debe ser mayor que 0";
inline constexpr const char* kFwhmNotPositiveMessage = "El FWHM debe ser mayor que 0";

struct SelectionTexts {
    // Delta, right ascension, declination, ..., the two motion quantities of the display the
    // settings choose (polar or cartesian), then the maximum exposure and the period.
    std::vector<QuantityText> values;
    // Set when a setting did not convert or is not above 0: the values stop where the page
    // output stops and the caller shows this message after writing them.
    std::optional<std::string> error;
    // The line that says the precise model is in use (kPreciseModelLine); empty in the
    // standard model.
    std::string modelLine;
};
// Builds the page texts from session.Circumstances, the object's orbit record and
// session.settings, with `words` after the numbers (Spanish unless the caller passes the
// interface language's). Never throws.
SelectionTexts SelectionPageTexts(const Session& session, const UnitWords& words = {});

// Phase angle [deg] and magnitude (comet law) of a comet with these elements at t in the
// standard model, touching no shared state. EvaluateCometLine (catalogs/CometLine.h) reads them
// from a catalog line.
struct CometLineEvaluation {
    double phaseAngleDeg;
    double magnitude;
};
CometLineEvaluation EvaluateComet(const TElementValues& v, Instant t);

// The highest altitude [rad, ≥ 0] of an object at (alpha, delta) seen from latitude phi while
// the Sun at (alphaSun, deltaSun) is at least `limit` below the horizon: the object's
// culmination when it falls in darkness, otherwise the altitude where the sidereal time,
// stepped from the culmination towards the night, first brings the Sun below the limit
// (0 when half a turn does not). Angles in radians.
double MaxAltitudeSearch(double alpha, double delta, double phi, double alphaSun, double deltaSun,
                         double limit);

}  // namespace vagaris
