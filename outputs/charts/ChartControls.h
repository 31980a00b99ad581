#pragma once
// The arithmetic behind the Tablas page's controls: the time and span buttons, the pointer
// read-out, the pop-up item and the default picture file name. [x] below is x rounded to the
// nearest integer with halves to the even neighbour.
#include <optional>
#include <string>

#include "core/Time.h"
#include "core/Words.h"

namespace vagaris {

struct ChartSamples;

enum class ChartTimeButton {
    LaterHalf,     // "<<" (Button16): + [N / 2] days
    LaterTenth,    // "<"  (Button17): + [N / 10] days
    EarlierTenth,  // ">"  (Button12): − [N / 10] days
    EarlierHalf,   // ">>" (Button13): − [N / 2] days
};
// The change of CurrentInstant [days] for the span N.
double ChartTimeStepDays(int spanDays, ChartTimeButton button);

enum class ChartSpanButton {
    Wider,     // "+"   (Button14): N + [N / 5]
    Double,    // "++"  (Button15): N × 2
    Narrower,  // "-"   (Button19): N − [N / 6], at least 2
    Half,      // "- -" (Button18): N − [N / 2], at least 2
    Reset,     // "320" (Button23)
};
// The new span; never beyond kMaxChartSpanDays.
int ChartNextSpan(int spanDays, ChartSpanButton button);

// The sample under the pointer at chart pixel (x, y), given the plot area's edges (left and
// right axis positions, top and bottom): none outside the area or exactly on the right axis;
// otherwise [(x − left) / w] with w = (right − left) / count, cut to the last index.
std::optional<int> ChartReadoutIndex(double x, double y, double left, double right, double top,
                                     double bottom, int count);

struct ChartReadout {
    std::string date;   // Label57: "dd/mm/yyyy hh:nn"
    std::string left;   // Label58: title + ": " + value "0.0", empty without a title
    std::string right;  // Label59
};
ChartReadout ChartReadoutTexts(const ChartSamples& samples, int index);

// The pop-up item's caption for the read-out date, "Fijar Fecha: <its first 10 characters>", in
// the language of `words`.
std::string ChartPopupCaption(const std::string& readoutDate, Words words = SpanishWords);
// The day of the read-out date at 00:00. Throws EConvertError for a text that is no date.
Instant ChartPopupInstant(const std::string& readoutDate);

// The proposed picture name: the object's name (trimmed) cut after its first word (when it
// starts with a digit 1 to 9) or its second, without blanks and "/", any other character no
// file name may hold turned into "_" (FileNameSafe), followed by the left quantity's suffix:
// "C/2010 X1 (Elenin)" with "Magnitud" gives "C2010X1_Mag".
std::string ChartPictureName(const std::string& objectName, int leftItem);

}  // namespace vagaris
