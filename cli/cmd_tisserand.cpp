// vagaris-cli tisserand (--a A --e E --i I [--title TEXT]
//                        | --catalog FILE [--kind C|A] (--object N | --name TEXT))
// Prints the e/a page's label: name, a, e and the Tisserand parameter with respect to
// Jupiter, for a typed orbit (as the calculator dialog) or a catalog object.
#include <QtGlobal>
#include "cli/CliText.h"
#include "cli/CommonOptions.h"
#include "cli/OptionValues.h"
#include "core/Errors.h"
#include "core/Session.h"
#include "core/TextForms.h"
#include "outputs/ea/Tisserand.h"

namespace {

using namespace vagaris;
using namespace vagaris::cli;

constexpr OptionSpec kTypedOptions[] = {
    {.name = "--a",
     .value = QT_TRANSLATE_NOOP("CoreText", "UA"),
     .help = QT_TRANSLATE_NOOP(
         "CoreText", "el semieje mayor de una órbita escrita a mano, en UA (con --e y --i)"),
     .kind = OptionKind::Real},
    {.name = "--e",
     .value = QT_TRANSLATE_NOOP("CoreText", "E"),
     .help = QT_TRANSLATE_NOOP("CoreText", "su excentricidad"),
     .kind = OptionKind::Real},
    {.name = "--i",
     .value = QT_TRANSLATE_NOOP("CoreText", "GRADOS"),
     .help = QT_TRANSLATE_NOOP("CoreText", "su inclinación en grados"),
     .kind = OptionKind::Real},
    {.name = "--title",
     .value = QT_TRANSLATE_NOOP("CoreText", "TEXTO"),
     .help = QT_TRANSLATE_NOOP("CoreText", "el nombre que se muestra (%d)"),
     .fallback = "Calculado",
     .defaultNote = kDefaultIs},
};

int Run(const ParsedArgs& parsed) {
    const bool typed =
        parsed.has("--a") || parsed.has("--e") || parsed.has("--i") || parsed.has("--title");
    const bool fromCatalog = parsed.has("--catalog") || parsed.has("--kind") ||
                             parsed.has("--object") || parsed.has("--name");
    if (typed && fromCatalog)
        throw UsageError(Say(QT_TRANSLATE_NOOP(
            "CoreText",
            "se da una órbita (--a --e --i) o un objeto de catálogo (--catalog), no ambos")));
    if (!typed && !fromCatalog)
        throw UsageError(Say(QT_TRANSLATE_NOOP("CoreText", "falta --a --e --i o --catalog")));

    if (typed) {
        for (const char* name : {"--a", "--e", "--i"})
            if (!parsed.has(name))
                throw UsageError(Say(QT_TRANSLATE_NOOP("CoreText", "falta %1"), {name}));
        // A typed element must at least be a number; the calculator's own checks follow.
        for (const char* name : {"--a", "--e", "--i"}) RealOption(parsed, name);
        const EaPoint p =
            EaPointFromTyped(parsed.value("--e"), parsed.value("--a"), parsed.value("--i"));
        PrintLines({EaLabel(TextOrDefault(parsed, "--title"), p)});
        return 0;
    }
    RequireOption(parsed, "--catalog");
    if (parsed.has("--object") == parsed.has("--name"))
        throw UsageError(Say(QT_TRANSLATE_NOOP("CoreText", "se da --object N o --name TEXTO")));
    Session session;
    SetupSessionObject(session, parsed);
    const auto point = EaPointFromElements(session.Elements);
    std::string name = session.Elements.Name;
    if (session.SelectorIndex >= 0 &&
        session.SelectorIndex < static_cast<int>(session.SelectorNames.size()))
        name = session.SelectorNames[session.SelectorIndex];
    // No element set (a line without a or q): the page's label stays empty.
    PrintLines({point ? EaLabel(name, *point) : std::string()});
    return 0;
}

}  // namespace

const CommandSpec vagaris::cli::kTisserandCommand = {
    "tisserand",
    QT_TRANSLATE_NOOP(
        "CoreText",
        "el semieje mayor, la excentricidad y el parámetro de Tisserand respecto a Júpiter de una "
        "órbita escrita o de un objeto de catálogo: la página e/a"),
    QT_TRANSLATE_NOOP("CoreText",
                      "--a UA --e E --i GRADOS [--title TEXTO]\n"
                      "--catalog ARCHIVO [--kind C|A] (--object N | --name TEXTO)"),
    {kTypedOptions, kObjectOptions},
    "vagaris-cli tisserand --a 17.8 --e 0.967 --i 162.3 --title Halley",
    Run,
};
