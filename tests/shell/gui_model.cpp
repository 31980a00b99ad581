// The model choice on the Configuración page: it recomputes the Selección results at once,
// shows the precise model's line only while it is chosen, gives back the standard texts
// unchanged, is kept in the settings file and refuses dates outside its years in a box.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <map>
#include <string>

#include "core/Circumstances.h"
#include "core/precise/PreciseSession.h"
#include "shell/ShellTestWindow.h"
#include "support/FileBytes.h"

namespace {

using vagaris::SelectionQuantity;

// Every result label of the Selección page by its objectName, the period's included.
std::map<std::string, std::string> ResultTexts(const ShellTestWindow& w) {
    std::map<std::string, std::string> out;
    using Q = SelectionQuantity;
    for (const Q q : {Q::RightAscension, Q::Declination, Q::Delta, Q::SunDistance, Q::Magnitude,
                      Q::Speed, Q::Elongation, Q::PhaseAngle, Q::MaxAltitude, Q::Motion,
                      Q::PositionAngle, Q::MaxExposure, Q::Period}) {
        const char* name = vagaris::InfoOf(q).objectName;
        out[name] = w.text(name).toStdString();
    }
    return out;
}

// What the page must show for the current object with these settings, computed apart.
std::map<std::string, std::string> Expected(const ShellTestWindow& w,
                                            const vagaris::Settings& settings) {
    vagaris::Session s = w.session;
    s.settings = settings;
    EXPECT_TRUE(vagaris::ComputeCircumstances(s, vagaris::CircumstanceMode::R));
    std::map<std::string, std::string> out;
    for (const auto& v : vagaris::SelectionPageTexts(s).values)
        out[vagaris::InfoOf(v.quantity).objectName] = v.text;
    return out;
}

class ModelChoice : public ::testing::Test {
protected:
    ShellTestWindow w;

    QComboBox* modelBox() { return w.find<QComboBox>("cbModelo"); }
    QLabel* modelLine() { return w.find<QLabel>("lbModeloPreciso"); }
    bool modelLineShown() { return modelLine()->isVisibleTo(w.find<QWidget>("Suelo")); }
};

TEST_F(ModelChoice, SwitchingRecomputesAndSwitchingBackGivesTheStandardTexts) {
    QWidget* conf = w.openOnPage("tsConf");
    ASSERT_NE(conf, nullptr);
    ASSERT_NE(modelBox(), nullptr);
    ASSERT_NE(modelLine(), nullptr);
    EXPECT_EQ(modelBox()->currentText(), "Estándar");
    EXPECT_EQ(modelBox()->itemText(1), "Preciso");
    EXPECT_FALSE(modelLineShown());
    const auto standard = ResultTexts(w);
    EXPECT_EQ(standard, Expected(w, vagaris::Settings{}));

    ChooseWithKeys(modelBox(), 1);
    EXPECT_EQ(w.session.settings.Model, "precise");
    EXPECT_TRUE(modelLineShown());
    EXPECT_EQ(modelLine()->text().toStdString(), vagaris::kPreciseModelLine);
    const auto precise = ResultTexts(w);
    EXPECT_EQ(precise, Expected(w, w.session.settings));
    // Arcseconds apart: the right ascension's hundredths of a second and the distance's
    // fourth decimal show it.
    EXPECT_NE(precise.at(vagaris::InfoOf(SelectionQuantity::RightAscension).objectName),
              standard.at(vagaris::InfoOf(SelectionQuantity::RightAscension).objectName));
    EXPECT_NE(precise.at(vagaris::InfoOf(SelectionQuantity::Delta).objectName),
              standard.at(vagaris::InfoOf(SelectionQuantity::Delta).objectName));
    w.pages()->setCurrentWidget(w.find<QWidget>("Suelo"));
    QApplication::processEvents();
    EXPECT_TRUE(modelLine()->isVisible());
    EXPECT_EQ(ResultTexts(w), precise);

    w.pages()->setCurrentWidget(conf);
    ChooseWithKeys(modelBox(), 0);
    EXPECT_EQ(w.session.settings.Model, "std");
    EXPECT_FALSE(modelLineShown());
    EXPECT_EQ(ResultTexts(w), standard);
    EXPECT_TRUE(w.dialogs.shown.empty());
}

TEST_F(ModelChoice, TheChoiceIsSavedAsLine13AndReadBack) {
    w.openOnPage("tsConf");
    ChooseWithKeys(modelBox(), 1);
    w.window->close();
    EXPECT_EQ(vagaris::test::ReadBytes(w.home.dir / "vagaris.ini"),
              "+40\r\n0000\r\n2.7\r\n5.0\r\n000\r\n0\r\n\r\nPOL\r\nSM\r\n+000.0\r\nmag\r\nauto\r\n"
              "precise\r\n");

    ShellTestWindow again;
    again.home.copySample("CometsCR.dat");
    std::filesystem::copy_file(w.home.dir / "vagaris.ini", again.home.dir / "vagaris.ini");
    again.open();
    again.window->app().loadCatalog(0);
    EXPECT_EQ(again.session.settings.Model, "precise");
    EXPECT_EQ(again.find<QComboBox>("cbModelo")->currentIndex(), 1);
    EXPECT_TRUE(again.find<QLabel>("lbModeloPreciso")->isVisible());
    EXPECT_EQ(ResultTexts(again), Expected(again, again.session.settings));
}

TEST_F(ModelChoice, DatesOutsideThePreciseYearsAreRefusedInABox) {
    w.openOnPage("tsConf");
    ChooseWithKeys(modelBox(), 1);
    w.pages()->setCurrentWidget(w.find<QWidget>("Suelo"));
    QApplication::processEvents();
    const auto before = ResultTexts(w);
    w.dialogs.clear();
    w.find<QLineEdit>("meFecha")->setText("01/01/3000");
    w.find<QPushButton>("Button1")->click();
    EXPECT_EQ(w.dialogs.texts("error"), QStringList{vagaris::kPreciseRangeMessage});
    EXPECT_EQ(ResultTexts(w), before);

    // The standard model computes that date as it always did.
    w.dialogs.clear();
    w.session.settings.Model = "std";
    w.find<QPushButton>("Button1")->click();
    EXPECT_TRUE(w.dialogs.shown.empty());
    EXPECT_EQ(ResultTexts(w), Expected(w, vagaris::Settings{}));
}

}  // namespace
