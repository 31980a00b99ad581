// vagaris-cli tisserand (--a A --e E --i I [--title TEXT]
//                        | --catalog FILE [--kind C|A] (--object N | --name TEXT))
// Prints the e/a page's label: name, a, e and the Tisserand parameter with respect to
// Jupiter, for a typed orbit (as the calculator dialog) or a catalog object.
#include "cli/CommonOptions.h"
#include "core/Session.h"
#include "outputs/ea/Tisserand.h"

namespace {

constexpr const char* kUsage =
    "uso: vagaris-cli tisserand (--a A --e E --i I [--title TEXT] | --catalog FILE "
    "[--kind C|A] (--object N | --name TEXT))";

}  // namespace

int RunTisserand(const CliArgList& args) {
    using namespace vagaris;
    using namespace vagaris::cli;
    return RunGuarded([&] {
        const ParsedArgs parsed = ParseArgs(
            args, {"--a", "--e", "--i", "--title", "--catalog", "--kind", "--object", "--name"},
            {});
        if (!parsed.positional.empty())
            throw UsageError("argumento inesperado: " + parsed.positional.front());
        const bool typed =
            parsed.has("--a") || parsed.has("--e") || parsed.has("--i") || parsed.has("--title");
        const bool fromCatalog = parsed.has("--catalog") || parsed.has("--kind") ||
                                 parsed.has("--object") || parsed.has("--name");
        if (typed == fromCatalog) throw UsageError(kUsage);

        if (typed) {
            if (!parsed.has("--a") || !parsed.has("--e") || !parsed.has("--i"))
                throw UsageError(kUsage);
            const EaPoint p =
                EaPointFromTyped(parsed.value("--e"), parsed.value("--a"), parsed.value("--i"));
            PrintLines({EaLabel(parsed.value("--title", "Calculado"), p)});
            return 0;
        }
        if (!parsed.has("--catalog") || parsed.has("--object") == parsed.has("--name"))
            throw UsageError(kUsage);
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
    });
}
