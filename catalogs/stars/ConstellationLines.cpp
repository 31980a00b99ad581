#include "catalogs/stars/ConstellationLines.h"

#include <charconv>

#include "catalogs/stars/SkyDataFile.h"

namespace vagaris::stars {

ConstellationLines ConstellationLines::FromText(std::string_view text, std::string_view culture) {
    ConstellationLines lines;
    lines.missing_ = false;
    bool inCulture = false;
    std::string pendingName;
    ForEachLine(text, [&](std::string_view line) {
        const std::string_view trimmed = TrimView(line);
        if (trimmed.empty()) return;
        if (trimmed.front() == '#') {
            pendingName = std::string(TrimView(trimmed.substr(1)));
            return;
        }
        if (trimmed.size() >= 2 && trimmed[0] == 'C' && trimmed[1] == ' ') {
            inCulture = TrimView(trimmed.substr(2)) == culture;
            pendingName.clear();
            return;
        }
        if (!inCulture) return;
        const auto words = Words(trimmed);
        int hd = 0;
        const bool number =
            words.size() == 2 &&
            std::from_chars(words[1].data(), words[1].data() + words[1].size(), hd).ptr ==
                words[1].data() + words[1].size() &&
            hd > 0;
        const char pen = words[0].size() == 1 ? words[0][0] : '?';
        if (!number || (pen != 'M' && pen != 'D' && pen != 'd')) {
            ++lines.skippedLines_;
            return;
        }
        if (pen == 'M' && (!pendingName.empty() || lines.figures_.empty())) {
            lines.figures_.push_back({pendingName, {}});
            pendingName.clear();
        }
        if (lines.figures_.empty()) lines.figures_.push_back({"", {}});
        const PenStroke stroke = pen == 'M'   ? PenStroke::Move
                                 : pen == 'D' ? PenStroke::Draw
                                              : PenStroke::DashedDraw;
        lines.figures_.back().steps.push_back({stroke, hd});
    });
    return lines;
}

ConstellationLines ConstellationLines::Load(const std::string& path, std::string_view culture) {
    const auto text = ReadWholeFile(path);
    if (!text) return ConstellationLines();
    return FromText(text->View(), culture);
}

std::vector<FigureSegment> ConstellationLines::Segments(const ConstellationFigure& figure) {
    std::vector<FigureSegment> segments;
    int pen = 0;
    for (const auto& step : figure.steps) {
        if (step.stroke != PenStroke::Move && pen != 0)
            segments.push_back({pen, step.hd, step.stroke == PenStroke::DashedDraw});
        pen = step.hd;
    }
    return segments;
}

}  // namespace vagaris::stars
