// vagaris-cli: the headless face of every page.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/Commands.h"
#include "core/AtomicFile.h"

namespace {

struct Subcommand {
    const char* name;
    int (*run)(const CliArgList&);
};

constexpr Subcommand kSubcommands[] = {
    {"circumstances", RunCircumstances},
    {"ephemeris", RunEphemeris},
    {"orbit", RunOrbit},
    {"chart", RunChart},
    {"search", RunSearch},
    {"download", RunDownload},
    {"antitail", RunAntitail},
    {"tisserand", RunTisserand},
};

void PrintUsage() {
    std::fputs("uso: vagaris-cli <orden> [opciones]\nórdenes:", stderr);
    for (const auto& s : kSubcommands) std::fprintf(stderr, " %s", s.name);
    std::fputs("\n", stderr);
}

// Output that could not be written (a full disk behind "> file", a closed pipe) is a
// failure like any other write: one line on stderr and exit 1, never a silent success.
int WithStandardOutputChecked(int code) {
    if (code != 0) return code;  // the failure has been told already
    errno = 0;
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return code;
    const std::string reason =
        errno != 0 ? vagaris::WriteFailureReason(errno) : std::string("error de escritura");
    std::fprintf(stderr, "No se pudo escribir la salida: %s\n", reason.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintUsage();
        return 2;
    }
    CliArgList args(argv + 2, argv + argc);
    for (const auto& s : kSubcommands)
        if (std::strcmp(argv[1], s.name) == 0) return WithStandardOutputChecked(s.run(args));
    PrintUsage();
    return 2;
}
