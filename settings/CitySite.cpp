#include "settings/CitySite.h"

#include <algorithm>
#include <cmath>

#include "core/Errors.h"
#include "core/TextForms.h"
#include "settings/SettingsFile.h"

namespace vagaris {

namespace {

// Reads the digits of `text` from `k` on into `value`; false when there are none.
bool ReadDigits(const std::string& text, std::size_t& k, int& value) {
    const std::size_t from = k;
    value = 0;
    while (k < text.size() && text[k] >= '0' && text[k] <= '9' && k - from < 4)
        value = value * 10 + (text[k++] - '0');
    return k > from;
}

void SkipBlanks(const std::string& text, std::size_t& k) {
    while (k < text.size() && text[k] == ' ') ++k;
}

// Reads `mark` at `k` (after blanks); false when it is not there.
bool ReadMark(const std::string& text, std::size_t& k, const std::string& mark) {
    SkipBlanks(text, k);
    if (text.compare(k, mark.size(), mark) != 0) return false;
    k += mark.size();
    return true;
}

}  // namespace

double CityAngleDegrees(const std::string& text) {
    if (text.find("\xC2\xB0") == std::string::npos) return ParseFloat(text);  // no "°"
    std::size_t k = 0;
    SkipBlanks(text, k);
    bool negative = false;
    if (k < text.size() && (text[k] == '-' || text[k] == '+')) negative = text[k++] == '-';
    int degrees = 0, minutes = 0, seconds = 0;
    const bool read =
        ReadDigits(text, k, degrees) && ReadMark(text, k, "\xC2\xB0") &&
        (SkipBlanks(text, k), ReadDigits(text, k, minutes)) && ReadMark(text, k, "'") &&
        (SkipBlanks(text, k), ReadDigits(text, k, seconds)) && ReadMark(text, k, "\"");
    SkipBlanks(text, k);
    if (!read || k != text.size() || minutes >= 60 || seconds >= 60) ThrowInvalidFloat(text);
    const double value = degrees + minutes / 60.0 + seconds / 3600.0;
    return negative ? -value : value;
}

SiteTexts SiteOfCity(double latitudeDeg, double longitudeDeg, double elevationMetres) {
    const auto refuse = [](double value) {
        ThrowInvalidFloat(std::isfinite(value) ? FormatNumber("0.0000;-0.0000", value) : "nan");
    };
    if (!(std::fabs(latitudeDeg) <= 90)) refuse(latitudeDeg);
    if (!(std::fabs(longitudeDeg) <= 180)) refuse(longitudeDeg);
    if (!std::isfinite(elevationMetres)) refuse(elevationMetres);
    SiteTexts site;
    site.Lat = FormatNumber("+00;-00", latitudeDeg);
    site.Lon = LongitudeText(longitudeDeg);
    site.Alt = FormatNumber("0000", std::clamp(elevationMetres, 0.0, 9999.0));
    return site;
}

}  // namespace vagaris
