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
// A failed download, %1 the catalog's file name and %2 why: the window's message on two
// lines, vagaris-cli's on one.
inline constexpr const char* kDownloadFailedPattern = "Error descargando archivo\n%1: %2";
inline constexpr const char* kDownloadFailedLinePattern = "Error descargando archivo %1: %2";

// Bounds of one transfer, so that a server that never stops sending, never finishes its
// answer or falls silent cannot fill the memory or the disk, nor hold the program for ever.
// The largest catalog is a few MB: the size cap leaves a wide margin.
inline constexpr long long kMaxDownloadBytes = 64LL * 1024 * 1024;  // [bytes]
// The whole transfer, redirects and the previous-year retry included [s]: 30 min let a 5 MB
// catalog arrive over a line of 3 KB/s.
inline constexpr int kDefaultTransferSeconds = 1800;
// Silence: no byte of the answer for this long [s].
inline constexpr int kDefaultIdleSeconds = 60;
// What Qt may hold of a body before it is written to the temporary file [bytes].
inline constexpr long long kDownloadReadBufferBytes = 256 * 1024;

// Why a bound stopped a transfer, "%1" standing for the bound (MB or s).
inline constexpr const char* kTooLargeReason = "el archivo pasa de %1 MB";
inline constexpr const char* kTooSlowReason = "la descarga no terminó en %1 s";
inline constexpr const char* kSilentReason = "sin respuesta del servidor tras %1 s";

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
