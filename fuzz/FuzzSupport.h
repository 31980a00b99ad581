#pragma once
// What the fuzz targets share: a private scratch folder for the inputs that must be files,
// and the abort that turns a broken promise into a report libFuzzer keeps.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace vagaris::fuzz {

// A folder of this process, made on first use and removed at exit.
inline const std::filesystem::path& ScratchDir() {
    static const std::filesystem::path dir = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "vagaris-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(ScratchDir(), ec);
        });
        return std::filesystem::path(pattern);
    }();
    return dir;
}

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) std::abort();
}

// A promise of the program does not hold for this input: libFuzzer saves it as a crash.
[[noreturn]] inline void Broken(const char* what) {
    std::fprintf(stderr, "promesa rota: %s\n", what);
    std::abort();
}

}  // namespace vagaris::fuzz
