#pragma once
// The current object's elements as text, their numeric form and the orbit record.
#include <string>

namespace vagaris {

// The element texts as the catalog gives them, trimmed. Empty fields are meaningful:
// comets have no M and a, minor planets no q; an empty Fecha means no object chosen.
struct TOrbitalElements {
    std::string Name, Fecha, M, a, q, e, w, O, i, H, G;
    // The comet layout found more numbers than the seven elements from column 63 on: a stray
    // digit has shifted the fields, so the texts above cannot be trusted.
    bool ExtraNumbers = false;
    bool operator==(const TOrbitalElements&) const = default;
};

struct TElementValues {
    double a = 0;          // semi-major axis [AU], negative for e > 1
    double e = 0;          // eccentricity, after the near-parabolic adjustment
    double q = 0;          // perihelion distance [AU]
    double w = 0;          // argument of perihelion [deg]
    double O = 0;          // longitude of the ascending node [deg]
    double i = 0;          // inclination [deg]
    double EpochTime = 0;  // Instant of Fecha: perihelion time, or epoch of M0
    bool HasM = false;
    double M0 = 0;  // mean anomaly at EpochTime [deg]
    double H = 0, G = 0;
    bool IsMinorPlanet = false;  // the a text is not empty
};

// Ten doubles in this order; the spares are never read.
struct TOrbitRecord {
    double a = 0, e = 0, q = 0, w = 0, O = 0, i = 0;
    double Spare1 = 0;
    double Anomaly = 0;  // [rad]
    double Spare2 = 0;
    double MeanAnomaly = 0;  // [deg], planets only
};

// Converts the texts in the order e, a/q, w, O, i, Fecha, M, H, G. Throws EConvertError with
// the conversion message of the first field that fails; once all convert, throws
// "Elementos orbitales no válidos" for a comet line with extra numbers or for comet elements
// (a text empty) outside their ranges: q ≤ 0, e < 0, i outside 0…180°, ω or Ω outside 0…360°.
TElementValues ReadElements(const TOrbitalElements& el);
// The same, writing a, e, q, w, O, i into `record` as soon as each is known, so that after a
// failure the fields read before the failing one already hold their new values.
TElementValues ReadElements(const TOrbitalElements& el, TOrbitRecord& record);

// Instant of an element date text such as "1997 03 29.6335": the date from characters 9-10
// (day), 6-7 (month) and 1-4 (year), plus the fraction from character 11 on ("." reads as
// 0). Throws "'dd/mm/yyyy' is not a valid date" or the floating-point message, and
// "Elementos orbitales no válidos" for a fraction outside 0 ≤ f < 1 (a day of "01.1e99").
double ElementDateToInstant(const std::string& text);

}  // namespace vagaris
