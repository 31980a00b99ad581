#pragma once
// The three boxes of the observer's site, as the Configuración page shows them and the
// first-start box asks for them: the same masks, widths and checks in both places.
#include <QString>
#include <functional>
#include <string>

class QLineEdit;

struct SiteBoxes {
    QLineEdit* latitude = nullptr;   // meLat, "#00;1;_": sign and two digits [deg], north +
    QLineEdit* height = nullptr;     // meAlt, "0000": [m]
    QLineEdit* longitude = nullptr;  // meLon, "#000.0;1;_": -180.0 … +180.0 [deg], east +
};

// The boxes with their default texts. A box with unfilled positions, or a longitude out of its
// range, keeps the focus when it is left (MaskedEdit.h); leaving the latitude or the height
// with a complete text runs `onLatitudeOrHeightLeft` (the Configuración page's site
// constants).
SiteBoxes NewSiteBoxes(const std::function<void()>& onLatitudeOrHeightLeft = {});

// The longitude box's text as the settings hold it: a blank sign reads as "+".
std::string LongitudeOfBox(const QLineEdit* box);

// The first box that cannot be left as it is (unfilled positions, a latitude or height that
// is not an integer, a longitude out of range), or nullptr when the three can.
QLineEdit* FirstIncompleteSiteBox(const SiteBoxes& boxes);
