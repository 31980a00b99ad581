#pragma once
// What a shell command prints on standard output, for tests that read a tool's report.
#include <cstdio>
#include <string>

namespace vagaris::test {

inline std::string CommandOutput(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

}  // namespace vagaris::test
