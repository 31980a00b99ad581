#pragma once
// What the tonight window and vagaris-cli tonight both hand the night's list: the site and
// model of the settings, and the five catalogs of the program folder. Pure C++.
#include <string>
#include <vector>

#include "core/Session.h"
#include "outputs/tonight/TonightRanking.h"

namespace vagaris::tonight {

// The night of `date` for the settings' observer (SiteObserverFromSettings: the latitude, the
// longitude and, in the precise model, the height) with the sort of settings line 11; the
// limits and the twilight keep their defaults for the caller's boxes or options. Throws the
// conversion message of the first site text that fails.
Request RequestFromSettings(const Settings& settings, Instant date);

// The five catalogs of the program folder (`programDir` ends with a separator), ranked
// together: one row per name (Options::dedupe), a missing file skipped and named.
std::vector<Source> FiveCatalogSources(const std::string& programDir);

}  // namespace vagaris::tonight
