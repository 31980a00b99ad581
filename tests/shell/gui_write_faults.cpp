// Every file the window writes, with the fault injected into its folder (a full disk, a
// read-only folder, a folder in the file's place, a folder that vanished): the previous file
// stays whole, no temporary file is left, one error box says what failed, and the window goes
// on working. The catalog downloads have their own tests beside the download page.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "pictures/PictureNames.h"
#include "shell/ShellTestWindow.h"
#include "settings/SettingsFile.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"
#include "support/WriteFaults.h"

namespace fs = std::filesystem;
using vagaris::test::FaultyFolder;
using vagaris::test::WriteFault;

namespace {

// A button of one page (several pages reuse names such as Button5).
void Click(ShellTestWindow& w, const char* page, const char* name) {
    auto* tab = w.window->findChild<QWidget*>(QString::fromLatin1(page));
    ASSERT_NE(tab, nullptr) << page;
    auto* button = tab->findChild<QAbstractButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    button->click();
    QApplication::processEvents();
}

// One writer of the window: how to reach it, the name of the file it writes for a chosen
// path, and the click that writes it.
struct PageWriter {
    const char* what;
    const char* page;    // the tab, opened on the sample comet catalog
    const char* chosen;  // the file name given to the save dialog
    const char* button;
    bool extendedMode = false;
    std::function<void(ShellTestWindow&)> prepare = [](ShellTestWindow&) {};
};

// The file actually written for a chosen path (a sequence numbers its frames).
std::string WrittenName(const PageWriter& writer) {
    if (std::string(writer.button) != "SpeedButton11") return writer.chosen;
    return fs::path(vagaris::SequenceFramePath(std::string("/x/") + writer.chosen, 1).path)
        .filename()
        .string();
}

const std::vector<PageWriter>& PageWriters() {
    static const std::vector<PageWriter> writers = {
        {"ephemeris table", "tsEfe", "tabla.txt", "SpeedButton12", false,
         [](ShellTestWindow& w) { Click(w, "tsEfe", "Button32"); }},
        {"anti-tail list", "tsAnti", "anticola.txt", "SpeedButton1", true,
         [](ShellTestWindow& w) { Click(w, "tsAnti", "Button5"); }},
        {"orbit picture (GIF)", "tsOrbita", "orbita.gif", "SpeedButton27"},
        {"orbit picture (bitmap)", "tsOrbita", "orbita.bmp", "SpeedButton27"},
        {"orbit picture sequence", "tsOrbita", "secuencia.gif", "SpeedButton11"},
        {"chart picture", "tsTablas", "grafica.gif", "SpeedButton20"},
    };
    return writers;
}

}  // namespace

TEST(WriteFaults, EveryPageWriterKeepsThePreviousFileAndSaysWhatFailed) {
    std::string skipped;
    for (const auto& writer : PageWriters()) {
        for (const auto fault : vagaris::test::AllWriteFaults()) {
            SCOPED_TRACE(std::string(writer.what) + ", " + vagaris::test::FaultName(fault));
            ShellTestWindow w;
            if (writer.extendedMode) std::ofstream(w.home.dir / "457.txt").flush();
            FaultyFolder folder(fault, w.home.dir / "out", WrittenName(writer), "previous\r\n");
            if (!folder.skipReason().empty()) {
                skipped = folder.skipReason();
                continue;
            }
            ASSERT_NE(w.openOnPage(writer.page), nullptr);
            writer.prepare(w);
            w.dialogs.clear();
            folder.arm();

            w.dialogs.saveAnswers = {
                QString::fromStdString((folder.dir() / writer.chosen).string())};
            Click(w, writer.page, writer.button);
            const QStringList errors = w.dialogs.texts("error");
            ASSERT_EQ(errors.size(), 1) << errors.join('|').toStdString();
            EXPECT_TRUE(errors[0].contains(QString::fromUtf8(folder.reason())))
                << errors[0].toStdString();
            EXPECT_TRUE(errors[0].contains(QString::fromStdString(WrittenName(writer))))
                << errors[0].toStdString();
            EXPECT_EQ(w.dialogs.shown.size(), 1u);
            EXPECT_TRUE(folder.unharmed());

            // The window goes on: the same save into a sound folder works.
            w.dialogs.clear();
            const fs::path good = w.home.dir / "good";
            fs::create_directories(good);
            w.dialogs.saveAnswers = {QString::fromStdString((good / writer.chosen).string())};
            Click(w, writer.page, writer.button);
            EXPECT_TRUE(w.dialogs.shown.empty());
            EXPECT_TRUE(fs::exists(good / WrittenName(writer)));
        }
    }
    if (!skipped.empty()) GTEST_SKIP() << skipped;
}

TEST(WriteFaults, SettingsThatCannotBeSavedAreReportedAndTheOldFileStays) {
    // The file as the window writes it with the defaults: what a previous session left.
    const vagaris::test::TempFolder model("vagaris-settings-model");
    vagaris::SaveSettings(model.dir.string() + "/", vagaris::Settings{});
    const std::string previous = vagaris::test::ReadBytes(model.dir / "vagaris.ini");
    ASSERT_FALSE(previous.empty());

    std::string skipped;
    for (const auto fault : vagaris::test::AllWriteFaults()) {
        SCOPED_TRACE(vagaris::test::FaultName(fault));
        ShellTestWindow w;
        FaultyFolder folder(fault, w.home.dir / "programa", "vagaris.ini", previous);
        if (!folder.skipReason().empty()) {
            skipped = folder.skipReason();
            continue;
        }
        ::setenv("VAGARIS_HOME", folder.dir().c_str(), 1);
        w.open();
        w.dialogs.clear();
        folder.arm();
        w.window->close();
        const QStringList errors = w.dialogs.texts("error");
        ASSERT_EQ(errors.size(), 1) << errors.join('|').toStdString();
        EXPECT_TRUE(errors[0].startsWith("No se pudo guardar la configuración: "));
        EXPECT_TRUE(errors[0].contains(QString::fromUtf8(folder.reason())))
            << errors[0].toStdString();
        EXPECT_TRUE(errors[0].contains("vagaris.ini"));
        EXPECT_FALSE(w.window->isVisible());  // the window still closes
        EXPECT_TRUE(folder.unharmed());
    }
    if (!skipped.empty()) GTEST_SKIP() << skipped;
}
