#pragma once
// The main window on a temporary program directory holding the comet sample, with a fixed
// clock and FakeDialogs, showing the Orbita page; helpers that act as a user does.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "core/Session.h"
#include "core/Time.h"
#include "orbitview/OrbitaPage.h"
#include "toolkit/AppController.h"
#include "shell/TFAtmo.h"
#include "support/FakeDialogs.h"
#include "support/FileBytes.h"
#include "support/TestHome.h"

struct OrbitTestWindow {
    TestHome home;
    FakeDialogs dialogs;
    vagaris::Session session;
    // 01/05/2024 21:30:00 UT
    vagaris::Instant now = vagaris::EncodeDate(2024, 5, 1) + vagaris::EncodeTime(21, 30, 0);
    std::unique_ptr<TFAtmo> window;
    OrbitaPage* page = nullptr;

    OrbitTestWindow() { home.copySample("CometsCR.dat"); }

    // extendedMode: a marker file beside the program switches "Para web" on.
    void open(bool extendedMode = false) {
        if (extendedMode) std::ofstream(home.dir / "457.txt").put('\n');
        session.clock = [this] { return now; };
        window = std::make_unique<TFAtmo>(session, dialogs);
        window->show();
        page = window->findChild<OrbitaPage*>(QStringLiteral("tsOrbita"));
        auto* pages = window->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        pages->setCurrentWidget(page);
        QApplication::processEvents();
    }
    // Loads the comet catalog (its first object is C/1942 EA (Vaisala)).
    void loadComets() {
        window->app().loadCatalog(0);
        QApplication::processEvents();
    }

    template <class T>
    T* find(const char* name) const {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
    QWidget* paintBox() const { return find<QWidget>("PaintBox1"); }
    void click(const char* button) const { find<QToolButton>(button)->click(); }
    // The user picks an entry of a drop-down list.
    void choose(const char* combo, int index) const {
        auto* c = find<QComboBox>(combo);
        c->setCurrentIndex(index);
        emit c->activated(index);
    }
    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton) const {
        QWidget* w = paintBox();
        QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    void drag(QPoint from, QPoint to) const {
        mouse(QEvent::MouseButtonPress, from);
        mouse(QEvent::MouseMove, to);
        mouse(QEvent::MouseButtonRelease, to);
    }
    std::string path(const std::string& name) const { return (home.dir / name).string(); }
};

inline std::string ReadFileBytes(const std::filesystem::path& p) {
    return vagaris::test::ReadBytes(p);
}
