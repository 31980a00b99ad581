// The city database's angle texts read, and a city's site written as the site boxes hold it.
// The texts are the forms found in Debian's kstars-data citydb.sqlite (table city, columns
// Latitude and Longitude): " 40° 24' 31\"" (Madrid), "-3° 41' 11\"", "-0° 13' 12\"" (a city
// just south of the equator), "47.8339" (one row in decimal degrees).
#include <gtest/gtest.h>

#include <limits>

#include "core/Errors.h"
#include "settings/CitySite.h"
#include "settings/SettingsFile.h"

namespace {

using vagaris::CityAngleDegrees;
using vagaris::SiteOfCity;
using vagaris::SiteTexts;

TEST(CitySite, ReadsTheDatabaseAngleForms) {
    const struct {
        const char* text;
        double degrees;
    } cases[] = {
        {" 40\xC2\xB0 24' 31\"", 40 + 24 / 60.0 + 31 / 3600.0},
        {"-3\xC2\xB0 41' 11\"", -(3 + 41 / 60.0 + 11 / 3600.0)},
        // The sign belongs to the whole angle, so a city south of the equator stays south.
        {"-0\xC2\xB0 13' 12\"", -(13 / 60.0 + 12 / 3600.0)},
        {" 0\xC2\xB0 03' 00\"", 3 / 60.0},
        {"-121\xC2\xB0 17' 00\"", -(121 + 17 / 60.0)},
        {" 179\xC2\xB0 59' 59\"", 179 + 59 / 60.0 + 59 / 3600.0},
        {"47.8339", 47.8339},
        {"-47.8339", -47.8339},
    };
    for (const auto& c : cases) EXPECT_NEAR(CityAngleDegrees(c.text), c.degrees, 1e-12) << c.text;
}

TEST(CitySite, RefusesTextsThatAreNoAngle) {
    for (const char* text :
         {"", "abc", "40\xC2\xB0", "40\xC2\xB0 24'", "40\xC2\xB0 60' 00\"", "40\xC2\xB0 24' 60\"",
          "40\xC2\xB0 24' 31\" N", "--3\xC2\xB0 41' 11\"", "4a\xC2\xB0 24' 31\""}) {
        try {
            CityAngleDegrees(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const vagaris::EConvertError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "'" + std::string(text) + "' is not a valid floating point value");
        }
    }
}

TEST(CitySite, WritesTheSiteAsTheBoxesHoldIt) {
    const struct {
        double lat, lon, height;
        SiteTexts site;
    } cases[] = {
        // Madrid: 40.41° rounds down, -3.686° to the tenth, 656.03 m to the metre.
        {40 + 24 / 60.0 + 31 / 3600.0,
         -(3 + 41 / 60.0 + 11 / 3600.0),
         656.03,
         {"+40", "0656", "-003.7"}},
        // 51.65° rounds up to the nearest whole degree.
        {51.65, -121.2833, 915.78, {"+52", "0916", "-121.3"}},
        // Just south of the equator: no "-00", the box's zero is "+00".
        {-0.22, 42.5333, 0, {"+00", "0000", "+042.5"}},
        {-34.7663, 138.5367, 0, {"-35", "0000", "+138.5"}},
        // The database's -10 is an unknown height; below sea level the box holds 0.
        {36.46, -116.87, -10, {"+36", "0000", "-116.9"}},
        {36.46, -116.87, -83.92, {"+36", "0000", "-116.9"}},
        {27.99, 86.93, 12000, {"+28", "9999", "+086.9"}},
        {90, 180, 0, {"+90", "0000", "+180.0"}},
        {-90, -180, 0, {"-90", "0000", "-180.0"}},
    };
    for (const auto& c : cases) {
        const SiteTexts site = SiteOfCity(c.lat, c.lon, c.height);
        EXPECT_EQ(site, c.site) << c.lat << " " << c.lon << " " << c.height << ": " << site.Lat
                                << " " << site.Alt << " " << site.Lon;
        EXPECT_TRUE(vagaris::IsLongitudeText(site.Lon)) << site.Lon;
        EXPECT_NO_THROW(vagaris::ComputeSite(site.Lat, site.Alt));  // what the boxes then compute
    }
}

TEST(CitySite, RefusesASiteOffTheEarth) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double lat, lon, height;
    } cases[] = {{90.01, 0, 0}, {-91, 0, 0}, {0, 180.01, 0}, {0, -200, 0},
                 {nan, 0, 0},   {0, nan, 0}, {0, 0, nan}};
    for (const auto& c : cases)
        EXPECT_THROW(SiteOfCity(c.lat, c.lon, c.height), vagaris::EConvertError)
            << c.lat << " " << c.lon << " " << c.height;
}

}  // namespace
