#pragma once
// The five element catalogs: radio button, caption, local file, layout and download path.
#include <array>
#include <string>

namespace vagaris {

struct CatalogInfo {
    const char* radioName;        // rbCom ...
    const char* caption;          // "Cometas" ...
    const char* fileName;         // "CometsCR.dat" ...
    char kind;                    // 'C' comet layout, 'A' minor-planet layout
    const char* downloadButton;   // Button25 ...
    const char* downloadCaption;  // caption on the download page
    const char* serverPath;       // path on the server; the bright one gets the year inserted
    bool brightHost;              // served from the second host name
};

inline constexpr std::array<CatalogInfo, 5> kCatalogs{{
    {"rbCom", "Cometas", "CometsCR.dat", 'C', "Button25", "Cometas",
     "/iau/Ephemerides/Comets/Soft01Cmt.txt", false},
    {"rbNEO", "NEOs y no ususales", "NeosAndUnusualCR.dat", 'A', "Button26", "NEOs y no usuales",
     "/iau/Ephemerides/Unusual/Soft01Unusual.txt", false},
    {"rbCrit", "Lista crítica", "CriticalListCR.dat", 'A', "Button27", "Lista crítica",
     "/iau/Ephemerides/CritList/Soft01CritList.txt", false},
    {"rbLej", "Objetos lejanos", "DistantObjectsCR.dat", 'A', "Button28", "Objetos lejanos",
     "/iau/Ephemerides/Distant/Soft01Distant.txt", false},
    {"rbBri", "Asteroides brillantes", "BrightMinorPlanetsCR.dat", 'A', "Button29",
     "Asteroides brillantes", "/iau/Ephemerides/Bright/%1/Soft01Bright.txt", true},
}};

// The layout a file name implies: 'C' for "CometsCR.dat", 'A' for the four other catalog
// names, 0 for any other name (the caller must then be told the layout).
char KindForFileName(const std::string& fileName);

}  // namespace vagaris
