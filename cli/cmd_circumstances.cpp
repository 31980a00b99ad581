// vagaris-cli circumstances: the Selección page's computation for one object and instant.
#include <stdexcept>
#include <string>
#include <vector>

#include <QtGlobal>
#include "cli/CircumstancesOutput.h"
#include "cli/CliText.h"
#include "cli/Commands.h"
#include "cli/CommonOptions.h"
#include "cli/OptionValues.h"
#include "core/Circumstances.h"
#include "core/Session.h"
#include "translations/Translations.h"

namespace {

using namespace vagaris;
using namespace vagaris::cli;

constexpr OptionSpec kOwnOptions[] = {
    {.name = "--mode",
     .value = QT_TRANSLATE_NOOP("CoreText", "R|E|T"),
     .help = QT_TRANSLATE_NOOP(
         "CoreText",
         "R: los resultados de la página Selección; E: los valores calculados para el instante; "
         "T: como E, con el crepúsculo de --twilight (%d)"),
     .kind = OptionKind::Choice,
     .choices = "R|E|T",
     .fallback = "R",
     .defaultNote = kDefaultIs},
    {.name = "--twilight",
     .value = QT_TRANSLATE_NOOP("CoreText", "astro|nautical|civil"),
     .help = QT_TRANSLATE_NOOP(
         "CoreText",
         "el fin del crepúsculo para la mejor altura en el modo T: astronómico (-18°), náutico "
         "(-12°) o civil (-6°) (%d; R y E usan siempre -18°)"),
     .kind = OptionKind::Choice,
     .choices = "astro|nautical|civil",
     .fallback = "astro",
     .defaultNote = kDefaultIs},
    {.name = "--json",
     .value = nullptr,
     .help = QT_TRANSLATE_NOOP("CoreText", "la salida como un objeto JSON (%d)"),
     .kind = OptionKind::Flag,
     .defaultNote = kDefaultText},
};

// In the order of the choices of --mode and --twilight.
constexpr CircumstanceMode kModes[] = {CircumstanceMode::R, CircumstanceMode::E,
                                       CircumstanceMode::T};
constexpr double kTwilights[] = {kTwilightAstronomical, kTwilightNautical, kTwilightCivil};

int Run(const ParsedArgs& args) {
    const CircumstanceMode mode = kModes[ChoiceOrDefault(args, "--mode")];
    // The limit is a Tablas page choice, so it serves mode T only (R and E always use 18°).
    const double twilight = kTwilights[ChoiceOrDefault(args, "--twilight")];

    Session session;
    SetupSessionSettings(session, args);
    SetupSessionObject(session, args);
    SetCurrentInstant(session, InstantOption(session, args, "--at"));
    FillPlanetRecords(session);

    if (!ComputeCircumstancesFor(session, args, mode, twilight))
        throw std::runtime_error(Say(QT_TRANSLATE_NOOP(
            "CoreText", "El objeto elegido no tiene fecha de elementos: nada que calcular")));

    const bool json = args.has("--json");
    if (mode == CircumstanceMode::R) {
        const SelectionTexts texts = SelectionPageTexts(session, InterfaceUnitWords());
        // The rows written before a setting failed are shown, as on the page; then the error.
        PrintLines(json ? std::vector<std::string>{JsonLine(CircumstancesJson(session, &texts))}
                        : SelectionResultLines(texts));
        if (texts.error) throw std::runtime_error(*texts.error);
        return 0;
    }
    if (json) {
        PrintLines({JsonLine(CircumstancesJson(session, nullptr))});
    } else {
        std::vector<std::string> lines;
        for (const auto& [name, v] : RecordFields(session.Circumstances))
            lines.push_back(std::string(name) + " " + NumberText(v));
        PrintLines(lines);
    }
    return 0;
}

}  // namespace

const vagaris::cli::CommandSpec vagaris::cli::kCircumstancesCommand = {
    "circumstances",
    QT_TRANSLATE_NOOP("CoreText",
                      "dónde está un objeto de un catálogo en un instante y cómo se observa: la "
                      "página Selección"),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "--catalog ARCHIVO [--kind C|A] (--object N | --name TEXTO)\n"
        "[--at FECHA] [--mode R|E|T] [--twilight astro|nautical|civil] [--json]\n"
        "[--lat GRADOS] [--lon GRADOS] [--alt METROS] [--res SEGUNDOS | --fwhm SEGUNDOS]\n"
        "[--exposure-format seconds|minsec] [--polar | --cartesian]\n"
        "[--per-minute | --per-hour] [--model standard|precise] [--geocentric] [--two-body]"),
    {kObjectOptions, kAtOption, kOwnOptions, kSettingsOptions, kModelOptions},
    "vagaris-cli circumstances --catalog CometsCR.dat --name \"Hale-Bopp\" --at \"01/04/1997 "
    "20:00:00\" --lat +40",
    Run,
};
