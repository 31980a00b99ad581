#include "outputs/charts/ChartSampling.h"

#include <algorithm>
#include <optional>

#include "core/Circumstances.h"
#include "core/PositionModel.h"
#include "core/Session.h"
#include "core/TextForms.h"

namespace vagaris {

ChartAxisRange ChartAxisRangeFor(int item, const std::vector<float>& values) {
    ChartAxisRange range;
    range.inverted = item == kQuantityMagnitude;
    if (item == kQuantityNone) {
        range.visible = false;
        return range;
    }
    if (item == kQuantityMaxAltitude) {
        range.min = -5;
        range.max = 95;
        return range;
    }
    if (values.empty()) {
        range.min = -1;
        range.max = 1;
        return range;
    }
    auto [lo, hi] = std::minmax_element(values.begin(), values.end());
    const double min = *lo, max = *hi;
    if (max == min) {
        // A flat curve (no object, or a constant quantity) gets a range around its value.
        range.min = min - 1;
        range.max = max + 1;
    } else {
        const double pad = (max - min) / 10;
        range.min = min - pad;
        range.max = max + pad;
    }
    return range;
}

bool ChartUsesTwilight(int leftItem, int rightItem) {
    return leftItem == kQuantityMaxAltitude || rightItem == kQuantityMaxAltitude;
}

std::string ChartTitle(const Session& session) {
    const int index = session.SelectorIndex;
    if (index >= 0 && index < static_cast<int>(session.SelectorNames.size()))
        return Trim(session.SelectorNames[index]);
    return Trim(session.Elements.Name);
}

ChartSamples SampleChart(const Observer& observer, const TOrbitalElements& elements,
                         const TCircumstances& withoutObject, const ChartRequest& request) {
    ChartSamples samples;
    samples.leftTitle = ChartQuantityTitle(request.leftItem, request.twilight);
    samples.rightTitle = ChartQuantityTitle(request.rightItem, request.twilight);
    samples.instants.reserve(kChartSampleCount);
    samples.left.reserve(kChartSampleCount);
    samples.right.reserve(kChartSampleCount);

    const double limit = TwilightLimit(request.twilight);
    const double span = request.spanDays;
    const double step = span / kChartSampleCount;  // [days]
    const auto model = MakePositionModel(observer);
    std::optional<TElementValues> values;  // read at the first sample
    // A tenth of the span lies before t0, nine tenths after it.
    Instant t = request.t0 - span / 10;
    for (int k = 0; k < kChartSampleCount; ++k) {
        TCircumstances c = withoutObject;
        if (!elements.Fecha.empty()) {
            if (!values) values = model->Values(elements);
            c = model->At(*values, t, limit).circumstances;
        }
        samples.instants.push_back(t);
        samples.left.push_back(static_cast<float>(ChartQuantityValue(request.leftItem, c)));
        samples.right.push_back(static_cast<float>(ChartQuantityValue(request.rightItem, c)));
        t += step;
    }
    samples.leftAxis = ChartAxisRangeFor(request.leftItem, samples.left);
    samples.rightAxis = ChartAxisRangeFor(request.rightItem, samples.right);
    return samples;
}

}  // namespace vagaris
