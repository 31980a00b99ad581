// The command line of every vagaris-cli subcommand over arbitrary arguments. The first byte
// picks the subcommand (in the order of kCommands); the rest, split at NUL bytes, are its arguments
// (argv holds no NUL). Parsing and the help texts run for every subcommand; the subcommands whose
// work is bounded and stays inside the scratch folder (circumstances, ephemeris of at most 100
// rows, search, tisserand, antitail) also run, with the sample catalogs as their files. Whatever
// the arguments, the answer is an exit code of 0, 1 or 2 with a message: an exception escaping, a
// crash, a sanitizer report or a hang is a fault.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "FuzzSupport.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/CommonOptions.h"

namespace {

using namespace vagaris::cli;

// The subcommands that also run; the others (orbit and chart draw through Qt, download goes
// to the network, tonight is long work by design) are parsed only.
bool Runs(const CommandSpec& command) {
    for (const CommandSpec* runs : {&kCircumstancesCommand, &kEphemerisCommand, &kSearchCommand,
                                    &kAntitailCommand, &kTisserandCommand})
        if (&command == runs) return true;
    return false;
}

// An ephemeris of more rows than this is only parsed, so one input stays far below libFuzzer's
// 1 s limit even under the sanitizers on a loaded machine (9999 rows take about 0.6 s there).
constexpr long kMaxRows = 100;

bool BoundedWork(const std::vector<std::string>& args) {
    for (std::size_t k = 0; k + 1 < args.size(); ++k) {
        if (args[k] != "--rows") continue;
        char* end = nullptr;
        const long rows = std::strtol(args[k + 1].c_str(), &end, 10);
        if (rows > kMaxRows) return false;
    }
    return true;
}

// The run happens in the scratch folder, which also is the program folder; an argument that
// could name a file elsewhere is not tried (dates keep their slashes).
bool StaysInScratch(const std::string& arg) {
    if (arg.find('/') == std::string::npos) return true;
    if (arg.front() == '/') return false;
    return arg.find_first_not_of("0123456789/: ") == std::string::npos;
}

void Setup() {
    static const bool ready = [] {
        const auto& dir = vagaris::fuzz::ScratchDir();
        for (const char* name : {"CometsCR.dat", "BrightMinorPlanetsCR.dat"})
            std::filesystem::copy_file(std::filesystem::path(VAGARIS_SAMPLES_DIR) / name,
                                       dir / name);
        std::filesystem::copy_file(
            std::filesystem::path(VAGARIS_SAMPLES_DIR) / "MPCORB.excerpt.dat", dir / "MPCOrb.dat");
        if (::chdir(dir.c_str()) != 0) std::abort();
        ::setenv("VAGARIS_HOME", dir.c_str(), 1);
        // The tables would drown libFuzzer's own report; the one-line messages on stderr stay,
        // since sanitizer reports go there too.
        if (!std::freopen("/dev/null", "w", stdout)) std::abort();
        return true;
    }();
    (void)ready;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0 || size > 4096) return -1;
    Setup();
    const CommandSpec& command = *kCommands[data[0] % kCommands.size()];
    std::vector<std::string> args;
    std::string current;
    for (std::size_t k = 1; k < size; ++k) {
        if (data[k] == 0) {
            args.push_back(current);
            current.clear();
        } else {
            current += static_cast<char>(data[k]);
        }
    }
    if (size > 1) args.push_back(current);

    if (HelpRequested(args)) {
        (void)CommandHelp(command);
        return 0;
    }
    if (args.empty()) {
        (void)CommandUsage(command);
        return 0;
    }
    for (const std::string& arg : args)
        if (!arg.empty() && !StaysInScratch(arg)) return -1;
    const int code = RunGuarded([&] {
        const ParsedArgs parsed = ParseCommandLine(command, args);
        return Runs(command) && BoundedWork(args) ? command.run(parsed) : 0;
    });
    if (code < 0 || code > 2) vagaris::fuzz::Broken("código de salida fuera de 0, 1 y 2");
    return 0;
}
