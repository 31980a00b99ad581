#include "cli/CatalogLookup.h"

#include <QtGlobal>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "cli/CliText.h"
#include "core/ReadableFile.h"

namespace vagaris::cli {

namespace fs = std::filesystem;

std::string ExecutableDir() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && !exe.empty()) return exe.parent_path().string();
    return fs::current_path(ec).string();
}

std::optional<std::string> InstalledSamplesDir() {
    // Where the package puts them beside the executables, as the window's first start looks
    // for them (catalogs/FirstRun.h); a build tree has none.
    std::error_code ec;
    const fs::path installed = fs::path(ExecutableDir()) / ".." / "share" / "vagaris" / "samples";
    if (!fs::is_directory(installed, ec)) return std::nullopt;
    std::string dir = fs::weakly_canonical(installed, ec).string();
    if (ec || dir.empty()) return std::nullopt;
    if (dir.back() != '/') dir += '/';
    return dir;
}

std::string SamplesNote() {
    const auto samples = InstalledSamplesDir();
    if (!samples) return {};
    return Say(QT_TRANSLATE_NOOP("CoreText", "; los catálogos de ejemplo están en %1"), {*samples});
}

std::string FindCatalogFile(const std::string& given, const std::string& programDir) {
    const fs::path path = given;
    std::error_code ec;
    if (fs::exists(path, ec)) return given;
    if (path.is_relative() && !programDir.empty()) {
        const fs::path inProgramDir = fs::path(programDir) / path;
        if (fs::exists(inProgramDir, ec)) return inProgramDir.string();
    }
    std::string message;
    if (path.is_relative()) {
        message = Say(QT_TRANSLATE_NOOP("CoreText",
                                        "No se puede leer %1: no está en la carpeta actual (%2) "
                                        "ni en la carpeta del programa (%3)"),
                      {given, fs::current_path(ec).string(), programDir});
    } else {
        message = Say(kUnreadablePattern, {given});
    }
    throw std::runtime_error(message + SamplesNote());
}

}  // namespace vagaris::cli
