#include "shell/CityDatabase.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>
#include <algorithm>
#include <atomic>

#include "core/Errors.h"
#include "toolkit/ContainsCompleter.h"

namespace {

// The cities read from one open database (the connection is the caller's).
std::vector<City> CitiesIn(QSqlDatabase& db) {
    std::vector<City> cities;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral(
            "SELECT Name, Province, Country, Latitude, Longitude, Elevation FROM city")))
        return cities;
    while (query.next()) {
        QStringList parts;
        for (int k = 0; k < 3; ++k) {
            const QString part = query.value(k).toString().trimmed();
            if (!part.isEmpty()) parts << part;
        }
        if (parts.isEmpty()) continue;
        bool heightKnown = false;
        const double height = query.value(5).toDouble(&heightKnown);
        try {
            cities.push_back(
                {parts.join(QStringLiteral(", ")),
                 vagaris::SiteOfCity(
                     vagaris::CityAngleDegrees(query.value(3).toString().toStdString()),
                     vagaris::CityAngleDegrees(query.value(4).toString().toStdString()),
                     heightKnown ? height : 0.0)});
        } catch (const vagaris::EConvertError&) {
            // A row the database holds damaged is one city fewer, not a failed list.
        }
    }
    return cities;
}

}  // namespace

QString DefaultCityDatabase() {
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                  QStringLiteral("kstars/citydb.sqlite"));
}

std::vector<City> ReadCities(const QString& path) {
    // SQLite would create a missing file; a folder or an unreadable file gives no list either.
    const QFileInfo file(path);
    if (path.isEmpty() || !file.isFile() || !file.isReadable()) return {};
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) return {};
    // A connection name of its own, so that nothing else of the program's is disturbed.
    static std::atomic<int> serial{0};
    const QString connection = QStringLiteral("vagaris-cities-%1").arg(serial++);
    std::vector<City> cities;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) cities = CitiesIn(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    // Ordered as the user reads them: accents and case do not move a city to the end.
    std::vector<std::pair<QString, City>> keyed;
    keyed.reserve(cities.size());
    for (City& c : cities) keyed.emplace_back(FoldForMatching(c.label), std::move(c));
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    cities.clear();
    for (auto& [key, city] : keyed) cities.push_back(std::move(city));
    return cities;
}
