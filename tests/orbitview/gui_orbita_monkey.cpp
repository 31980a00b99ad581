// The Orbita page used roughly: extreme scroll bar values, long drags, every toggle, the step
// buttons with every unit far beyond the calendar, odd frame counts and paths. Nothing may
// crash or hang, a failure shows one error box, and the page still answers afterwards.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <filesystem>

#include "core/Angles.h"
#include "orbitview/OrbitaPage.h"
#include "orbitview/OrbitTestWindow.h"

namespace fs = std::filesystem;
using vagaris::RedrawMode;

namespace {

// Paints the box the way the screen would, so the paint handler runs on the state reached.
void PaintNow(OrbitTestWindow& w) {
    (void)w.paintBox()->grab();
    QApplication::processEvents();
}

// The page still draws and steps: one day forward gives a new picture without an error.
void ExpectPageAnswers(OrbitTestWindow& w) {
    w.dialogs.clear();
    w.window->app().chooseObject(0);
    w.choose("cbDias", 0);
    w.choose("cbClase", 3);
    const vagaris::Instant before = w.session.CurrentInstant;
    w.click("SpeedButton8");
    EXPECT_NEAR(w.session.CurrentInstant, before + 1, 1e-9);
    PaintNow(w);
    EXPECT_TRUE(w.dialogs.texts("error").isEmpty())
        << w.dialogs.texts("error").join(' ').toStdString();
    EXPECT_EQ(w.page->capturePicture().size(), w.paintBox()->size());
}

void TypeInto(QWidget* widget, const QString& text) {
    widget->setFocus();
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(widget, &enter);
}

}  // namespace

TEST(OrbitaMonkey, ScrollBarsAtAndBeyondTheirEnds) {
    OrbitTestWindow w;
    w.open();
    w.loadComets();
    for (const char* p : {"sbMer", "sbVen", "sbMar", "sbJup", "sbSat", "sbUr", "sbNep", "sbPlano"})
        w.click(p);
    const struct {
        const char* bar;
        int pushedTo, stays;
    } ends[] = {{"ScrollBar1", -1000, 0},   {"ScrollBar1", 100000, 360},
                {"ScrollBar2", -5, 5},      {"ScrollBar2", 100000, 1000},
                {"ScrollBar3", -1000, -90}, {"ScrollBar3", 1000, 90}};
    for (const auto& e : ends) {
        auto* bar = w.find<QScrollBar>(e.bar);
        bar->setValue(e.pushedTo);
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        bar->triggerAction(QAbstractSlider::SliderPageStepSub);
        bar->setValue(e.pushedTo);
        EXPECT_EQ(bar->value(), e.stays) << e.bar;
        PaintNow(w);
    }
    const vagaris::OrbitView v = w.page->sceneOptions().view;
    EXPECT_DOUBLE_EQ(v.Azimuth, vagaris::Rad(360));
    EXPECT_DOUBLE_EQ(v.Scale, 100.0);
    EXPECT_DOUBLE_EQ(v.Tilt, vagaris::Rad(90));
    w.find<QScrollBar>("ScrollBar2")->setValue(5);  // 0.5 AU: Neptune far off the box
    PaintNow(w);
    EXPECT_EQ(w.page->sceneOptions().dateLine, RedrawMode::ViewOnly);
    EXPECT_TRUE(w.dialogs.texts("error").isEmpty());
    ExpectPageAnswers(w);
}

TEST(OrbitaMonkey, LongDragsWithAnyButton) {
    OrbitTestWindow w;
    w.open();
    w.loadComets();
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        w.mouse(QEvent::MouseButtonPress, {200, 200}, button);
        for (int k = 1; k <= 50; ++k) {
            w.mouse(QEvent::MouseMove, {200 + k * 40000, 200 - k * 40000}, button);
            if (k % 10 == 0) PaintNow(w);
        }
        w.mouse(QEvent::MouseButtonRelease, {200 + 50 * 40000, 200 - 50 * 40000}, button);
    }
    // Three drags of 2,000,000 pixels each, one after the other.
    EXPECT_EQ(w.page->sceneOptions().view.PanX, 3 * 50 * 40000);
    EXPECT_EQ(w.page->sceneOptions().view.PanY, -3 * 50 * 40000);
    EXPECT_EQ(w.page->capturePicture().size(), QSize(430, 469));
    w.drag({0, 0}, {-6000000, 6000000});  // and back past the start
    EXPECT_EQ(w.page->sceneOptions().view.PanX, 0);
    EXPECT_EQ(w.page->sceneOptions().view.PanY, 0);
    w.mouse(QEvent::MouseMove, {300, 300});  // no button down: nothing moves
    EXPECT_EQ(w.page->sceneOptions().view.PanX, 0);
    EXPECT_TRUE(w.dialogs.texts("error").isEmpty());
    ExpectPageAnswers(w);
}

TEST(OrbitaMonkey, EveryToggleTwiceAndParaWebBackAndForth) {
    OrbitTestWindow w;
    w.open(/*extendedMode=*/true);
    w.loadComets();
    const char* toggles[] = {"sbMer", "sbVen", "sbMar", "sbJup",
                             "sbSat", "sbUr",  "sbNep", "sbPlano"};
    for (int round = 0; round < 2; ++round) {
        for (const char* t : toggles) {
            w.click(t);
            EXPECT_EQ(w.find<QToolButton>(t)->isChecked(), round == 0) << t;
            PaintNow(w);
        }
        auto* web = w.find<QCheckBox>("cbWeb");
        web->click();
        PaintNow(w);
        web->click();
        PaintNow(w);
        w.click("SpeedButton4");
        w.click("SpeedButton14");
        w.click("SpeedButton14");
    }
    const vagaris::OrbitSceneOptions o = w.page->sceneOptions();
    for (bool planet : o.planets) EXPECT_FALSE(planet);
    EXPECT_TRUE(o.eclipticSquare) << "unchecking \"Para web\" presses sbPlano";
    EXPECT_EQ(w.paintBox()->size(), QSize(424, 403));
    EXPECT_TRUE(w.dialogs.texts("error").isEmpty());
    ExpectPageAnswers(w);
}

