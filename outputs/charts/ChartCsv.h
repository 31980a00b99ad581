#pragma once
// The chart samples as comma-separated text, for plotting elsewhere.
#include <string>
#include <vector>

namespace vagaris {

struct ChartSamples;

// A header "fecha,<left>,<right>" with the command-line names of the two quantities, then
// one line per sample: "dd/mm/yyyy hh:nn:ss", the left value and the right value, each with
// 9 significant digits (enough to give back the single-precision value), an empty field for
// "-Ninguna-".
std::vector<std::string> ChartCsvLines(const ChartSamples& samples, int leftItem, int rightItem);

// A single-precision value with 9 significant digits, "." as decimal point.
std::string ChartCsvNumber(float value);

}  // namespace vagaris
