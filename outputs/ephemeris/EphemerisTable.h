#pragma once
// The ephemeris table: a fixed-width text table of the current object's circumstances, one
// row per instant from a start, at a fixed step, with optional columns. Pure layout over the
// position model; the Efemérides page and `vagaris-cli ephemeris` both build it here.
#include <string>
#include <string_view>
#include <vector>

#include "core/ElementRecord.h"
#include "core/Observer.h"
#include "core/Time.h"
#include "core/Words.h"

namespace vagaris {

struct Settings;
struct TCircumstances;

// Unit of the step, in the order of the page's list ("Días", "Horas", "Minutos").
enum class EphemerisStepUnit { Days = 0, Hours = 1, Minutes = 2 };

// Which optional columns appear and how the motion is written.
struct EphemerisLayout {
    bool Vel = true;                   // apparent motion (two columns)
    bool Altura = true;                // maximum altitude, and its heading line
    bool Delta = true;                 // distance from the Earth
    bool R = true;                     // distance from the Sun
    bool Elo = true;                   // elongation
    bool Fase = true;                  // phase angle
    bool Cola = false;                 // tail and anti-tail position angles and their difference
    bool Polar = true;                 // motion as total and position angle (else RA and Dec rates)
    bool PerMinute = true;             // motion in arcseconds per minute (else per hour)
    std::string LatitudeText = "+40";  // quoted as typed in the altitude heading line
    bool Precise = false;              // the precise model's line in the heading
    bool Geocentric = false;           // the precise model's geocentric place
    bool TwoBody = false;              // the precise model without the planets' pull
    // The heading lines' words: Spanish, or the interface language's (the columns stay put).
    Words words = SpanishWords;
};

// Motion format, latitude text and model copied from the Configuración settings.
void ApplyEphemerisSettings(EphemerisLayout& layout, const Settings& settings);

// The start, step and row count as the page's boxes hold them.
struct EphemerisRangeTexts {
    std::string StartDate = "01/01/2009";  // "dd/mm/yyyy"
    std::string StartTime = "00:00:00";    // "hh:nn:ss" UT
    std::string Step = "01.0";             // "." decimal point
    EphemerisStepUnit Unit = EphemerisStepUnit::Days;
    std::string Rows = "0030";
};

// The same, converted.
struct EphemerisRange {
    Instant Start = 0;
    double StepDays = 0;  // [days]
    int Rows = 0;
};

// Converts in the order start date, start time, row count, step. Throws EConvertError with
// the conversion message of the first text that fails ("'31/02/2009' is not a valid date").
EphemerisRange ReadEphemerisRange(const EphemerisRangeTexts& texts);

// Step value in days: the value for days, value / 24 for hours, value / 24 / 60 for minutes.
double EphemerisStepDays(double value, EphemerisStepUnit unit);

// The lines before the data: the object's name, "Posiciones para centro de la Tierra" (in the
// precise model kPreciseModelLine, followed by that line only for the geocentric place), the
// altitude heading (when Altura), an empty line, the label over the cartesian motion columns
// (when Vel and cartesian), the column header and the separator.
std::vector<std::string> EphemerisHeaderLines(const std::string& objectName,
                                              const EphemerisLayout& layout);
std::string EphemerisColumnHeader(const EphemerisLayout& layout);
std::string EphemerisSeparator(const EphemerisLayout& layout);

// One data line from a circumstances record at instant t (every cell followed by two blanks).
std::string EphemerisDataLine(Instant t, const TCircumstances& c, const EphemerisLayout& layout);
// The same, appended to `line` (the row loop reuses one buffer).
void AppendEphemerisDataLine(std::string& line, Instant t, const TCircumstances& c,
                             const EphemerisLayout& layout);

// Appends one data line per row to `lines`: the observer's model places the object of
// `elements` at the start and at each step after it (mode E), and the line is formatted.
// Throws "Elementos orbitales no válidos" when no object is chosen (empty Fecha) and "Fecha
// fuera de rango" before the first row past 31/12/9999, the rows before it kept.
void AppendEphemerisRows(const Observer& observer, const TOrbitalElements& elements,
                         const EphemerisLayout& layout, const EphemerisRange& range,
                         std::vector<std::string>& lines);

// The whole build: `lines` is emptied, receives the header lines, then the range is read and
// the rows appended. On a conversion failure the exception propagates and `lines` keeps
// what was added before it (the header lines), so the caller can still show them.
void BuildEphemerisTable(const Observer& observer, const TOrbitalElements& elements,
                         const std::string& objectName, const EphemerisLayout& layout,
                         const EphemerisRangeTexts& range, std::vector<std::string>& lines);

// Cells, exposed for their rounding and padding rules.
// Right-aligns `cell` in `width` characters (a longer cell stays whole) and appends it to
// `line` followed by two blanks. Width counts characters, not bytes.
void AppendCell(std::string& line, std::string_view cell, int width);
std::string MagnitudeCell(double magnitude);         // "0.0;-0.0", width 4: 9.46 → " 9.5"
std::string MaxAltitudeCell(double maxAltitudeRad);  // whole degrees, width 2: 5.4° → " 5"
// Tail/anti-tail difference [deg] in 0..180: APA − APC, +360 when negative, then 360 minus
// it when above 180.
double TailDifferenceDeg(double apcDeg, double apaDeg);

}  // namespace vagaris
