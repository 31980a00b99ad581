#pragma once
// What a catalog download asks for: the server's base addresses, the URL of each catalog,
// the request headers, and the progress percentage shown while the body arrives.
#include <optional>
#include <string>

#include "catalogs/CatalogInfo.h"

namespace vagaris {

// The Center serves its files over HTTPS and redirects plain HTTP.
inline constexpr const char* kDefaultMpcUrl = "https://www.minorplanetcenter.net";
inline constexpr const char* kDefaultMpcBrightUrl = "https://minorplanetcenter.net";
// Environment variables replacing them: scheme, host and optional port, no trailing slash.
inline constexpr const char* kMpcUrlVariable = "VAGARIS_MPC_URL";
inline constexpr const char* kMpcBrightUrlVariable = "VAGARIS_MPC_BRIGHT_URL";

inline constexpr const char* kDownloadAccept = "text/html, */*";
inline constexpr const char* kDownloadUserAgent = "Mozilla/3.0 (compatible; Indy Library)";
inline constexpr const char* kDownloadErrorMessage = "Error descargando archivo";

struct DownloadBases {
    std::string main;    // the first four catalogs
    std::string bright;  // the bright minor planets
};
// The bases from the environment, else the defaults. A trailing slash given by mistake is
// dropped so that the paths join cleanly.
DownloadBases DownloadBasesFromEnvironment();

// Base + the catalog's path; the bright-objects path carries `year` in four digits.
std::string CatalogUrl(const CatalogInfo& catalog, const DownloadBases& bases, int year);

// Progress bar position for `bytesSoFar` of `announcedSize` [bytes]: the percentage rounded
// to the nearest integer, halves to the even neighbour, at most 100. Nothing (the bar stays
// where it is) when the size is not announced (≤ 0) or no byte has arrived.
std::optional<int> DownloadPercent(long long bytesSoFar, long long announcedSize);

// The four-digit UTC year of an instant, for the bright-objects path.
int YearOfInstant(double instant);

}  // namespace vagaris
