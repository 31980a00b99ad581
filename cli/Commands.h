#pragma once
// The subcommands of vagaris-cli. Each takes the arguments after its name and returns the
// exit code: 0 success, 1 failure (message on stderr), 2 usage error.
#include <string>
#include <vector>

using CliArgList = std::vector<std::string>;

int RunCircumstances(const CliArgList& args);
int RunEphemeris(const CliArgList& args);
int RunOrbit(const CliArgList& args);
int RunChart(const CliArgList& args);
int RunSearch(const CliArgList& args);
int RunDownload(const CliArgList& args);
int RunAntitail(const CliArgList& args);
int RunTisserand(const CliArgList& args);
