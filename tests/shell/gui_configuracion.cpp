// The Configuración page: defaults, the settings mirror, the site constants on leaving the
// latitude or height, the exclusive pair of motion units and the MPCOrb.dat path.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include "shell/ShellTestWindow.h"

namespace {

class ConfigurationPage : public ::testing::Test {
protected:
    ShellTestWindow w;
    void SetUp() override {
        w.open();
        w.pages()->setCurrentWidget(w.find<QWidget>("tsConf"));
        QApplication::processEvents();
    }
};

TEST_F(ConfigurationPage, FirstRunShowsTheDefaults) {
    EXPECT_EQ(w.text("meLat"), "+40");
    EXPECT_EQ(w.text("meAlt"), "0000");
    EXPECT_EQ(w.text("meRes"), "2.7");
    EXPECT_EQ(w.text("meFWHM"), "5.0");
    EXPECT_EQ(w.text("Label27"), "0.767106");
    EXPECT_EQ(w.text("Label28"), "0.639369");
    EXPECT_TRUE(w.find<QRadioButton>("rbRes")->isChecked());
    EXPECT_TRUE(w.find<QRadioButton>("rgForVel_0")->isChecked());
    EXPECT_TRUE(w.find<QRadioButton>("rbCPol")->isChecked());
    EXPECT_TRUE(w.find<QCheckBox>("cbSegMin")->isChecked());
    EXPECT_FALSE(w.find<QCheckBox>("cbSegHora")->isChecked());
    EXPECT_EQ(w.text("Edit6"), "");
    EXPECT_TRUE(w.find<QLineEdit>("Edit6")->isReadOnly());
    EXPECT_EQ(w.session.settings, vagaris::Settings{});
}

TEST_F(ConfigurationPage, LeavingLatitudeOrHeightRecomputesTheSite) {
    auto* lat = w.find<QLineEdit>("meLat");
    auto* alt = w.find<QLineEdit>("meAlt");
    auto* elsewhere = w.find<QPushButton>("Button24");
    const struct {
        const char* lat;
        const char* alt;
        const char* rhoCos;
        const char* rhoSin;
    } cases[] = {{"+40", "1000", "0.767226", "0.639470"},
                 {"-33", "0500", "0.839570", "-0.541574"},
                 {"+00", "0000", "1.000000", "0.000000"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lat);
        TypeAndLeave(lat, c.lat, alt);
        TypeAndLeave(alt, c.alt, elsewhere);
        EXPECT_EQ(w.text("Label27"), c.rhoCos);
        EXPECT_EQ(w.text("Label28"), c.rhoSin);
        EXPECT_EQ(w.session.settings.Lat, c.lat);
        EXPECT_EQ(w.session.settings.Alt, c.alt);
    }
    EXPECT_TRUE(w.dialogs.shown.empty());
}

TEST_F(ConfigurationPage, AnUnfinishedHeightKeepsTheFocusAndTheSite) {
    auto* alt = w.find<QLineEdit>("meAlt");
    auto* elsewhere = w.find<QPushButton>("Button24");
    TypeAndLeave(alt, "12", elsewhere);
    EXPECT_EQ(QApplication::focusWidget(), alt);
    EXPECT_EQ(w.text("Label27"), "0.767106");
    EXPECT_TRUE(w.dialogs.shown.empty());
}

// A scale of 0 printed no exposure (and a negative one, typed elsewhere, a negative one).
TEST_F(ConfigurationPage, AResolutionOrFwhmOfZeroKeepsTheFocus) {
    auto* elsewhere = w.find<QPushButton>("Button24");
    for (const char* name : {"meRes", "meFWHM"}) {
        auto* box = w.find<QLineEdit>(name);
        TypeAndLeave(box, "0.0", elsewhere);
        EXPECT_EQ(QApplication::focusWidget(), box) << name;
        TypeAndLeave(box, "1.5", elsewhere);
        EXPECT_NE(QApplication::focusWidget(), box) << name;
    }
    EXPECT_EQ(w.session.settings.Res, "1.5");
    EXPECT_EQ(w.session.settings.FWHM, "1.5");
    EXPECT_TRUE(w.dialogs.shown.empty());
}

TEST_F(ConfigurationPage, MotionUnitsStayExclusive) {
    auto* perMinute = w.find<QCheckBox>("cbSegMin");
    auto* perHour = w.find<QCheckBox>("cbSegHora");
    perMinute->click();  // unchecking one checks the other
    EXPECT_FALSE(perMinute->isChecked());
    EXPECT_TRUE(perHour->isChecked());
    EXPECT_FALSE(w.session.settings.PerMinute);
    perMinute->click();
    EXPECT_TRUE(perMinute->isChecked());
    EXPECT_FALSE(perHour->isChecked());
    perHour->click();
    EXPECT_TRUE(perHour->isChecked());
    EXPECT_FALSE(perMinute->isChecked());
    perHour->setChecked(false);  // from program code too
    EXPECT_TRUE(perMinute->isChecked());
    EXPECT_TRUE(w.session.settings.PerMinute);
}

TEST_F(ConfigurationPage, ControlsWriteTheSettings) {
    w.find<QRadioButton>("rbFWHM")->click();
    w.find<QRadioButton>("rbCCarte")->click();
    w.find<QRadioButton>("rgForVel_1")->click();
    TypeAndLeave(w.find<QLineEdit>("meFWHM"), "3.5", w.find<QPushButton>("Button24"));
    EXPECT_FALSE(w.session.settings.UseResolution);
    EXPECT_FALSE(w.session.settings.Polar);
    EXPECT_EQ(w.session.settings.ExposureFormat, 1);
    EXPECT_EQ(w.session.settings.FWHM, "3.5");
}

TEST_F(ConfigurationPage, LocalizarFillsThePathUnlessCancelled) {
    auto* localizar = w.find<QPushButton>("Button24");
    EXPECT_EQ(localizar->text(), "Localizar...");
    w.dialogs.openAnswers = {"/data/MPCORB.DAT", ""};
    localizar->click();
    EXPECT_EQ(w.text("Edit6"), "/data/MPCORB.DAT");
    EXPECT_EQ(w.session.settings.MpcOrbPath, "/data/MPCORB.DAT");
    localizar->click();  // cancelled
    EXPECT_EQ(w.text("Edit6"), "/data/MPCORB.DAT");
}

}  // namespace
