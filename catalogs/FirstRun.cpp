#include "catalogs/FirstRun.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

#include "catalogs/CatalogInfo.h"
#include "core/Message.h"
#include "core/TextFile.h"

namespace vagaris {

namespace fs = std::filesystem;

bool HoldsNoCatalog(const std::string& programDir) {
    std::error_code ec;
    for (const auto& c : kCatalogs)
        if (fs::exists(fs::path(programDir) / c.fileName, ec)) return false;
    return true;
}

std::optional<std::string> BundledSamplesDir(const std::string& executableDir,
                                             const std::string& sourceSamplesDir) {
    std::error_code ec;
    if (!executableDir.empty()) {
        const fs::path installed = fs::path(executableDir) / ".." / "share" / "vagaris" / "samples";
        if (fs::is_directory(installed, ec)) return fs::weakly_canonical(installed, ec).string();
    }
    if (!sourceSamplesDir.empty() && fs::is_directory(sourceSamplesDir, ec))
        return sourceSamplesDir;
    return std::nullopt;
}

int CopySampleCatalogs(const std::string& samplesDir, const std::string& programDir) {
    int copied = 0;
    for (const auto& c : kCatalogs) {
        const fs::path from = fs::path(samplesDir) / c.fileName;
        const fs::path to = fs::path(programDir) / c.fileName;
        std::error_code ec;
        if (fs::exists(to, ec) || !fs::is_regular_file(from, ec)) continue;
        std::ifstream in(from, std::ios::binary);
        const Message unreadable("No se pudo leer %1", {from.string()});
        if (!in.is_open()) throw EMessage(unreadable);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        if (in.bad()) throw EMessage(unreadable);
        const auto time = fs::last_write_time(from, ec);
        if (ec) throw EMessage(unreadable);
        WriteFileAtomically(to.string(), bytes);
        fs::last_write_time(to, time, ec);
        if (ec) throw EMessage(Message("No se pudo fechar %1: %2", {to.string(), ec.message()}));
        ++copied;
    }
    return copied;
}

}  // namespace vagaris
