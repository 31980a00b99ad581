#include "outputs/charts/ChartCsv.h"

#include <array>
#include <charconv>

#include "core/Time.h"
#include "outputs/charts/ChartQuantities.h"
#include "outputs/charts/ChartSampling.h"

namespace vagaris {

std::string ChartCsvNumber(float value) {
    std::array<char, 40> buffer{};
    // to_chars never looks at the locale.
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                static_cast<double>(value), std::chars_format::general, 9);
    return std::string(buffer.data(), result.ptr);
}

std::vector<std::string> ChartCsvLines(const ChartSamples& samples, int leftItem, int rightItem) {
    std::vector<std::string> lines;
    lines.reserve(samples.instants.size() + 1);
    lines.push_back("fecha," + ChartQuantityCliName(leftItem) + "," +
                    ChartQuantityCliName(rightItem));
    for (size_t k = 0; k < samples.instants.size(); ++k) {
        std::string line = FormatInstant("dd/mm/yyyy hh:nn:ss", samples.instants[k]);
        line += ',';
        if (leftItem != kQuantityNone) line += ChartCsvNumber(samples.left[k]);
        line += ',';
        if (rightItem != kQuantityNone) line += ChartCsvNumber(samples.right[k]);
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace vagaris
