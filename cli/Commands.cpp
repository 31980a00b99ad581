#include "cli/Commands.h"

namespace vagaris::cli {

namespace {

constexpr const CommandSpec* kCommandList[] = {
    &kCircumstancesCommand, &kEphemerisCommand, &kOrbitCommand,
    &kChartCommand,         &kSearchCommand,    &kDownloadCommand,
    &kAntitailCommand,      &kTisserandCommand, &kTonightCommand,
};

}  // namespace

const std::span<const CommandSpec* const> kCommands = kCommandList;

}  // namespace vagaris::cli
