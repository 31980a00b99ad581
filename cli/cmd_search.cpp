// vagaris-cli search --mpcorb FILE KEY [--json] [--at ... + settings options]: the search box
// of the Selección page. Prints the element texts the boxes would show and, with --at, the
// circumstances of the found object at that instant.
#include <charconv>
#include <cmath>
#include <optional>
#include <set>
#include <stdexcept>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "catalogs/ElementRecord.h"
#include "catalogs/mpcorb/MpcOrbSearch.h"
#include "catalogs/mpcorb/SearchKey.h"
#include "cli/CommonOptions.h"
#include "core/Circumstances.h"
#include "core/Session.h"

namespace {

using namespace vagaris;

constexpr const char* kUsage =
    "uso: vagaris-cli search [--mpcorb ARCHIVO] CLAVE [--json] [--at \"dd/mm/yyyy hh:nn:ss\"] "
    "[--lat ...] [--alt ...] [--res ... | --fwhm ...] [--exposure-format ...] "
    "[--polar | --cartesian] [--per-minute | --per-hour]";

// The element texts by field name, in the order of the boxes.
std::vector<std::pair<const char*, std::string>> ElementFields(const TOrbitalElements& el) {
    return {{"Name", el.Name}, {"Fecha", el.Fecha}, {"M", el.M}, {"a", el.a},
            {"q", el.q},       {"e", el.e},         {"w", el.w}, {"O", el.O},
            {"i", el.i},       {"H", el.H},         {"G", el.G}};
}

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
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
                    out += char(c);
                }
        }
    }
    return out + "\"";
}

// Shortest text that reads back to the same double; JSON has no NaN or infinity.
std::string JsonNumber(double value) {
    if (!std::isfinite(value)) return "null";
    char buf[64];
    const auto end = std::to_chars(buf, buf + sizeof buf, value).ptr;
    return std::string(buf, end);
}

// The circumstances exactly as `vagaris-cli circumstances --json` writes them in mode R.
std::string CircumstancesJson(const Session& session, const SelectionTexts& texts) {
    const TCircumstances& c = session.Circumstances;
    const std::pair<const char*, double> record[] = {
        {"RightAscension", c.RightAscension}, {"Declination", c.Declination},
        {"Delta", c.Delta},                   {"SunDistance", c.SunDistance},
        {"Elongation", c.Elongation},         {"PhaseAngle", c.PhaseAngle},
        {"Magnitude", c.Magnitude},           {"Speed", c.Speed},
        {"MaxAltitude", c.MaxAltitude},       {"Motion", c.Motion},
        {"MotionRA", c.MotionRA},             {"MotionDec", c.MotionDec},
        {"MotionPA", c.MotionPA},             {"ReverseMotionPA", c.ReverseMotionPA},
        {"RadiusVectorPA", c.RadiusVectorPA}};
    std::string out = "{\"name\": " + JsonString(session.ObjectName) +
                      ", \"instant\": " + JsonNumber(session.CurrentInstant) + ", \"record\": {";
    bool first = true;
    for (const auto& [name, value] : record) {
        out += (first ? "" : ", ") + JsonString(name) + ": " + JsonNumber(value);
        first = false;
    }
    out += "}, \"labels\": {";
    first = true;
    for (const auto& label : texts.labels) {
        // Label66 and Label67 are caption labels: their caption is what they show.
        const bool captionLabel = label.label == "Label66" || label.label == "Label67";
        const std::string& shown = captionLabel && label.text.empty() ? label.caption : label.text;
        out += (first ? "" : ", ") + JsonString(label.label) + ": " + JsonString(shown);
        first = false;
    }
    return out + "}}";
}

// The Selección results as `circumstances` prints them in mode R: caption, a blank, the
// text; the motion rows under the captions Label66 and Label67 show; the period alone at
// the end, left out when empty.
std::vector<std::string> CircumstancesLines(const SelectionTexts& texts) {
    std::string caption66, caption67;
    for (const auto& l : texts.labels) {
        if (l.label == "Label66") caption66 = l.text.empty() ? l.caption : l.text;
        if (l.label == "Label67") caption67 = l.text.empty() ? l.caption : l.text;
    }
    std::vector<std::string> lines;
    for (const auto& l : texts.labels) {
        if (l.label == "Label66" || l.label == "Label67") continue;
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

}  // namespace

int RunSearch(const CliArgList& args) {
    return cli::RunGuarded([&] {
        const auto parsed = cli::ParseArgs(
            args, cli::Union({std::set<std::string>{"--mpcorb", "--at"}, cli::kSettingsValued}),
            cli::Union({std::set<std::string>{"--json"}, cli::kSettingsSwitches}));
        // The key may come in several words when not quoted: "2004 MN4".
        std::string typed;
        for (const auto& word : parsed.positional) typed += (typed.empty() ? "" : " ") + word;
        if (typed.empty()) throw cli::UsageError(kUsage);

        Session session;
        const bool withCircumstances = parsed.has("--at");
        std::string path = parsed.value("--mpcorb");
        // Without --mpcorb, the file chosen on the Configuración page (vagaris.ini).
        if (withCircumstances || path.empty()) cli::SetupSessionSettings(session, parsed);
        if (path.empty()) path = session.settings.MpcOrbPath;
        if (!MpcOrbFileExists(path)) throw std::runtime_error(kMpcOrbNotFoundMessage);

        const std::string boxText = UpperCaseAscii(typed);
        const auto found = SearchMpcOrb(path, boxText);
        if (!found) throw std::runtime_error(AsteroidNotFoundMessage(boxText));

        std::optional<SelectionTexts> texts;
        if (withCircumstances) {
            session.Elements = *found;
            session.CatalogKind = 'A';
            session.CurrentInstant = cli::InstantOption(session, parsed, "--at");
            FillPlanetRecords(session);
            ComputeCircumstances(session, CircumstanceMode::R);
            texts = SelectionPageTexts(session);
        }

        const auto fields = ElementFields(*found);
        if (parsed.has("--json")) {
            std::string json = "{";
            bool first = true;
            for (const auto& [name, text] : fields) {
                json += (first ? "" : ", ") + JsonString(name) + ": " + JsonString(text);
                first = false;
            }
            if (texts) json += ", \"circumstances\": " + CircumstancesJson(session, *texts);
            cli::PrintLines({json + "}"});
        } else {
            std::vector<std::string> lines;
            for (const auto& [name, text] : fields) lines.push_back(std::string(name) + ": " + text);
            if (texts) {
                lines.emplace_back();
                for (auto& line : CircumstancesLines(*texts)) lines.push_back(std::move(line));
            }
            cli::PrintLines(lines);
        }
        if (texts && texts->error) throw std::runtime_error(*texts->error);
        return 0;
    });
}
