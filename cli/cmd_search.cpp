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

#include <QtGlobal>
#include "catalogs/mpcorb/MpcOrbSearch.h"
#include "catalogs/mpcorb/SearchKey.h"
#include "cli/CircumstancesOutput.h"
#include "cli/CliText.h"
#include "cli/CommonOptions.h"
#include "core/Circumstances.h"
#include "core/ElementRecord.h"
#include "core/Session.h"
#include "core/precise/PreciseSession.h"
#include "translations/Translations.h"

namespace {

using namespace vagaris;

constexpr cli::OptionSpec kOwnOptions[] = {
    {.name = "--mpcorb",
     .value = QT_TRANSLATE_NOOP("CoreText", "ARCHIVO"),
     .help = QT_TRANSLATE_NOOP("CoreText", "el archivo MPCOrb.dat del MPC (%d)"),
     .defaultNote =
         QT_TRANSLATE_NOOP("CoreText", "por defecto, el elegido en la página Configuración")},
    {.name = "--json",
     .value = nullptr,
     .help = QT_TRANSLATE_NOOP("CoreText", "la salida como un objeto JSON (%d)"),
     .kind = cli::OptionKind::Flag,
     .defaultNote = cli::kDefaultText},
};

// The captions of the text output that are words, not symbols (M, a, q... stay as they are).
[[maybe_unused]] constexpr const char* kFieldCaptions[] = {QT_TRANSLATE_NOOP("CoreText", "Name"),
                                                           QT_TRANSLATE_NOOP("CoreText", "Fecha")};

// The element texts by field name, in the order of the boxes.
std::vector<std::pair<const char*, std::string>> ElementFields(const TOrbitalElements& el) {
    return {{"Name", el.Name}, {"Fecha", el.Fecha}, {"M", el.M}, {"a", el.a},
            {"q", el.q},       {"e", el.e},         {"w", el.w}, {"O", el.O},
            {"i", el.i},       {"H", el.H},         {"G", el.G}};
}

int Run(const cli::ParsedArgs& parsed) {
    // The key may come in several words when not quoted: "2004 MN4".
    std::string typed;
    for (const auto& word : parsed.positional) typed += (typed.empty() ? "" : " ") + word;
    if (typed.empty())
        throw cli::UsageError(
            cli::Say(QT_TRANSLATE_NOOP("CoreText", "search: falta la CLAVE que se busca")));

    Session session;
    const bool withCircumstances = parsed.has("--at");
    std::string path = parsed.value("--mpcorb");
    // Without --mpcorb, the file chosen on the Configuración page (vagaris.ini).
    if (withCircumstances || path.empty() || parsed.has("--model") || parsed.has("--geocentric") ||
        parsed.has("--two-body"))
        cli::SetupSessionSettings(session, parsed);
    if (path.empty()) path = session.settings.MpcOrbPath;
    if (const auto problem = MpcOrbFileProblem(path)) throw EMessage(*problem);

    const std::string boxText = UpperCaseAscii(typed);
    const auto found = SearchMpcOrb(path, boxText);
    if (!found) throw EMessage(AsteroidNotFoundMessage(boxText));

    std::optional<SelectionTexts> texts;
    if (withCircumstances) {
        InstallSearchHit(session, *found);
        SetCurrentInstant(session, cli::InstantOption(session, parsed, "--at"));
        FillPlanetRecords(session);
        cli::ComputeCircumstancesFor(session, parsed, CircumstanceMode::R);
        texts = SelectionPageTexts(session, InterfaceUnitWords());
    }

    const auto fields = ElementFields(*found);
    if (parsed.has("--json")) {
        QJsonObject json;
        for (const auto& [name, text] : fields)
            json.insert(QLatin1String(name), QString::fromStdString(text));
        if (texts) {
            json.insert(QStringLiteral("circumstances"), cli::CircumstancesJson(session, &*texts));
            if (UsesPreciseModel(session.settings))
                json.insert(QStringLiteral("model"), QStringLiteral("precise"));
        }
        cli::PrintLines({cli::JsonLine(json)});
    } else {
        std::vector<std::string> lines;
        // The captions in the interface language (the JSON keys above stay the field names).
        for (const auto& [name, text] : fields) lines.push_back(cli::Say(name) + ": " + text);
        if (texts) {
            lines.emplace_back();
            for (auto& line : cli::SelectionResultLines(*texts)) lines.push_back(std::move(line));
        }
        cli::PrintLines(lines);
    }
    if (texts && texts->error) throw std::runtime_error(*texts->error);
    return 0;
}

}  // namespace

const cli::CommandSpec vagaris::cli::kSearchCommand = {
    "search",
    QT_TRANSLATE_NOOP(
        "CoreText",
        "busca un asteroide en MPCOrb.dat y muestra sus elementos, y con --at dónde está: la "
        "búsqueda de la página Selección"),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "[--mpcorb ARCHIVO] CLAVE [--json] [--at FECHA]\n[opciones de Configuración]\n"
        "[--model standard|precise] [--geocentric] [--two-body]"),
    {kOwnOptions, cli::kAtOption, cli::kSettingsOptions, cli::kModelOptions},
    "vagaris-cli search --mpcorb MPCORB.DAT Apophis --at \"13/04/2029 21:00:00\"",
    Run,
    false,
    QT_TRANSLATE_NOOP(
        "CoreText",
        "CLAVE: el número, el nombre o la designación provisional, como en la caja de búsqueda "
        "(\"433\", \"Eros\", \"2004 MN4\"); puede ir en varias palabras sin comillas. Sin --at "
        "solo se muestran los elementos."),
};
