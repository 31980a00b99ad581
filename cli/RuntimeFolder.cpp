#include "cli/RuntimeFolder.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace vagaris::cli {

namespace {

// Removes the folder at exit, with whatever Qt left in it.
struct OwnedFolder {
    std::string path;
    ~OwnedFolder() {
        if (path.empty()) return;
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

}  // namespace

void EnsureRuntimeFolder() {
    const char* set = std::getenv("XDG_RUNTIME_DIR");
    if (set != nullptr && *set != '\0') return;
    static OwnedFolder folder;
    if (!folder.path.empty()) return;
    std::error_code ec;
    std::string pattern =
        (std::filesystem::temp_directory_path(ec) / "vagaris-cli-runtime-XXXXXX").string();
    if (ec || ::mkdtemp(pattern.data()) == nullptr) return;  // mkdtemp: mode 0700
    folder.path = pattern;
    ::setenv("XDG_RUNTIME_DIR", folder.path.c_str(), 1);
}

}  // namespace vagaris::cli
