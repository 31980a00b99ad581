// The busy cursor stands over the window for the whole load of a catalog chosen with its
// radio button, and is taken away afterwards.
#include <gtest/gtest.h>

#include <QCursor>
#include <QRadioButton>
#include <vector>

#include "shell/ShellTestWindow.h"

namespace {

// The override cursor's shape now, -1 when none is set.
int OverrideShape() {
    const QCursor* cursor = QApplication::overrideCursor();
    return cursor ? int(cursor->shape()) : -1;
}

TEST(BusyCursor, IsShownWhileACatalogLoads) {
    ShellTestWindow w;
    w.home.copySample("CometsCR.dat");
    w.open();
    ASSERT_EQ(OverrideShape(), -1);
    // What the cursor is when the load fills the selectors and cuts the first object.
    std::vector<int> during;
    AppController& app = w.window->app();
    QObject::connect(&app, &AppController::selectorsReset,
                     [&] { during.push_back(OverrideShape()); });
    QObject::connect(&app, &AppController::elementsChanged,
                     [&] { during.push_back(OverrideShape()); });
    ClickWithMouse(w.find<QRadioButton>("rbCom"));
    ASSERT_EQ(during.size(), 2u);
    EXPECT_EQ(during[0], int(Qt::WaitCursor));
    EXPECT_EQ(during[1], int(Qt::WaitCursor));
    EXPECT_EQ(OverrideShape(), -1);
    EXPECT_EQ(w.session.CatalogLines.size(), 955u);
}

}  // namespace
