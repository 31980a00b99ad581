// A user typing wrong things into every box of the Selección and Configuración pages and
// pressing every button: the boxes hold the focus instead of accepting a bad text, a failed
// conversion ends in an error box with its text, nothing crashes or hangs, and the window
// still computes afterwards.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QToolButton>
#include <QWheelEvent>

#include "core/Circumstances.h"
#include "shell/ShellTestWindow.h"
#include "toolkit/TFCalen.h"

namespace {

void ClickTab(QTabBar* bar, int index) {
    const QPoint at = bar->tabRect(index).center();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), QPointF(bar->mapToGlobal(at)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), QPointF(bar->mapToGlobal(at)),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &release);
    QApplication::processEvents();
}

class Robustness : public ::testing::Test {
protected:
    ShellTestWindow w;

    void SetUp() override {
        w.home.copySample("CometsCR.dat");
        w.open();
        ClickWithMouse(w.find<QRadioButton>("rbCom"));
        ASSERT_EQ(w.text("eFecha").isEmpty(), false);
        ASSERT_TRUE(w.dialogs.shown.empty());
    }
    QLineEdit* box(const char* name) { return w.find<QLineEdit>(name); }
    void click(const char* button) { w.find<QAbstractButton>(button)->click(); }
    QStringList resultTexts() {
        QStringList out;
        for (const char* l :
             {"Label34", "Label12", "Label13", "Label35", "Label14", "Label15", "Label38",
              "Label39", "Label69", "Label70", "Label71", "Label72", "Label16"})
            out << w.text(l);
        return out;
    }
    // The window still answers: a good date and "Calcular" compute the page.
    void expectStillComputes() {
        TypeKeys(box("meFecha"), "15082025");
        TypeKeys(box("meHora"), "030405");
        w.dialogs.clear();
        click("Button1");
        EXPECT_TRUE(w.dialogs.shown.empty());
        vagaris::Session s;
        s.settings = w.session.settings;
        s.Elements = w.session.Elements;
        s.CurrentInstant = vagaris::EncodeDate(2025, 8, 15) + vagaris::EncodeTime(3, 4, 5);
        ASSERT_TRUE(vagaris::ComputeCircumstances(s, vagaris::CircumstanceMode::R));
        EXPECT_EQ(w.text("Label12").toStdString(), vagaris::SelectionPageTexts(s).values[1].text);
    }
};

TEST_F(Robustness, WrongDatesAndTimesKeepTheFocusAndCalcularReportsThem) {
    const struct {
        const char* box;
        const char* typed;    // keys pressed
        const char* message;  // the error of "Calcular"
    } cases[] = {
        {"meFecha", "29022011", "'29/02/2011' is not a valid date"},
        {"meFecha", "00000000", "'00/00/0000' is not a valid date"},
        {"meFecha", "31131999", "'31/13/1999' is not a valid date"},
        {"meFecha", "3112", "'31/12/    ' is not a valid date"},
        {"meFecha", "ab-+.x ", "'  /  /    ' is not a valid date"},
        {"meHora", "236000", "'23:60:00' is not a valid time"},
        {"meHora", "995959", "'99:59:59' is not a valid time"},
        {"meHora", "1", "'1 :  :  ' is not a valid time"},
        {"meHora", "xyz", "'  :  :  ' is not a valid time"},
    };
    const QStringList before = resultTexts();
    const vagaris::Instant instant = w.session.CurrentInstant;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " " + c.typed);
        TypeKeys(box("meFecha"), "01052024");
        TypeKeys(box("meHora"), "213000");
        QLineEdit* edit = box(c.box);
        TypeKeys(edit, QString::fromLatin1(c.typed));
        TabOut(edit);
        EXPECT_EQ(QApplication::focusWidget(), edit);  // held, without a message
        EXPECT_TRUE(w.dialogs.shown.empty());

        w.dialogs.clear();
        click("Button1");  // "Calcular"
        EXPECT_EQ(w.dialogs.texts("error"), QStringList{QString::fromUtf8(c.message)});
        EXPECT_EQ(w.session.CurrentInstant, instant);
        EXPECT_EQ(resultTexts(), before);

        // The picker cannot open on a date that does not convert.
        if (QLatin1String(c.box) == QLatin1String("meFecha")) {
            bool opened = false;
            w.dialogs.onExec = [&](QDialog&) {
                opened = true;
                return int(QDialog::Accepted);
            };
            w.dialogs.clear();
            click("Button10");
            EXPECT_FALSE(opened);
            EXPECT_EQ(w.dialogs.texts("error"), QStringList{QString::fromUtf8(c.message)});
            w.dialogs.onExec = nullptr;
        }
        w.dialogs.clear();
    }
    expectStillComputes();
}

TEST_F(Robustness, MidnightOfTheNextDayPassesTheBoxButNotCalcular) {
    TypeKeys(box("meHora"), "240000");
    TabOut(box("meHora"));
    EXPECT_NE(QApplication::focusWidget(), box("meHora"));
    click("Button1");
    EXPECT_EQ(w.dialogs.texts("error"), QStringList{"'24:00:00' is not a valid time"});
    expectStillComputes();
}

