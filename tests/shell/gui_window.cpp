// The main window: caption, size, the tab list with and without the extended mode, and the
// settings written when it closes.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QRadioButton>
#include <filesystem>
#include <fstream>

#include "shell/ShellTestWindow.h"
#include "support/FileBytes.h"

namespace {

QStringList VisibleTabs(QTabWidget* pages) {
    QStringList out;
    for (int i = 0; i < pages->count(); ++i)
        if (pages->isTabVisible(i)) out << pages->tabText(i);
    return out;
}

TEST(MainWindow, CaptionAndFixedSize) {
    ShellTestWindow w;
    TFAtmo& window = w.open();
    EXPECT_EQ(
        window.windowTitle(),
        QStringLiteral("Vagaris %1.%2").arg(VAGARIS_VERSION_MAJOR).arg(VAGARIS_VERSION_BUILD));
    EXPECT_TRUE(window.windowTitle().startsWith("Vagaris 1."));
    EXPECT_EQ(window.minimumSize(), QSize(568, 545));
    EXPECT_EQ(window.maximumSize(), QSize(568, 545));
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
}

TEST(MainWindow, SixTabsWithoutMarkerFiles) {
    ShellTestWindow w;
    w.open();
    EXPECT_FALSE(w.session.ExtendedMode);
    EXPECT_EQ(VisibleTabs(w.pages()), (QStringList{"Selección", "Orbita", "Tablas", "Efemérides",
                                                   "Descarga de archivos", "Configuración"}));
    EXPECT_EQ(w.currentPage(), "Suelo");
}

TEST(MainWindow, EightTabsInOrderWithAnEmptyMarkerFile) {
    for (const char* marker : {"457.txt", "modext.txt"}) {
        SCOPED_TRACE(marker);
        ShellTestWindow w;
        std::ofstream(w.home.dir / marker).close();
        w.open();
        EXPECT_TRUE(w.session.ExtendedMode);
        EXPECT_EQ(VisibleTabs(w.pages()),
                  (QStringList{"Selección", "Orbita", "e/a", "Tablas", "Efemérides", "Anticola?",
                               "Descarga de archivos", "Configuración"}));
        QStringList names;
        for (int i = 0; i < w.pages()->count(); ++i) names << w.pages()->widget(i)->objectName();
        EXPECT_EQ(names, (QStringList{"Suelo", "tsOrbita", "tsAE", "tsTablas", "tsEfe", "tsAnti",
                                      "tsDescargas", "tsConf"}));
    }
}

TEST(MainWindow, SettingsSurviveACloseAndAStart) {
    ShellTestWindow first;
    first.open();
    first.find<QLineEdit>("meLat")->setText("-33");
    first.find<QLineEdit>("meAlt")->setText("0500");
    first.find<QLineEdit>("meRes")->setText("1.5");
    first.find<QRadioButton>("rbCCarte")->click();
    first.find<QCheckBox>("cbSegMin")->click();
    first.find<QRadioButton>("rgForVel_1")->click();
    EXPECT_TRUE(first.window->close());
    EXPECT_TRUE(first.dialogs.shown.empty());
    EXPECT_TRUE(std::filesystem::exists(first.home.dir / "vagaris.ini"));

    ShellTestWindow second;
    std::filesystem::copy_file(first.home.dir / "vagaris.ini", second.home.dir / "vagaris.ini");
    second.open();
    EXPECT_EQ(second.text("meLat"), "-33");
    EXPECT_EQ(second.text("meAlt"), "0500");
    EXPECT_EQ(second.text("meRes"), "1.5");
    EXPECT_EQ(second.text("meFWHM"), "5.0");
    EXPECT_TRUE(second.find<QRadioButton>("rbCCarte")->isChecked());
    EXPECT_TRUE(second.find<QCheckBox>("cbSegHora")->isChecked());
    EXPECT_FALSE(second.find<QCheckBox>("cbSegMin")->isChecked());
    EXPECT_TRUE(second.find<QRadioButton>("rgForVel_1")->isChecked());
    // The site constants are computed from the loaded latitude at start-up.
    EXPECT_EQ(second.text("Label27"), "0.839570");
    EXPECT_EQ(second.text("Label28"), "-0.541574");
    EXPECT_EQ(second.session.settings, first.session.settings);
}

TEST(MainWindow, DamagedSettingsAreReportedOnceAndTheNextSaveWritesGoodValues) {
    ShellTestWindow w;
    const std::filesystem::path ini = w.home.dir / "vagaris.ini";
    std::ofstream(ini, std::ios::binary)
        << "xx\r\n0000\r\n2.7\r\n5.0\r\n000\r\n1\r\n\r\nPOL\r\nSM\r\n";
    w.open();
    EXPECT_EQ(w.dialogs.texts("message"),
              QStringList{QString::fromStdString(
                  ini.string() + ", línea 1: valor no válido; se usa el valor por omisión")});
    EXPECT_TRUE(w.dialogs.texts("error").isEmpty());
    EXPECT_EQ(w.text("meLat"), "+40");                // the default replaces the broken value
    EXPECT_EQ(w.text("Label27"), "0.767106");         // so the site constants are shown
    EXPECT_EQ(w.session.settings.ExposureFormat, 1);  // the later lines were read
    EXPECT_EQ(w.text("meFecha"), "01/05/2024");
    EXPECT_TRUE(w.window->close());
    EXPECT_EQ(vagaris::test::ReadBytes(ini),
              "+40\r\n0000\r\n2.7\r\n5.0\r\n000\r\n1\r\n\r\nPOL\r\nSM\r\n");
}

TEST(MainWindow, AFolderInPlaceOfTheSettingsFileIsToldAndStartUpGoesOn) {
    ShellTestWindow w;
    // This made the window abort at start-up with an uncaught exception.
    std::filesystem::create_directory(w.home.dir / "vagaris.ini");
    w.open();
    EXPECT_EQ(w.dialogs.texts("message"),
              QStringList{QString::fromStdString("No se puede leer " + w.home.programDir() +
                                                 "vagaris.ini; se usan los valores por omisión")});
    EXPECT_EQ(w.session.settings, vagaris::Settings{});
    EXPECT_EQ(w.text("Label27"), "0.767106");
}

TEST(MainWindow, AnEmptySettingsFileIsAFirstRun) {
    ShellTestWindow w;
    std::ofstream(w.home.dir / "vagaris.ini", std::ios::binary).close();
    w.open();
    EXPECT_TRUE(w.dialogs.shown.empty());
    EXPECT_EQ(w.session.settings, vagaris::Settings{});
}

TEST(MainWindow, UnwritableSettingsAreReportedAndTheWindowStillCloses) {
    ShellTestWindow w;
    w.open();
    // A folder in the settings file's place cannot be replaced by a file.
    std::filesystem::create_directory(w.home.dir / "vagaris.ini");
    EXPECT_TRUE(w.window->close());
    EXPECT_FALSE(w.window->isVisible());
    const QStringList errors = w.dialogs.texts("error");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith("No se pudo guardar la configuración: "));
    EXPECT_GT(errors[0].size(), QString("No se pudo guardar la configuración: ").size());
}

}  // namespace
