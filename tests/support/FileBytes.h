#pragma once
// A file's bytes exactly as stored, for comparing what the program wrote.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace vagaris::test {

// The whole file as bytes; empty when it cannot be read.
inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace vagaris::test
