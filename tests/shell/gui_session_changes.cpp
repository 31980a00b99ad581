// The controller's one path for the current instant and its generic catalog notification:
// every way the Selección page moves the instant emits one currentInstantChanged, which says
// whether the date boxes are rewritten; every catalog load emits one catalogReplaced.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <functional>
#include <vector>

#include "core/Time.h"
#include "toolkit/AppController.h"
#include "shell/ShellTestWindow.h"

namespace {

using Display = AppController::DateDisplay;

// Records the notifications the controller emits while it is alive.
struct Recorder {
    std::vector<Display> instantChanges;
    int catalogReplacements = 0;
    QMetaObject::Connection a, b;
    explicit Recorder(AppController& app) {
        a = QObject::connect(&app, &AppController::currentInstantChanged,
                             [this](Display d) { instantChanges.push_back(d); });
        b = QObject::connect(&app, &AppController::catalogReplaced,
                             [this] { ++catalogReplacements; });
    }
    ~Recorder() {
        QObject::disconnect(a);
        QObject::disconnect(b);
    }
};

TEST(SessionChanges, EachInstantChangeNotifiesOnceAndSaysWhetherTheBoxesFollow) {
    ShellTestWindow w;
    w.openOnPage("Suelo");
    auto* calcular = w.find<QPushButton>("Button1");
    const vagaris::Instant typed = vagaris::EncodeDate(2025, 8, 15) + vagaris::EncodeTime(3, 4, 5);

    struct Case {
        const char* action;
        std::function<void()> run;
        vagaris::Instant instant;
        Display display;
        const char* fecha;
        const char* hora;
    } cases[] = {
        {"Calcular reads the boxes, which already show the value",
         [&] {
             TypeAndLeave(w.find<QLineEdit>("meFecha"), "15/08/2025", calcular);
             TypeAndLeave(w.find<QLineEdit>("meHora"), "03:04:05", calcular);
             calcular->click();
         },
         typed, Display::Keep, "15/08/2025", "03:04:05"},
        {"the step button (one day by default)",
         [&] { w.find<QToolButton>("SpeedButton5")->click(); }, typed + 1, Display::Rewrite,
         "16/08/2025", "03:04:05"},
        {"Ahora", [&] { w.find<QPushButton>("Button6")->click(); }, w.now, Display::Rewrite,
         "01/05/2024", "21:30:00"},
        {"the controller's own path",
         [&] { w.window->app().setCurrentInstant(vagaris::EncodeDate(2011, 3, 5) + 0.75); },
         vagaris::EncodeDate(2011, 3, 5) + 0.75, Display::Rewrite, "05/03/2011", "18:00:00"},
        {"a quiet change leaves the boxes",
         [&] { w.window->app().setCurrentInstant(typed, Display::Keep); }, typed, Display::Keep,
         "05/03/2011", "18:00:00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.action);
        Recorder recorder(w.window->app());
        c.run();
        EXPECT_TRUE(w.dialogs.shown.empty());
        EXPECT_NEAR(w.session.CurrentInstant, c.instant, 1e-9);
        EXPECT_EQ(recorder.instantChanges, std::vector<Display>{c.display});
        EXPECT_EQ(w.text("meFecha"), c.fecha);
        EXPECT_EQ(w.text("meHora"), c.hora);
        EXPECT_EQ(recorder.catalogReplacements, 0);
    }
}

TEST(SessionChanges, ACatalogLoadReplacesTheCatalogOnceAndChoosesItsFirstObjectNow) {
    ShellTestWindow w;
    w.home.copySample("CometsCR.dat");
    w.home.copySample("BrightMinorPlanetsCR.dat");
    w.open();
    for (const char* radio : {"rbCom", "rbBri", "rbCom"}) {
        SCOPED_TRACE(radio);
        w.session.CurrentInstant = 1000;
        Recorder recorder(w.window->app());
        ClickWithMouse(w.find<QRadioButton>(radio));
        w.dialogs.clear();
        EXPECT_EQ(recorder.catalogReplacements, 1);
        EXPECT_EQ(recorder.instantChanges, std::vector<Display>{Display::Rewrite});
        EXPECT_EQ(w.session.CurrentInstant, w.now);
        EXPECT_EQ(w.session.SelectorIndex, 0);
    }
}

}  // namespace