TEST_F(Robustness, AhoraPickerAndEveryStepAnswer) {
    click("Button6");  // "Ahora"
    EXPECT_EQ(w.session.CurrentInstant, w.now);
    EXPECT_EQ(w.text("meFecha"), "01/05/2024");

    // The picker: accepted on the 31st of a month, then cancelled.
    w.dialogs.onExec = [](QDialog& d) {
        auto& picker = static_cast<TFCalen&>(d);
        picker.setDate(QDate(2030, 1, 31));
        return int(QDialog::Accepted);
    };
    click("Button10");
    EXPECT_EQ(w.text("meFecha"), "31/01/2030");
    EXPECT_EQ(w.text("meHora"), "00:00:00");
    w.dialogs.onExec = nullptr;
    click("Button10");
    EXPECT_EQ(w.text("meFecha"), "31/01/2030");

    // Every amount and unit forward and back; the boxes always show the session's instant.
    auto* dias = w.find<QComboBox>("cbDias2");
    auto* clase = w.find<QComboBox>("cbClase2");
    for (int unit = 0; unit < clase->count(); ++unit) {
        ChooseWithKeys(clase, unit);
        for (int amount = 0; amount < dias->count(); ++amount) {
            ChooseWithKeys(dias, amount);
            click("SpeedButton5");
            click("SpeedButton10");
            EXPECT_EQ(w.text("meFecha").toStdString(),
                      vagaris::FormatInstant("dd/mm/yyyy", w.session.CurrentInstant));
            EXPECT_EQ(w.text("meHora").toStdString(),
                      vagaris::FormatInstant("hh:nn:ss", w.session.CurrentInstant));
        }
    }
    EXPECT_TRUE(w.dialogs.shown.empty()) << w.dialogs.shown.front().text.toStdString();
    expectStillComputes();
}

TEST_F(Robustness, ConfigurationBoxesHoldWrongInputEvenWhenAnotherTabIsChosen) {
    auto* tabs = w.pages()->tabBar();
    const int conf = w.pages()->indexOf(w.find<QWidget>("tsConf"));
    const int suelo = w.pages()->indexOf(w.find<QWidget>("Suelo"));
    ClickTab(tabs, conf);
    ASSERT_EQ(w.currentPage(), "tsConf");
    const QString site27 = w.text("Label27"), site28 = w.text("Label28");

    const struct {
        const char* box;
        const char* typed;
        const char* restore;
    } cases[] = {
        {"meLat", "abc", "+40"}, {"meLat", "-5", "+40"},   {"meLat", "+", "+40"},
        {"meAlt", "12", "0000"}, {"meAlt", "x-1", "0000"}, {"meRes", "x", "2.7"},
        {"meRes", "1", "2.7"},   {"meFWHM", ".", "5.0"},   {"meFWHM", "-", "5.0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " " + c.typed);
        QLineEdit* edit = box(c.box);
        TypeKeys(edit, QString::fromLatin1(c.typed));
        TabOut(edit);
        EXPECT_EQ(QApplication::focusWidget(), edit);
        // Neither a click on another tab, nor the wheel over the tabs, nor Ctrl+Tab leave
        // the box behind on its page.
        ClickTab(tabs, suelo);
        EXPECT_EQ(w.currentPage(), "tsConf");
        QWheelEvent wheel(QPointF(tabs->tabRect(conf).center()),
                          QPointF(tabs->mapToGlobal(tabs->tabRect(conf).center())), QPoint(),
                          QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(tabs, &wheel);
        EXPECT_EQ(w.currentPage(), "tsConf");
        QKeyEvent ctrlTab(QEvent::KeyPress, Qt::Key_Tab, Qt::ControlModifier);
        QApplication::sendEvent(edit, &ctrlTab);
        EXPECT_EQ(w.currentPage(), "tsConf");
        EXPECT_EQ(QApplication::focusWidget(), edit);
        EXPECT_EQ(w.text("Label27"), site27);
        EXPECT_EQ(w.text("Label28"), site28);
        EXPECT_TRUE(w.dialogs.shown.empty());

        TypeKeys(edit, QString::fromLatin1(c.restore));
        TabOut(edit);
        EXPECT_NE(QApplication::focusWidget(), edit);
    }

    // A latitude beyond the poles passes the mask and computes without trouble.
    TypeKeys(box("meLat"), "999");
    TabOut(box("meLat"));
    EXPECT_TRUE(w.dialogs.shown.empty());
    ClickTab(tabs, suelo);
    ASSERT_EQ(w.currentPage(), "Suelo");
    click("Button1");
    EXPECT_TRUE(w.dialogs.shown.empty());
    EXPECT_TRUE(w.text("Label69").endsWith(QStringLiteral("°")));

    ClickTab(tabs, conf);
    TypeKeys(box("meLat"), "+40");
    TabOut(box("meLat"));
    EXPECT_EQ(w.text("Label27"), site27);
    ClickTab(tabs, suelo);
    EXPECT_EQ(w.currentPage(), "Suelo");
    expectStillComputes();
}

TEST_F(Robustness, SearchAndEveryCatalogButtonWithoutFilesAnswer) {
    // Buscar without an MPCOrb.dat path, and the catalogs that are not there.
    TypeKeys(box("Edit5"), "zz 99");
    click("Button3");
    EXPECT_FALSE(w.dialogs.texts("error").isEmpty());
    for (const char* name : {"rbNEO", "rbCrit", "rbLej", "rbBri"}) {
        w.dialogs.clear();
        w.pages()->setCurrentWidget(w.find<QWidget>("Suelo"));
        ClickWithMouse(w.find<QRadioButton>(name));
        EXPECT_EQ(w.dialogs.texts("error"),
                  QStringList{"Archivo de elementos orbitales no encontrado"});
        EXPECT_EQ(w.currentPage(), "tsDescargas");
    }
    w.pages()->setCurrentWidget(w.find<QWidget>("Suelo"));
    expectStillComputes();
}

}  // namespace
