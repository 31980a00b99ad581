// vagaris-cli: the headless face of every page.
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/Commands.h"

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

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintUsage();
        return 2;
    }
    CliArgList args(argv + 2, argv + argc);
    for (const auto& s : kSubcommands)
        if (std::strcmp(argv[1], s.name) == 0) return s.run(args);
    PrintUsage();
    return 2;
}
