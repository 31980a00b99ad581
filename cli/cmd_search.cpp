// vagaris-cli search --mpcorb FILE KEY [--json] [--at ... + settings options]: the search box
// of the Selección page. Prints the element texts the boxes would show and, with --at, the
// circumstances of the found object at that instant.
#include <QJsonObject>
#include <QString>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "catalogs/mpcorb/MpcOrbSearch.h"
#include "catalogs/mpcorb/SearchKey.h"
#include "cli/CircumstancesOutput.h"
#include "cli/CommonOptions.h"
#include "core/Circumstances.h"
#include "core/ElementRecord.h"
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
        if (const std::string problem = MpcOrbFileProblem(path); !problem.empty())
            throw std::runtime_error(problem);

        const std::string boxText = UpperCaseAscii(typed);
        const auto found = SearchMpcOrb(path, boxText);
        if (!found) throw std::runtime_error(AsteroidNotFoundMessage(boxText));

        std::optional<SelectionTexts> texts;
        if (withCircumstances) {
            InstallSearchHit(session, *found);
            SetCurrentInstant(session, cli::InstantOption(session, parsed, "--at"));
            FillPlanetRecords(session);
            ComputeCircumstances(session, CircumstanceMode::R);
            texts = SelectionPageTexts(session);
        }

        const auto fields = ElementFields(*found);
        if (parsed.has("--json")) {
            QJsonObject json;
            for (const auto& [name, text] : fields)
                json.insert(QLatin1String(name), QString::fromStdString(text));
            if (texts)
                json.insert(QStringLiteral("circumstances"),
                            cli::CircumstancesJson(session, &*texts));
            cli::PrintLines({cli::JsonLine(json)});
        } else {
            std::vector<std::string> lines;
            for (const auto& [name, text] : fields)
                lines.push_back(std::string(name) + ": " + text);
            if (texts) {
                lines.emplace_back();
                for (auto& line : cli::SelectionResultLines(*texts))
                    lines.push_back(std::move(line));
            }
            cli::PrintLines(lines);
        }
        if (texts && texts->error) throw std::runtime_error(*texts->error);
        return 0;
    });
}
