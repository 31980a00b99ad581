// The observer as typed values: every form the Configuración page's boxes and the settings
// file's lines can hold, read once by the one parser, and what each model reads of them.
#include <gtest/gtest.h>

#include <string>

#include "core/Observer.h"
#include "core/Session.h"
#include "tests/support/ConversionError.h"

using namespace vagaris;

using test::ErrorOf;

TEST(Observer, ReadsTheLatitudeBoxInEveryFormItHolds) {
    // The box's mask "#00": a sign (or a blank for +) and two digits, whole degrees.
    const struct {
        const char* text;
        double degrees;
    } cases[] = {{"+40", 40}, {"-05", -5},  {"+00", 0}, {"-00", 0}, {" 40", 40},
                 {"+90", 90}, {"-90", -90}, {"40", 0},  {"+4", 4},  {"-33", -33}};
    for (const auto& c : cases) EXPECT_EQ(LatitudeFromBoxText(c.text), c.degrees) << c.text;
    // "40" reads its characters 2-3 ("0") as the computations always have.
    const struct {
        const char* text;
        const char* message;
    } bad[] = {{"+4x", "'4x' is not a valid integer value"},
               {"", "'' is not a valid integer value"},
               {"+__", "'__' is not a valid integer value"}};
    for (const auto& b : bad) EXPECT_EQ(ErrorOf([&] { LatitudeFromBoxText(b.text); }), b.message);
}

TEST(Observer, EachModelReadsWhatItUsesInTheOrderOfConversion) {
    Settings s;
    s.Lat = "-33";
    s.Lon = "+149.1";
    s.Alt = "1165";
    Observer standard = ObserverFromSettings(s);
    EXPECT_FALSE(standard.precise());
    EXPECT_EQ(standard.latitudeDeg, -33);
    EXPECT_EQ(standard.longitudeDeg, 0);  // geocentric places: the longitude is not read
    EXPECT_EQ(standard.heightMetres, 0);

    s.Model = "precise";
    s.GeocentricPlace = true;
    s.TwoBodyPlace = true;
    const Observer precise = ObserverFromSettings(s);
    EXPECT_TRUE(precise.precise());
    EXPECT_EQ(precise.latitudeDeg, -33);
    EXPECT_DOUBLE_EQ(precise.longitudeDeg, 149.1);
    EXPECT_EQ(precise.heightMetres, 1165);
    EXPECT_EQ(precise.centre, PlaceCentre::Geocentre);
    EXPECT_EQ(precise.forces, PreciseForces::TwoBody);

    // A longitude that does not convert stops the precise model only; the height is read
    // first there, the latitude first in the night's list.
    s.Lon = "+0a0.0";
    s.Alt = "12x4";
    EXPECT_EQ(ErrorOf([&] { ObserverFromSettings(s); }), "'12x4' is not a valid integer value");
    s.Lat = "+4x";
    EXPECT_EQ(ErrorOf([&] { SiteObserverFromSettings(s); }), "'4x' is not a valid integer value");
    s.Lat = "+40";
    EXPECT_EQ(ErrorOf([&] { SiteObserverFromSettings(s); }),
              "'+0a0.0' is not a valid floating point value");
    s.Model = "std";
    EXPECT_EQ(ObserverFromSettings(s).latitudeDeg, 40);
    EXPECT_EQ(ErrorOf([&] { SiteObserverFromSettings(s); }),
              "'+0a0.0' is not a valid floating point value");
}
