#pragma once
// The subcommands of vagaris-cli, one CommandSpec each (cli/CommandLine.h). A subcommand's
// run function gets its parsed options and returns the exit code: 0 success, 1 failure
// (message on stderr), 2 a wrong command line.
#include <span>

#include "cli/CommandLine.h"

namespace vagaris::cli {

extern const CommandSpec kCircumstancesCommand;
extern const CommandSpec kEphemerisCommand;
extern const CommandSpec kOrbitCommand;
extern const CommandSpec kChartCommand;
extern const CommandSpec kSearchCommand;
extern const CommandSpec kDownloadCommand;
extern const CommandSpec kAntitailCommand;
extern const CommandSpec kTisserandCommand;
extern const CommandSpec kTonightCommand;

// Every subcommand, in the order the help lists them.
extern const std::span<const CommandSpec* const> kCommands;

}  // namespace vagaris::cli
