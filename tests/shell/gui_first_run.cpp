// The window's first start on an empty program folder, and the tab captions at the fixed
// window size.
#include <gtest/gtest.h>

#include <QTabBar>
#include <QTabWidget>
#include <filesystem>
#include <fstream>

#include "ShellTestWindow.h"
#include "support/FileBytes.h"

namespace {

namespace fs = std::filesystem;

const QStringList kButtons = {QStringLiteral("Descargar catálogos"),
                              QStringLiteral("Usar catálogos de ejemplo"),
                              QStringLiteral("Cerrar")};
const char* const kCatalogFiles[] = {"CometsCR.dat", "NeosAndUnusualCR.dat", "CriticalListCR.dat",
                                     "DistantObjectsCR.dat", "BrightMinorPlanetsCR.dat"};

TEST(GuiFirstRun, AskedOnceWhenTheFolderHoldsNoCatalog) {
    ShellTestWindow w;
    w.open();
    ASSERT_EQ(w.dialogs.asked.size(), 1u);
    EXPECT_EQ(
        w.dialogs.asked[0].text,
        QStringLiteral("No hay catálogos en %1.").arg(QString::fromStdString(w.home.programDir())));
    EXPECT_EQ(w.dialogs.asked[0].buttons, kButtons);
    for (int k = 0; k < 3; ++k) QApplication::processEvents();
    EXPECT_EQ(w.dialogs.asked.size(), 1u);
    EXPECT_EQ(w.currentPage(), QStringLiteral("Suelo"));  // "Cerrar": nothing else happens
    for (const char* name : kCatalogFiles) EXPECT_FALSE(fs::exists(w.home.dir / name)) << name;
}

TEST(GuiFirstRun, NotAskedWhenOneCatalogIsThere) {
    ShellTestWindow w;
    w.home.copySample("BrightMinorPlanetsCR.dat");
    w.open();
    EXPECT_TRUE(w.dialogs.asked.empty());
}

TEST(GuiFirstRun, DownloadShowsTheDownloadPage) {
    ShellTestWindow w;
    w.dialogs.askAnswers = {0};
    w.open();
    EXPECT_EQ(w.currentPage(), QStringLiteral("tsDescargas"));
    EXPECT_TRUE(w.dialogs.shown.empty());
}

TEST(GuiFirstRun, SamplesAreCopiedWithTheirDatesAndLoadLikeAnyCatalog) {
    ShellTestWindow w;
    w.dialogs.askAnswers = {1};
    w.open();
    EXPECT_TRUE(w.dialogs.texts("error").isEmpty())
        << w.dialogs.texts("error").join("\n").toStdString();
    for (const char* name : kCatalogFiles) {
        const fs::path sample = fs::path(VAGARIS_SAMPLES_DIR) / name;
        ASSERT_TRUE(fs::exists(w.home.dir / name)) << name;
        EXPECT_EQ(vagaris::test::ReadBytes(w.home.dir / name), vagaris::test::ReadBytes(sample));
        EXPECT_EQ(fs::last_write_time(w.home.dir / name), fs::last_write_time(sample)) << name;
    }
    // The comet catalog then loads from the folder like a downloaded one.
    w.dialogs.clear();
    w.window->app().loadCatalog(0);
    EXPECT_TRUE(w.dialogs.texts("error").isEmpty());
    EXPECT_GT(w.find<QComboBox>("ComboBox1")->count(), 900);
}

TEST(GuiFirstRun, SamplesNeverReplaceAFile) {
    ShellTestWindow w;
    // A stray file that is not one of the five catalogs does not count, and is left alone.
    std::ofstream(w.home.dir / "vagaris.ini", std::ios::binary) << "";
    w.dialogs.askAnswers = {1};
    w.open();
    ASSERT_EQ(w.dialogs.asked.size(), 1u);
    EXPECT_EQ(vagaris::test::ReadBytes(w.home.dir / "vagaris.ini"), "");
    EXPECT_TRUE(fs::exists(w.home.dir / "CometsCR.dat"));
}

// Every tab caption is in sight at the window's fixed size: no scroll arrow, every tab
// rectangle inside the tab bar, with the six pages and with the eight of the extended mode.
TEST(GuiTabs, EveryCaptionFitsTheWindow) {
    for (const bool extended : {false, true}) {
        ShellTestWindow w;
        w.home.copySample("CometsCR.dat");
        if (extended) std::ofstream(w.home.dir / "457.txt") << "";
        w.open();
        QTabBar* bar = w.pages()->tabBar();
        int visible = 0;
        for (int k = 0; k < bar->count(); ++k) {
            if (!bar->isTabVisible(k)) continue;
            ++visible;
            const QRect r = bar->tabRect(k);
            EXPECT_TRUE(bar->rect().contains(r)) << bar->tabText(k).toStdString() << " at " << r.x()
                                                 << "+" << r.width() << " of " << bar->width();
            // The whole caption is drawn: no eliding.
            EXPECT_GE(r.width(), bar->fontMetrics().horizontalAdvance(bar->tabText(k)))
                << bar->tabText(k).toStdString();
        }
        EXPECT_EQ(visible, extended ? 8 : 6);
        EXPECT_LE(bar->geometry().right(), w.window->width());
        for (auto* arrow : bar->findChildren<QWidget*>())
            if (arrow->inherits("QToolButton")) {
                EXPECT_FALSE(arrow->isVisible());
            }
        EXPECT_EQ(w.window->size(), QSize(568, 545));
    }
}

}  // namespace
