#include "outputs/tonight/TonightRequest.h"

#include "catalogs/CatalogInfo.h"
#include "core/Observer.h"

namespace vagaris::tonight {

Request RequestFromSettings(const Settings& settings, Instant date) {
    Request request;
    request.date = date;
    SetObserver(request, SiteObserverFromSettings(settings));
    request.sort = SortKeyFromText(settings.TonightSort).value_or(SortKey::Magnitude);
    return request;
}

std::vector<Source> FiveCatalogSources(const std::string& programDir) {
    std::vector<Source> sources;
    for (const auto& c : kCatalogs)
        sources.push_back({programDir + c.fileName, Source::Kind::Catalog});
    return sources;
}

}  // namespace vagaris::tonight
