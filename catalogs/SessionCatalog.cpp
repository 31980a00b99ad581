#include "catalogs/SessionCatalog.h"

#include <utility>

#include "catalogs/LineFormats.h"
#include "core/TextForms.h"

namespace vagaris {

void InstallCatalog(Session& session, char kind, std::vector<std::string> lines) {
    session.CatalogKind = kind;
    session.CatalogLines = std::move(lines);
    session.CometLines.clear();
    session.AntiTail.clear();
    session.SelectorNames.clear();
    session.SelectorNames.reserve(session.CatalogLines.size());
    session.SelectorsEnabled = true;
    for (const std::string& line : session.CatalogLines) {
        session.SelectorNames.push_back(Trim(Columns(line, 1, 40)));
        if (kind == 'C') session.CometLines.push_back(line);
    }
    ++session.CatalogGeneration;
    session.SelectorIndex = session.CatalogLines.empty() ? -1 : 0;
    // No object 0: nothing is computed until a catalog that has objects is loaded.
    if (session.CatalogLines.empty()) session.Elements = {};
}

bool SelectCatalogObject(Session& session, int index) {
    if (index < 0 || index >= static_cast<int>(session.CatalogLines.size())) return false;
    session.SelectorIndex = index;
    CutCatalogLine(session, index);
    return true;
}

void CutCatalogLine(Session& session, int index) {
    if (session.CatalogKind == 0) return;
    if (index < 0 || index >= static_cast<int>(session.CatalogLines.size())) return;
    const std::string& line = session.CatalogLines[static_cast<std::size_t>(index)];
    session.Elements =
        session.CatalogKind == 'C' ? ParseCometLine(line) : ParseMinorPlanetLine(line);
}

}  // namespace vagaris
