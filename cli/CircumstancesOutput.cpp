#include "cli/CircumstancesOutput.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace vagaris::cli {

std::vector<std::pair<const char*, double>> RecordFields(const TCircumstances& c) {
    return {
        {"RightAscension", c.RightAscension},
        {"Declination", c.Declination},
        {"Delta", c.Delta},
        {"SunDistance", c.SunDistance},
        {"Elongation", c.Elongation},
        {"PhaseAngle", c.PhaseAngle},
        {"Magnitude", c.Magnitude},
        {"Speed", c.Speed},
        {"MaxAltitude", c.MaxAltitude},
        {"Motion", c.Motion},
        {"MotionRA", c.MotionRA},
        {"MotionDec", c.MotionDec},
        {"MotionPA", c.MotionPA},
        {"ReverseMotionPA", c.ReverseMotionPA},
        {"RadiusVectorPA", c.RadiusVectorPA},
    };
}

std::string JsonNumber(double value) {
    // JSON has no NaN or infinity.
    if (!std::isfinite(value)) return "null";
    char buf[64];
    const auto end = std::to_chars(buf, buf + sizeof buf, value).ptr;
    return std::string(buf, end);
}

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out.push_back(ch);  // UTF-8 passes through unchanged
                }
        }
    }
    return out + "\"";
}

std::vector<std::string> SelectionResultLines(const SelectionTexts& texts) {
    std::string caption66, caption67;
    for (const auto& l : texts.labels) {
        if (l.label == "Label66") caption66 = l.text.empty() ? l.caption : l.text;
        if (l.label == "Label67") caption67 = l.text.empty() ? l.caption : l.text;
    }
    std::vector<std::string> lines;
    for (const auto& l : texts.labels) {
        if (l.label == "Label66" || l.label == "Label67") continue;  // captions only
        if (l.label == "Label16") {
            if (!l.text.empty()) lines.push_back(l.text);
            continue;
        }
        std::string caption = l.caption;
        if (l.label == "Label70" && !caption66.empty()) caption = caption66;
        if (l.label == "Label71" && !caption67.empty()) caption = caption67;
        lines.push_back(caption + " " + l.text);
    }
    return lines;
}

std::string CircumstancesJson(const Session& session, const SelectionTexts* texts) {
    std::string out = "{\"name\": " + JsonString(session.ObjectName) +
                      ", \"instant\": " + JsonNumber(session.CurrentInstant) + ", \"record\": {";
    bool first = true;
    for (const auto& [name, value] : RecordFields(session.Circumstances)) {
        out += (first ? "" : ", ") + JsonString(name) + ": " + JsonNumber(value);
        first = false;
    }
    out += "}";
    if (texts) {
        out += ", \"labels\": {";
        first = true;
        for (const auto& l : texts->labels) {
            // Label66 and Label67 are caption labels: their caption is what they show.
            const bool captionLabel = l.label == "Label66" || l.label == "Label67";
            const std::string& shown = captionLabel && l.text.empty() ? l.caption : l.text;
            out += (first ? "" : ", ") + JsonString(l.label) + ": " + JsonString(shown);
            first = false;
        }
        out += "}";
    }
    return out + "}";
}

}  // namespace vagaris::cli
