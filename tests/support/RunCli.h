#pragma once
// Runs the vagaris-cli binary (VAGARIS_CLI_PATH) as a separate process and captures what it
// writes and its exit code. The output goes through files in a private temporary folder, so
// the program folder of the test (VAGARIS_HOME) only holds what the command itself writes.
#include <sys/wait.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "support/FileBytes.h"
#include "support/TempFolder.h"

namespace vagaris::test {

struct CliResult {
    int exitCode = -1;  // -1 when the program did not end normally
    std::string out, err;
};

// The text as one shell word, whatever it holds.
inline std::string ShellQuoted(const std::string& text) {
    std::string q = "'";
    for (char ch : text) q += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    return q + "'";
}

// The lines of a text cut at '\n' (the terminators dropped).
inline std::vector<std::string> SplitLf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Runs "vagaris-cli SUBCOMMAND SHELLARGS", the arguments given as the shell reads them
// (quotes and all). `launcher`, when given, goes before the program (say, a `timeout` guard).
inline CliResult RunCliShell(const std::string& subcommand, const std::string& shellArgs,
                             const std::string& launcher = "") {
    const TempFolder capture("vagaris-cli-output");
    const auto out = capture.dir / "stdout.txt", err = capture.dir / "stderr.txt";
    const std::string command = launcher + ShellQuoted(VAGARIS_CLI_PATH) + " " + subcommand + " " +
                                shellArgs + " >" + ShellQuoted(out.string()) + " 2>" +
                                ShellQuoted(err.string());
    const int status = std::system(command.c_str());
    CliResult r;
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = ReadBytes(out);
    r.err = ReadBytes(err);
    return r;
}

// Runs "vagaris-cli SUBCOMMAND ARGS...", each argument passed unchanged as one word.
inline CliResult RunCli(const std::string& subcommand, const std::vector<std::string>& args,
                        const std::string& launcher = "") {
    std::string shellArgs;
    for (const auto& a : args) {
        if (!shellArgs.empty()) shellArgs += ' ';
        shellArgs += ShellQuoted(a);
    }
    return RunCliShell(subcommand, shellArgs, launcher);
}

}  // namespace vagaris::test
