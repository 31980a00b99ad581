#pragma once
// The samples of the Tablas chart: 400 instants around t0 and the two curves, computed one
// by one in circumstance mode T, with the ranges of the two vertical axes.
#include <string>
#include <vector>

#include "core/Circumstances.h"
#include "core/ElementRecord.h"
#include "core/Observer.h"
#include "core/Time.h"
#include "outputs/charts/ChartQuantities.h"

namespace vagaris {

struct Session;

inline constexpr int kChartSampleCount = 400;
// Spans never grow beyond this [days], so every sample stays a calendar date.
inline constexpr int kMaxChartSpanDays = 100000;

struct ChartRequest {
    Instant t0 = 0;                        // the instant the window is built around
    int spanDays = 320;                    // N
    int leftItem = kQuantityMagnitude;     // cbDato
    int rightItem = kQuantityMaxAltitude;  // cbDato2
    ChartTwilight twilight = ChartTwilight::Astronomical;
};

// One vertical axis. Hidden for "-Ninguna-"; inverted (brighter up) for "Magnitud".
struct ChartAxisRange {
    bool visible = true;
    bool inverted = false;
    double min = 0, max = 1;
    bool operator==(const ChartAxisRange&) const = default;
};

struct ChartSamples {
    std::vector<Instant> instants;   // t0 − N/10, then N/400 apart
    std::vector<float> left, right;  // single precision, like the curves
    ChartAxisRange leftAxis, rightAxis;
    std::string leftTitle, rightTitle;  // Label54, Label55
};

// The range of an axis showing `item` with these values: −5 … 95 for "Altura máxima",
// hidden for "-Ninguna-", otherwise min … max widened by a tenth of (max − min) on each side,
// or value − 1 … value + 1 when all values are equal (also when there are none).
ChartAxisRange ChartAxisRangeFor(int item, const std::vector<float>& values);

// True when "Altura máxima" is one of the two curves, so the twilight choice matters.
bool ChartUsesTwilight(int leftItem, int rightItem);

// The chart title: the current object's selector text, trimmed (its name when the selectors
// are empty).
std::string ChartTitle(const Session& session);

// Computes the 400 samples of the object of `elements` with the observer's model (mode T).
// Throws EConvertError from the element texts or the model. Without an object (empty Fecha)
// every sample takes `withoutObject` (the last computation's circumstances), so the curves
// are flat.
ChartSamples SampleChart(const Observer& observer, const TOrbitalElements& elements,
                         const TCircumstances& withoutObject, const ChartRequest& request);

}  // namespace vagaris
