#include "catalogs/CatalogInfo.h"

#include <cctype>

namespace vagaris {

char KindForFileName(const std::string& fileName) {
    const std::size_t slash = fileName.find_last_of("/\\");
    const std::string base = slash == std::string::npos ? fileName : fileName.substr(slash + 1);
    auto sameIgnoringCase = [](const std::string& a, const std::string& b) {
        if (a.size() != b.size()) return false;
        for (std::size_t k = 0; k < a.size(); ++k)
            if (std::tolower(static_cast<unsigned char>(a[k])) !=
                std::tolower(static_cast<unsigned char>(b[k])))
                return false;
        return true;
    };
    for (const auto& c : kCatalogs)
        if (sameIgnoringCase(base, c.fileName)) return c.kind;
    return 0;
}

}  // namespace vagaris
