// vagaris-cli: the headless face of every page.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/CliText.h"
#include "cli/CommonOptions.h"
#include "core/AtomicFile.h"
#include "translations/Translations.h"

namespace {

using namespace vagaris::cli;

constexpr const char* kVersion = VAGARIS_VERSION;  // the project's, from CMakeLists.txt

void Print(std::FILE* to, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), to);
    std::fflush(to);
}

void PrintUsage() {
    std::string names;
    for (const CommandSpec* c : kCommands) names += std::string(" ") + c->name;
    Print(stderr, Say(QT_TRANSLATE_NOOP("CoreText",
                                        "uso: vagaris-cli <orden> [opciones]\nórdenes:%1\nLa "
                                        "ayuda: vagaris-cli --help, vagaris-cli <orden> --help\n"),
                      {names}));
}

// Output that could not be written (a full disk behind "> file", a closed pipe) is a
// failure like any other write: one line on stderr and exit 1, never a silent success.
int WithStandardOutputChecked(int code) {
    if (code != 0) return code;  // the failure has been told already
    errno = 0;
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return code;
    const std::string reason = errno != 0
                                   ? vagaris::WriteFailure(errno).text(TrCoreUtf8)
                                   : Say(QT_TRANSLATE_NOOP("CoreText", "error de escritura"));
    Print(stderr,
          Say(QT_TRANSLATE_NOOP("CoreText", "No se pudo escribir la salida: %1"), {reason}) + "\n");
    return 1;
}

// The codes a message lists: "es o en", "es, en o pt".
std::string CodeList(const std::vector<std::string>& codes) {
    std::string out;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (i > 0) out += i + 1 == codes.size() ? Say(QT_TRANSLATE_NOOP("CoreText", " o ")) : ", ";
        out += codes[i];
    }
    return out;
}

// "--lang CODE" (es, en or any other language this build carries), anywhere on the line,
// chooses the language of the texts; it is taken out before the subcommand reads its options.
// Spanish unless asked, whatever the locale, so scripts reading the output do not change under
// them. False on a missing or unknown value.
bool TakeLanguageOption(std::vector<std::string>& words) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i] != "--lang") continue;
        const std::vector<std::string> available = AvailableLanguages();
        if (i + 1 >= words.size() ||
            std::find(available.begin(), available.end(), words[i + 1]) == available.end()) {
            Print(stderr, Say(QT_TRANSLATE_NOOP("CoreText", "--lang: se esperaba %1"),
                              {CodeList(available)}) +
                              "\n");
            return false;
        }
        UseLanguage(words[i + 1]);
        words.erase(words.begin() + static_cast<std::ptrdiff_t>(i),
                    words.begin() + static_cast<std::ptrdiff_t>(i) + 2);
        --i;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> words(argv + 1, argv + argc);
    if (!TakeLanguageOption(words)) return 2;
    if (words.empty()) {
        PrintUsage();
        return 2;
    }
    const std::string first = words[0];
    if (first == "--help" || first == "-h") {
        Print(stdout, ProgramHelp(kCommands, kVersion));
        return 0;
    }
    if (first == "--version") {
        Print(stdout, std::string("vagaris-cli ") + kVersion + "\n");
        return 0;
    }
    // Not in the help: the build writes the manual page with it.
    if (first == "--manual-page") {
        Print(stdout, ManualPage(kCommands, kVersion));
        return 0;
    }
    const std::vector<std::string> args(words.begin() + 1, words.end());
    for (const CommandSpec* c : kCommands) {
        if (first != c->name) continue;
        if (HelpRequested(args)) {
            Print(stdout, CommandHelp(*c));
            return 0;
        }
        if (args.empty() && !c->runsWithoutArguments) {
            Print(stderr, CommandUsage(*c));
            return 2;
        }
        return WithStandardOutputChecked(
            RunGuarded([&] { return c->run(ParseCommandLine(*c, args)); }));
    }
    Print(stderr, (first.rfind('-', 0) == 0
                       ? Say(QT_TRANSLATE_NOOP(
                                 "CoreText",
                                 "opción desconocida: %1 (vagaris-cli --help enumera las órdenes)"),
                             {first})
                       : Say(QT_TRANSLATE_NOOP(
                                 "CoreText",
                                 "orden desconocida: %1 (vagaris-cli --help enumera las órdenes)"),
                             {first})) +
                      "\n");
    return 2;
}
