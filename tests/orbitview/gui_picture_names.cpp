// The picture names the save dialogs propose, from an object whose name holds characters no
// file name may hold ("/" beyond the designation's first, "\", ":", "*", ...): the Orbita
// page's picture and sequence, the Tablas page's chart. The proposed name must be one file
// in the folder the dialog opens, not a path into folders that do not exist.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTabWidget>
#include <QToolButton>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "core/Session.h"
#include "core/Time.h"
#include "toolkit/AppController.h"
#include "shell/TFAtmo.h"
#include "support/FakeDialogs.h"
#include "support/TestHome.h"

namespace {

// A comet line of the sample catalog's layout under a hostile name (47 columns).
const std::string kHostileName = "C/2099 A:1\\b*? (x/y<z>|\"q\")";

std::string CatalogWithHostileName() {
    std::string name = kHostileName;
    name.resize(47, ' ');
    return name +
           "2028 09 13.9112  1.278630       0.934990 335.5233 172.3283  37.8877   13.5   4.0\r\n";
}

struct HostileNameWindow {
    TestHome home;
    FakeDialogs dialogs;
    vagaris::Session session;
    std::unique_ptr<TFAtmo> window;

    HostileNameWindow() {
        std::ofstream(home.dir / "CometsCR.dat", std::ios::binary) << CatalogWithHostileName();
        session.clock = [] { return vagaris::EncodeDate(2024, 5, 1) + 0.9; };
        window = std::make_unique<TFAtmo>(session, dialogs);
        window->app().loadCatalog(0);
        window->show();
        QApplication::processEvents();
    }
    // Shows a page and presses one of its buttons; the save dialog is cancelled.
    QString proposedBy(const char* pageName, const char* buttonName) {
        auto* pages = window->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        pages->setCurrentWidget(window->findChild<QWidget*>(QString::fromLatin1(pageName)));
        QApplication::processEvents();
        dialogs.lastSaveProposed = QStringLiteral("<no dialog>");
        window->findChild<QAbstractButton*>(QString::fromLatin1(buttonName))->click();
        return dialogs.lastSaveProposed;
    }
};

}  // namespace

TEST(ProposedPictureNames, CharactersNoFileNameHoldsBecomeUnderscores) {
    HostileNameWindow w;
    EXPECT_EQ(w.proposedBy("tsOrbita", "SpeedButton27"), "C_2099 A_1_b__ (x_y_z___q_)_orbita");
    EXPECT_EQ(w.proposedBy("tsOrbita", "SpeedButton11"), "C_2099 A_1_b__ (x_y_z___q_)_orbita");
    // The chart's name keeps two words without blanks and drops "/", as before.
    EXPECT_EQ(w.proposedBy("tsTablas", "SpeedButton20"), "C2099A_1_b___Mag");
    EXPECT_TRUE(w.dialogs.texts("error").isEmpty())
        << w.dialogs.texts("error").join("; ").toStdString();
}
