#include "outputs/charts/ChartControls.h"

#include <algorithm>

#include "core/FileNames.h"
#include "core/TextForms.h"
#include "outputs/charts/ChartQuantities.h"
#include "outputs/charts/ChartSampling.h"

namespace vagaris {

namespace {

constexpr int kMinSpanDays = 2;
constexpr int kResetSpanDays = 320;

int RoundedPart(int n, int divisor) {
    return static_cast<int>(RoundHalfEven(static_cast<double>(n) / divisor));
}

}  // namespace

double ChartTimeStepDays(int spanDays, ChartTimeButton button) {
    switch (button) {
        case ChartTimeButton::LaterHalf: return RoundedPart(spanDays, 2);
        case ChartTimeButton::LaterTenth: return RoundedPart(spanDays, 10);
        case ChartTimeButton::EarlierTenth: return -RoundedPart(spanDays, 10);
        case ChartTimeButton::EarlierHalf: return -RoundedPart(spanDays, 2);
    }
    return 0;
}

int ChartNextSpan(int spanDays, ChartSpanButton button) {
    long long next = spanDays;
    switch (button) {
        case ChartSpanButton::Wider: next = spanDays + RoundedPart(spanDays, 5); break;
        case ChartSpanButton::Double: next = 2LL * spanDays; break;
        case ChartSpanButton::Narrower:
            next = std::max(kMinSpanDays, spanDays - RoundedPart(spanDays, 6));
            break;
        case ChartSpanButton::Half:
            next = std::max(kMinSpanDays, spanDays - RoundedPart(spanDays, 2));
            break;
        case ChartSpanButton::Reset: next = kResetSpanDays; break;
    }
    return static_cast<int>(std::min<long long>(next, kMaxChartSpanDays));
}

std::optional<int> ChartReadoutIndex(double x, double y, double left, double right, double top,
                                     double bottom, int count) {
    if (count <= 0 || right <= left) return std::nullopt;
    if (x < left || x >= right || y < top || y > bottom) return std::nullopt;
    const double w = (right - left) / count;
    const long long i = RoundHalfEven((x - left) / w);
    return static_cast<int>(std::min<long long>(i, count - 1));
}

ChartReadout ChartReadoutTexts(const ChartSamples& samples, int index) {
    ChartReadout out;
    out.date = FormatInstant("dd/mm/yyyy hh:nn", samples.instants.at(index));
    if (!samples.leftTitle.empty())
        out.left = samples.leftTitle + ": " + FormatNumber("0.0", samples.left.at(index));
    if (!samples.rightTitle.empty())
        out.right = samples.rightTitle + ": " + FormatNumber("0.0", samples.right.at(index));
    return out;
}

std::string ChartPopupCaption(const std::string& readoutDate, Words words) {
    return FillPattern(words("Fijar Fecha: %1"), {readoutDate.substr(0, 10)});
}

Instant ChartPopupInstant(const std::string& readoutDate) {
    return ParseDateText(readoutDate.substr(0, 10));
}

std::string ChartPictureName(const std::string& objectName, int leftItem) {
    const std::string name = Trim(objectName);
    const int wordLimit = (!name.empty() && name[0] >= '1' && name[0] <= '9') ? 1 : 2;
    std::string out;
    int spaces = 0;
    for (char ch : name) {
        if (ch == ' ') {
            ++spaces;
            continue;
        }
        if (spaces >= wordLimit) continue;
        if (ch != '/') out += ch;
    }
    return FileNameSafe(out) + ChartQuantitySuffix(leftItem);
}

}  // namespace vagaris
