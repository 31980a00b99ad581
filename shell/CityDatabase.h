#pragma once
// The list of cities the first start offers for the observer's site, from a city database
// (Debian's kstars-data ships one; it is read through Qt's SQLite driver, never written).
#include <QString>
#include <vector>

#include "settings/CitySite.h"

struct City {
    QString label;            // "Madrid, Spain", "Aabenraa, Jylland, Denmark"
    vagaris::SiteTexts site;  // as the site boxes hold it
};

// The database of Debian's kstars-data, "kstars/citydb.sqlite" in the system's data folders
// (/usr/share); empty when there is none.
QString DefaultCityDatabase();

// The cities of the table `city` of the SQLite file at `path` (the columns Name, Province,
// Country, Latitude and Longitude as texts, Elevation [m]), ordered by their folded label. A
// missing file, a missing SQLite driver or a file of another layout gives no city, and nothing
// is said: the site is then typed. A row whose angles do not convert is left out.
std::vector<City> ReadCities(const QString& path);
