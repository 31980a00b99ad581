#include "outputs/tonight/TonightObjects.h"

#include <filesystem>
#include <map>
#include <stdexcept>

#include "catalogs/CatalogInfo.h"
#include "catalogs/LineFormats.h"
#include "catalogs/mpcorb/MpcOrbSearch.h"
#include "core/Errors.h"
#include "core/Message.h"
#include "core/TextForms.h"

namespace vagaris::tonight {

char KindOfCatalog(const std::string& path, const std::vector<std::string>& lines) {
    if (const char kind = KindForFileName(path)) return kind;
    for (const auto& line : lines) {
        if (Trim(line).empty()) continue;
        try {
            ParseFloat(Trim(Columns(line, 61, 68)));
            ParseFloat(Trim(Columns(line, 69, 77)));
            return 'A';
        } catch (const EConvertError&) {
            return 'C';
        }
    }
    return 'A';
}

std::string BaseName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

std::vector<CatalogObject> LoadCatalogObjects(const std::vector<Source>& sources, bool skipMissing,
                                              const PositionModel& model,
                                              std::vector<std::vector<std::string>>& catalogLines,
                                              Result& result) {
    catalogLines.assign(sources.size(), {});
    std::vector<CatalogObject> objects;
    for (std::size_t s = 0; s < sources.size(); ++s) {
        const Source& source = sources[s];
        const int order = static_cast<int>(s);
        result.catalogNames.push_back(BaseName(source.path));
        result.catalogPaths.push_back(source.path);
        if (source.kind == Source::Kind::MpcOrb) {
            if (const auto problem = MpcOrbFileProblem(source.path)) throw EMessage(*problem);
            continue;
        }
        if (skipMissing && !std::filesystem::exists(source.path)) {
            result.missing.push_back(BaseName(source.path));
            continue;
        }
        // The stamp first: a file replaced while it is read then looks changed later.
        const auto stamp = StampOf(source.path);
        catalogLines[s] = ReadCatalogLines(source.path);
        if (stamp) result.files.push_back(*stamp);
        const char kind = KindOfCatalog(source.path, catalogLines[s]);
        const auto& lines = catalogLines[s];
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (Trim(lines[i]).empty()) continue;  // a blank line is no object
            CatalogObject o;
            o.index = static_cast<int>(i);
            o.catalogOrder = order;
            o.kind = kind;
            o.line = &lines[i];
            o.texts = kind == 'C' ? ParseCometLine(lines[i]) : ParseMinorPlanetLine(lines[i]);
            try {
                o.values = model.Values(o.texts);
            } catch (const EConvertError&) {
                ++result.invalidLines;
                continue;
            }
            objects.push_back(std::move(o));
        }
    }
    return objects;
}

std::vector<CatalogObject> RemoveDuplicates(std::vector<CatalogObject> objects) {
    std::map<std::string, std::size_t> byName;
    std::vector<bool> keep(objects.size(), true);
    for (std::size_t k = 0; k < objects.size(); ++k) {
        const auto [it, inserted] = byName.emplace(objects[k].texts.Name, k);
        if (inserted) continue;
        const CatalogObject& held = objects[it->second];
        const CatalogObject& next = objects[k];
        const bool newer =
            held.kind == 'A' && next.kind == 'A' && next.values.EpochTime > held.values.EpochTime;
        if (newer) {
            keep[it->second] = false;
            it->second = k;
        } else {
            keep[k] = false;
        }
    }
    std::vector<CatalogObject> kept;
    for (std::size_t k = 0; k < objects.size(); ++k)
        if (keep[k]) kept.push_back(std::move(objects[k]));
    return kept;
}

}  // namespace vagaris::tonight
