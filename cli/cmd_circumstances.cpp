// vagaris-cli circumstances: the Selección page's computation for one object and instant.
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "cli/Commands.h"
#include "cli/CommonOptions.h"
#include "core/Circumstances.h"
#include "core/Session.h"

namespace {

using namespace vagaris;
using namespace vagaris::cli;

constexpr const char* kUsage =
    "uso: vagaris-cli circumstances --catalog ARCHIVO [--kind C|A] (--object N | --name TEXTO)\n"
    "       [--at \"dd/mm/yyyy hh:nn:ss\"] [--mode R|E|T] [--twilight astro|nautical|civil]\n"
    "       [--lat +40] [--alt 0000] [--res 2.7 | --fwhm 5.0]\n"
    "       [--exposure-format seconds|minsec] [--polar | --cartesian]\n"
    "       [--per-minute | --per-hour] [--json]";

// The record's fields by name, in the record's order.
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

// Shortest text that reads back to the same double; JSON has no NaN or infinity.
std::string NumberText(double v) {
    if (!std::isfinite(v)) return "null";
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, res.ptr);
}

std::string JsonString(const std::string& s) {
    std::string out = "\"";
    for (const char ch : s) {
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

// The result rows of the Selección page: "<caption> <text>" per value label, the motion
// rows under the captions Label66 and Label67 currently show, then the period alone.
std::vector<std::string> PageLines(const SelectionTexts& texts) {
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

std::string Json(const Session& session, const SelectionTexts* texts) {
    std::string out = "{\"name\": " + JsonString(session.ObjectName) +
                      ", \"instant\": " + NumberText(session.CurrentInstant) + ", \"record\": {";
    bool first = true;
    for (const auto& [name, v] : RecordFields(session.Circumstances)) {
        out += std::string(first ? "" : ", ") + "\"" + name + "\": " + NumberText(v);
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
            out += std::string(first ? "" : ", ") + JsonString(l.label) + ": " + JsonString(shown);
            first = false;
        }
        out += "}";
    }
    return out + "}";
}

int Run(const CliArgList& argList) {
    const ParsedArgs args = ParseArgs(
        argList, Union({kObjectValued, kSettingsValued, {"--mode", "--twilight"}}),
        Union({kSettingsSwitches, {"--json"}}));
    if (!args.positional.empty()) throw UsageError("argumento inesperado: " + args.positional[0]);

    CircumstanceMode mode = CircumstanceMode::R;
    if (args.has("--mode")) {
        const std::string m = args.value("--mode");
        if (m == "R") mode = CircumstanceMode::R;
        else if (m == "E") mode = CircumstanceMode::E;
        else if (m == "T") mode = CircumstanceMode::T;
        else throw UsageError("--mode espera R, E o T: '" + m + "'");
    }
    // The limit is a Tablas page choice, so it serves mode T only (R and E always use 18°).
    double twilight = kTwilightAstronomical;
    if (args.has("--twilight")) {
        const std::string t = args.value("--twilight");
        if (t == "astro") twilight = kTwilightAstronomical;
        else if (t == "nautical") twilight = kTwilightNautical;
        else if (t == "civil") twilight = kTwilightCivil;
        else throw UsageError("--twilight espera astro, nautical o civil: '" + t + "'");
    }

    Session session;
    SetupSessionSettings(session, args);
    SetupSessionObject(session, args);
    session.CurrentInstant = InstantOption(session, args, "--at");
    FillPlanetRecords(session);

    if (!ComputeCircumstances(session, mode, twilight))
        throw std::runtime_error("El objeto elegido no tiene fecha de elementos: nada que calcular");

    const bool json = args.has("--json");
    if (mode == CircumstanceMode::R) {
        const SelectionTexts texts = SelectionPageTexts(session);
        // The rows written before a setting failed are shown, as on the page; then the error.
        PrintLines(json ? std::vector<std::string>{Json(session, &texts)} : PageLines(texts));
        if (texts.error) throw std::runtime_error(*texts.error);
        return 0;
    }
    if (json) {
        PrintLines({Json(session, nullptr)});
    } else {
        std::vector<std::string> lines;
        for (const auto& [name, v] : RecordFields(session.Circumstances))
            lines.push_back(std::string(name) + " " + NumberText(v));
        PrintLines(lines);
    }
    return 0;
}

}  // namespace

int RunCircumstances(const CliArgList& args) {
    return RunGuarded([&] {
        try {
            return Run(args);
        } catch (const UsageError& e) {
            throw UsageError(std::string(e.what()) + "\n" + kUsage);
        }
    });
}
