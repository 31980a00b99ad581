#pragma once
// A city of the city database as the site boxes hold it (pure C++): its angles read from the
// database's texts, then written as the Configuración page's latitude, longitude and height.
#include <string>

namespace vagaris {

// An angle as the database writes it [deg]: degrees, minutes and seconds with their signs
// (" 40° 24' 31\"", "-3° 41' 11\"", "-0° 13' 12\"": the sign before the degrees is the sign
// of the whole angle), or decimal degrees ("47.8339"). Minutes and seconds below 60.
// Throws EConvertError "'<text>' is not a valid floating point value" for any other text.
double CityAngleDegrees(const std::string& text);

// The texts of settings lines 1, 2 and 10.
struct SiteTexts {
    std::string Lat;  // whole degrees, sign and two digits ("+40", "-34", "+00")
    std::string Alt;  // whole metres, four digits ("0656")
    std::string Lon;  // tenths of a degree ("-003.7"), IsLongitudeText
    bool operator==(const SiteTexts&) const = default;
};

// The site of a city: the latitude rounded to the degree (the box holds whole degrees), the
// longitude to the tenth, the height to the metre within the box's 0 … 9999 (the database
// writes -10 for an unknown height; a place below sea level is given 0). Throws EConvertError
// for a latitude beyond ±90°, a longitude beyond ±180° or a height that is not finite.
SiteTexts SiteOfCity(double latitudeDeg, double longitudeDeg, double elevationMetres);

}  // namespace vagaris
