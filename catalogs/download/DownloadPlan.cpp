#include "catalogs/download/DownloadPlan.h"

#include <cstdlib>

#include "core/TextForms.h"
#include "core/Time.h"

namespace vagaris {

namespace {

std::string BaseFromEnvironment(const char* variable, const char* fallback) {
    const char* value = std::getenv(variable);
    std::string base = (value && *value) ? value : fallback;
    while (!base.empty() && base.back() == '/') base.pop_back();
    return base;
}

}  // namespace

DownloadBases DownloadBasesFromEnvironment() {
    return {BaseFromEnvironment(kMpcUrlVariable, kDefaultMpcUrl),
            BaseFromEnvironment(kMpcBrightUrlVariable, kDefaultMpcBrightUrl)};
}

std::string CatalogUrl(const CatalogInfo& catalog, const DownloadBases& bases, int year) {
    std::string path = catalog.serverPath;
    const auto slot = path.find("%1");
    if (slot != std::string::npos) {
        std::string yyyy = std::to_string(year);
        while (yyyy.size() < 4) yyyy.insert(yyyy.begin(), '0');
        path.replace(slot, 2, yyyy);
    }
    return (catalog.brightHost ? bases.bright : bases.main) + path;
}

std::optional<int> DownloadPercent(long long bytesSoFar, long long announcedSize) {
    if (announcedSize <= 0 || bytesSoFar <= 0) return std::nullopt;
    const double percent =
        static_cast<double>(bytesSoFar) / static_cast<double>(announcedSize) * 100.0;
    const long long rounded = RoundHalfEven(percent);
    return static_cast<int>(rounded > 100 ? 100 : rounded);
}

int YearOfInstant(double instant) { return DecodeInstant(instant).year; }

}  // namespace vagaris
