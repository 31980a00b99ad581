#pragma once
// The main window on a temporary program directory with a fixed clock, answered by
// FakeDialogs, and small helpers that act on controls the way a user does.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTabWidget>
#include <algorithm>
#include <memory>

#include "core/Session.h"
#include "core/Time.h"
#include "toolkit/AppController.h"
#include "shell/TFAtmo.h"
#include "support/FakeDialogs.h"
#include "support/TestHome.h"

struct ShellTestWindow {
    TestHome home;
    FakeDialogs dialogs;
    vagaris::Session session;
    vagaris::Instant now = vagaris::EncodeDate(2024, 5, 1) + vagaris::EncodeTime(21, 30, 0);
    std::unique_ptr<TFAtmo> window;

    // Creates the window (after the test has put its files into home.dir).
    TFAtmo& open() {
        session.clock = [this] { return now; };
        window = std::make_unique<TFAtmo>(session, dialogs);
        window->show();
        window->activateWindow();
        QApplication::processEvents();
        return *window;
    }
    // A control by name: the Selección page's own first (other pages and dialogs reuse
    // names such as Button1), else the first one in the window.
    template <class T>
    T* find(const char* name) const {
        const QString n = QString::fromLatin1(name);
        if (auto* suelo = window->findChild<QWidget*>(QStringLiteral("Suelo")))
            if (auto* own = suelo->findChild<T*>(n)) return own;
        return window->findChild<T*>(n);
    }
    QString text(const char* labelOrEdit) const {
        if (auto* l = find<QLabel>(labelOrEdit)) return l->text();
        if (auto* e = find<QLineEdit>(labelOrEdit)) return e->text();
        return QStringLiteral("<missing %1>").arg(QString::fromLatin1(labelOrEdit));
    }
    QTabWidget* pages() const { return find<QTabWidget>("PageControl1"); }
    // Opens the window on the sample comet catalog (object 0 current, the file's age warning
    // dismissed) and makes the tab `tabName` the active page. Returns that page.
    QWidget* openOnPage(const char* tabName) {
        home.copySample("CometsCR.dat");
        open();
        window->app().loadCatalog(0);
        dialogs.clear();
        QWidget* page = find<QWidget>(tabName);
        if (page) pages()->setCurrentWidget(page);
        QApplication::processEvents();
        return page;
    }
    QString currentPage() const { return pages()->currentWidget()->objectName(); }
};

// A control of one page by name (several pages reuse names); a missing one fails the test.
template <class T>
T* PageChild(QWidget* page, const char* name) {
    T* c = page->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

// A press and release of the left mouse button near the left end of `w` (on the mark of a
// radio button or check box, whose caption may be shorter than the widget).
inline void ClickWithMouse(QWidget* w) {
    const QPoint at(std::min(8, w->width() / 2), w->height() / 2);
    const QPointF local = QPointF(at);
    const QPointF global = QPointF(w->mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

inline void PressKey(QWidget* w, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

// Moves a drop-down list to `index` with the arrow keys, as a user choosing an item does.
inline void ChooseWithKeys(QComboBox* box, int index) {
    while (box->currentIndex() < index) PressKey(box, Qt::Key_Down);
    while (box->currentIndex() > index) PressKey(box, Qt::Key_Up);
}

// Keys as a user types them into an emptied box, one press and release per character; the
// box's mask decides what it takes.
inline void TypeKeys(QLineEdit* box, const QString& keys) {
    box->setFocus(Qt::MouseFocusReason);
    box->selectAll();
    PressKey(box, Qt::Key_Delete);
    PressKey(box, Qt::Key_Home);
    for (QChar c : keys) {
        const int key = c.toUpper().unicode();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &release);
    }
}

// Tab out of the box, as the keyboard does, and let the exit check run.
inline void TabOut(QLineEdit* box) {
    PressKey(box, Qt::Key_Tab);
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

// Puts the focus into `box`, replaces its text and moves the focus to `next`.
inline void TypeAndLeave(QLineEdit* box, const QString& text, QWidget* next) {
    box->setFocus(Qt::MouseFocusReason);
    box->setText(text);
    next->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
}