TEST(OrbitaMonkey, StepButtonsWithEveryUnitAndAmount) {
    OrbitTestWindow w;
    w.open();
    w.loadComets();
    auto* dias = w.find<QComboBox>("cbDias");
    auto* clase = w.find<QComboBox>("cbClase");
    for (int unit = 0; unit < clase->count(); ++unit) {
        for (int amount = 0; amount < dias->count(); ++amount) {
            w.choose("cbClase", unit);
            w.choose("cbDias", amount);
            const vagaris::Instant before = w.session.CurrentInstant;
            w.click("SpeedButton8");
            EXPECT_GT(w.session.CurrentInstant, before) << unit << " " << amount;
            w.click("SpeedButton9");
            // Months cut the day of the month; the other units come back exactly.
            if (unit > 1) {
                EXPECT_NEAR(w.session.CurrentInstant, before, 1e-6) << unit << " " << amount;
            }
        }
        PaintNow(w);
    }
    EXPECT_TRUE(w.dialogs.texts("error").isEmpty());
    ExpectPageAnswers(w);
}

TEST(OrbitaMonkey, StepsFarBeyondTheCalendarReportAndRecover) {
    OrbitTestWindow w;
    w.open();
    w.loadComets();
    w.choose("cbDias", 6);   // 30
    w.choose("cbClase", 0);  // Años
    for (const char* button : {"SpeedButton8", "SpeedButton9"}) {
        for (int k = 0; k < 400 && w.dialogs.shown.empty(); ++k) w.click(button);
        PaintNow(w);
        // Whatever the calendar's end gives, the page goes on drawing and is told once per click.
        w.click(button);
        PaintNow(w);
        w.dialogs.clear();
        w.window->app().chooseObject(0);
    }
    ExpectPageAnswers(w);
}

TEST(OrbitaMonkey, FrameCountBoxAndOddSequencePaths) {
    OrbitTestWindow w;
    w.open();
    w.loadComets();
    auto* upDown = w.find<QSpinBox>("UpDown1");
    auto* edit = w.page->findChild<QLineEdit*>("Edit1");
    ASSERT_NE(edit, nullptr);
    for (const char* typed : {"abc", "-5", "1e3", "500", ""}) {
        edit->selectAll();
        TypeInto(edit, QString::fromLatin1(typed));
        EXPECT_GE(upDown->value(), 0) << typed;
        EXPECT_LE(upDown->value(), 100) << typed;
    }
    // Zero frames: the dialog runs, nothing is written, the instant stays.
    upDown->setValue(0);
    const vagaris::Instant start = w.session.CurrentInstant;
    w.dialogs.saveAnswers.push_back(QString::fromStdString(w.path("zero.gif")));
    w.click("SpeedButton11");
    EXPECT_TRUE(w.dialogs.saveAnswers.empty()) << "the dialog ran";
    EXPECT_EQ(w.session.CurrentInstant, start);
    // A cancelled dialog, for one picture and for a sequence.
    upDown->setValue(2);
    w.click("SpeedButton27");
    w.click("SpeedButton11");
    EXPECT_EQ(w.session.CurrentInstant, start);
    EXPECT_EQ(std::distance(fs::directory_iterator(w.home.dir), fs::directory_iterator()), 1)
        << "only the catalog";
    // A path without an extension gives bitmap frames; a missing folder gives one error box.
    w.dialogs.saveAnswers.push_back(QString::fromStdString(w.path("noext")));
    w.click("SpeedButton11");
    EXPECT_TRUE(fs::exists(w.home.dir / "noext_01.bmp"));
    EXPECT_TRUE(fs::exists(w.home.dir / "noext_02.bmp"));
    EXPECT_TRUE(w.dialogs.texts("error").isEmpty());
    w.dialogs.saveAnswers.push_back(QString::fromStdString(w.path("missing/x.gif")));
    w.click("SpeedButton11");
    EXPECT_EQ(w.dialogs.texts("error").size(), 1);
    w.dialogs.saveAnswers.push_back(QString::fromStdString(w.path("missing/y.bmp")));
    w.click("SpeedButton27");
    EXPECT_EQ(w.dialogs.texts("error").size(), 2);
    ExpectPageAnswers(w);
}

// A resize of the paint box repaints it, and a paint always shows the full date and time:
// the day with decimals belongs to the redraw of a scroll bar alone.
TEST(OrbitaMonkey, ParaWebAfterAScrollBarShowsTheFullDateLine) {
    OrbitTestWindow w;
    w.open(/*extendedMode=*/true);
    w.loadComets();
    w.find<QScrollBar>("ScrollBar3")->setValue(30);
    ASSERT_EQ(w.page->sceneOptions().dateLine, RedrawMode::ViewOnly);
    auto* web = w.find<QCheckBox>("cbWeb");
    web->click();
    web->click();
    EXPECT_EQ(w.page->sceneOptions().dateLine, RedrawMode::Recompute);
}
