// The window's first start on an empty program folder (where the catalogs come from, where
// the observer is), and the tab captions at the fixed window size.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCompleter>
#include <QGroupBox>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabBar>
#include <QTabWidget>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>

#include "ShellTestWindow.h"
#include "outputs/tonight/TonightWindow.h"
#include "shell/FirstRunDialog.h"
#include "toolkit/MaskedEdit.h"
#include "settings/SettingsFile.h"
#include "support/FileBytes.h"

namespace {

namespace fs = std::filesystem;

const char* const kButtonNames[] = {"btnDescargar", "btnEjemplos", "btnCerrar"};

// The first-start box as the fake shows it: what it said, then `fill` acts on it as a user
// would, and button `answer` (Choice order) is clicked; no answer closes it with Escape.
struct FirstRunBox {
    int shown = 0;
    QString message;
    QStringList buttons;
    std::optional<int> answer;
    std::function<void(QDialog&)> fill;
    int result = -1;  // what the box's exec gave

    void answerThrough(FakeDialogs& dialogs) {
        dialogs.onExec = [this](QDialog& d) {
            if (d.objectName() != QStringLiteral("FirstRunDialog")) return int(QDialog::Rejected);
            ++shown;
            message = d.findChild<QLabel*>(QStringLiteral("lbNoCatalogs"))->text();
            buttons.clear();
            for (const char* name : kButtonNames)
                buttons << d.findChild<QPushButton*>(QString::fromLatin1(name))->text();
            if (fill) fill(d);
            if (answer)
                d.findChild<QPushButton*>(QString::fromLatin1(kButtonNames[*answer]))->click();
            else
                d.reject();
            return result = d.result();
        };
    }
};

// A city database of the layout of Debian's kstars-data citydb.sqlite (its `city` table as
// `.schema` prints it), with a few rows in the forms that file holds.
void WriteCityDatabase(const fs::path& path) {
    const QString connection = QStringLiteral("fixture-%1").arg(QString::fromStdString(path));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(QString::fromStdString(path.string()));
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(QStringLiteral(
            "CREATE TABLE city ( id INTEGER DEFAULT NULL PRIMARY KEY AUTOINCREMENT, Name TEXT "
            "DEFAULT NULL, Province TEXT DEFAULT NULL, Country TEXT DEFAULT NULL, Latitude TEXT "
            "DEFAULT NULL, Longitude TEXT DEFAULT NULL, TZ REAL DEFAULT NULL, TZRule TEXT DEFAULT "
            "NULL,Elevation REAL NOT NULL DEFAULT -10 )")));
        const struct {
            const char *name, *province, *country, *lat, *lon;
            double elevation;
        } rows[] = {
            {"Madrid", "", "Spain", " 40° 24' 31\"", "-3° 41' 11\"", 656.030029},
            {"Cáceres", "", "Spain", " 39° 28' 00\"", "-6° 22' 00\"", 459},
            {"Chisimayu", "", "Somalia", "-0° 13' 12\"", " 42° 32' 00\"", -10},
            {"Altenstadt", "Bayern", "Germany", "47.8339", " 10° 52' 04\"", 739},
            {"Aabenraa", "Jylland", "Denmark", " 55° 01' 58\"", " 9° 25' 58\"", 0},
            {"Nowhere", "", "Damaged", "north", " 9° 25' 58\"", 0},  // left out
        };
        for (const auto& r : rows) {
            q.prepare(
                QStringLiteral("INSERT INTO city (Name, Province, Country, Latitude, "
                               "Longitude, TZ, TZRule, Elevation) VALUES (?, ?, ?, ?, ?, "
                               "1.0, 'EU', ?)"));
            for (const char* text : {r.name, r.province, r.country, r.lat, r.lon})
                q.addBindValue(QString::fromUtf8(text));
            q.addBindValue(r.elevation);
            ASSERT_TRUE(q.exec());
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
}

// The window on `w`'s folder whose first start reads its cities from `cities`.
void OpenWithCities(ShellTestWindow& w, const QString& cities) {
    w.session.clock = [&w] { return w.now; };
    w.window = std::make_unique<TFAtmo>(w.session, w.dialogs);
    w.window->setCityDatabase(cities);
    w.window->show();
    w.window->activateWindow();
    QApplication::processEvents();
}

QLineEdit* Box(QDialog& d, const char* name) {
    auto* box = d.findChild<QLineEdit*>(QString::fromLatin1(name));
    EXPECT_NE(box, nullptr) << name;
    return box;
}

const QStringList kButtons = {QStringLiteral("Descargar catálogos"),
                              QStringLiteral("Usar catálogos de ejemplo"),
                              QStringLiteral("Cerrar")};
const char* const kCatalogFiles[] = {"CometsCR.dat", "NeosAndUnusualCR.dat", "CriticalListCR.dat",
                                     "DistantObjectsCR.dat", "BrightMinorPlanetsCR.dat"};

TEST(GuiFirstRun, AskedOnceWhenTheFolderHoldsNoCatalog) {
    for (const bool escape : {false, true}) {
        SCOPED_TRACE(escape ? "Escape" : "Cerrar");
        ShellTestWindow w;
        FirstRunBox box;
        if (!escape) box.answer = 2;
        box.answerThrough(w.dialogs);
        w.open();
        ASSERT_EQ(box.shown, 1);
        EXPECT_EQ(box.message, QStringLiteral("No hay catálogos en %1.")
                                   .arg(QString::fromStdString(w.home.programDir())));
        EXPECT_EQ(box.buttons, kButtons);
        EXPECT_EQ(box.result, escape ? QDialog::Rejected : QDialog::Accepted);
        for (int k = 0; k < 3; ++k) QApplication::processEvents();
        EXPECT_EQ(box.shown, 1);
        EXPECT_EQ(w.currentPage(), QStringLiteral("Suelo"));  // "Cerrar": nothing else happens
        for (const char* name : kCatalogFiles) EXPECT_FALSE(fs::exists(w.home.dir / name)) << name;
        // The site was left as it was: nothing to keep.
        EXPECT_EQ(w.session.settings, vagaris::Settings{});
        EXPECT_FALSE(fs::exists(w.home.dir / "vagaris.ini"));
    }
}

TEST(GuiFirstRun, NotAskedWhenOneCatalogIsThere) {
    ShellTestWindow w;
    FirstRunBox box;
    box.answerThrough(w.dialogs);
    w.home.copySample("BrightMinorPlanetsCR.dat");
    w.open();
    EXPECT_EQ(box.shown, 0);
}

TEST(GuiFirstRun, DownloadShowsTheDownloadPage) {
    ShellTestWindow w;
    FirstRunBox box;
    box.answer = 0;
    box.answerThrough(w.dialogs);
    w.open();
    EXPECT_EQ(w.currentPage(), QStringLiteral("tsDescargas"));
    EXPECT_TRUE(w.dialogs.shown.empty());
}

TEST(GuiFirstRun, SamplesAreCopiedWithTheirDatesAndLoadLikeAnyCatalog) {
    ShellTestWindow w;
    FirstRunBox box;
    box.answer = 1;
    box.answerThrough(w.dialogs);
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
    FirstRunBox box;
    box.answer = 1;
    box.answerThrough(w.dialogs);
    w.open();
    ASSERT_EQ(box.shown, 1);
    EXPECT_EQ(vagaris::test::ReadBytes(w.home.dir / "vagaris.ini"), "");
    EXPECT_TRUE(fs::exists(w.home.dir / "CometsCR.dat"));
}

// The site typed at the first start is the Configuración page's, saved at once, and the one
// the night's list is computed for.
TEST(GuiFirstRun, TheTypedSiteIsTheSettingsAndTheNightsSite) {
    ShellTestWindow w;
    w.now = vagaris::EncodeDate(2025, 11, 21) + vagaris::EncodeTime(12, 0, 0);
    FirstRunBox box;
    box.answer = 1;  // and the samples, to rank a night with
    box.fill = [](QDialog& d) {
        TypeKeys(Box(d, "meLat"), QStringLiteral("-34"));
        TypeKeys(Box(d, "meLon"), QStringLiteral("+1512"));  // the mask puts the point
        TypeKeys(Box(d, "meAlt"), QStringLiteral("0058"));
    };
    box.answerThrough(w.dialogs);
    OpenWithCities(w, QString());  // no city database: typing only
    ASSERT_EQ(box.shown, 1);
    EXPECT_EQ(box.result, QDialog::Accepted);
    EXPECT_TRUE(w.dialogs.shown.empty()) << w.dialogs.shown.front().text.toStdString();

    EXPECT_EQ(w.session.settings.Lat, "-34");
    EXPECT_EQ(w.session.settings.Lon, "+151.2");
    EXPECT_EQ(w.session.settings.Alt, "0058");
    // The Configuración page shows it, with its site constants.
    EXPECT_EQ(w.text("meLat"), "-34");
    EXPECT_EQ(w.text("meLon"), "+151.2");
    EXPECT_EQ(w.text("meAlt"), "0058");
    const vagaris::SiteConstants site = vagaris::ComputeSite("-34", "0058");
    EXPECT_EQ(w.text("Label27").toStdString(), site.RhoCosPhiText);
    EXPECT_EQ(w.text("Label28").toStdString(), site.RhoSinPhiText);
    // Saved already, as the page's own change would be: the same bytes as for these settings.
    const vagaris::test::TempFolder model("vagaris-first-run-model");
    vagaris::SaveSettings(model.dir.string() + "/", w.session.settings);
    EXPECT_EQ(vagaris::test::ReadBytes(w.home.dir / "vagaris.ini"),
              vagaris::test::ReadBytes(model.dir / "vagaris.ini"));

    // The night's list says the site and is computed for it.
    w.window->app().loadCatalog(4);  // the bright minor planets
    w.dialogs.clear();
    w.find<QPushButton>("btnQueObservar")->click();
    auto* tonight = w.window->findChild<TonightWindow*>(QStringLiteral("TonightWindow"));
    ASSERT_NE(tonight, nullptr);
    EXPECT_EQ(tonight->findChild<QLabel*>(QStringLiteral("lbTonightSite"))->text(),
              QString::fromUtf8("Lugar: latitud -34°, longitud +151.2°"));
    tonight->findChild<QPushButton*>(QStringLiteral("btnCalcular"))->click();
    while (tonight->running()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    ASSERT_NE(tonight->result(), nullptr) << w.dialogs.texts("error").join('|').toStdString();
    EXPECT_EQ(tonight->result()->request.latitudeDeg, -34);
    EXPECT_EQ(tonight->result()->request.longitudeDeg, 151.2);
}

TEST(GuiFirstRun, ACityFromTheListFillsTheSite) {
    ShellTestWindow w;
    const fs::path cities = w.home.dir / "citydb.sqlite";
    WriteCityDatabase(cities);
    QStringList listed, offered;
    FirstRunBox box;
    box.answer = 2;
    box.fill = [&](QDialog& d) {
        auto* list = d.findChild<QComboBox*>(QStringLiteral("cbCiudad"));
        ASSERT_NE(list, nullptr);
        for (int k = 0; k < list->count(); ++k) listed << list->itemText(k);
        EXPECT_EQ(list->currentIndex(), -1);  // no city until one is chosen
        // Typed without its accent, found; Down and Enter choose it.
        d.show();
        TypeKeys(list->lineEdit(), QStringLiteral("cace"));
        QApplication::processEvents();
        QAbstractItemView* popup = list->completer()->popup();
        for (int r = 0; r < popup->model()->rowCount(); ++r)
            offered << popup->model()->index(r, 0).data().toString();
        PressKey(popup, Qt::Key_Down);
        PressKey(popup, Qt::Key_Return);
        QApplication::processEvents();
        EXPECT_EQ(MaskedText(Box(d, "meLat")), "+39");
        EXPECT_EQ(MaskedText(Box(d, "meLon")), "-006.4");
        EXPECT_EQ(MaskedText(Box(d, "meAlt")), "0459");
        // Another city replaces the whole site, the unknown height (-10) as 0.
        list->setCurrentIndex(list->findText(QStringLiteral("Chisimayu, Somalia")));
        list->activated(list->currentIndex());
        EXPECT_EQ(MaskedText(Box(d, "meLat")), "+00");
        EXPECT_EQ(MaskedText(Box(d, "meLon")), "+042.5");
        EXPECT_EQ(MaskedText(Box(d, "meAlt")), "0000");
        list->setCurrentIndex(list->findText(QStringLiteral("Madrid, Spain")));
        list->activated(list->currentIndex());
    };
    box.answerThrough(w.dialogs);
    OpenWithCities(w, QString::fromStdString(cities.string()));
    ASSERT_EQ(box.shown, 1);
    // In the order a reader expects (the accent does not send Cáceres to the end); the damaged
    // row is left out.
    EXPECT_EQ(listed,
              (QStringList{QStringLiteral("Aabenraa, Jylland, Denmark"),
                           QStringLiteral("Altenstadt, Bayern, Germany"),
                           QString::fromUtf8("Cáceres, Spain"),
                           QStringLiteral("Chisimayu, Somalia"), QStringLiteral("Madrid, Spain")}));
    EXPECT_EQ(offered, QStringList{QString::fromUtf8("Cáceres, Spain")});
    // Madrid: 40° 24' 31", -3° 41' 11", 656 m.
    EXPECT_EQ(w.session.settings.Lat, "+40");
    EXPECT_EQ(w.session.settings.Lon, "-003.7");
    EXPECT_EQ(w.session.settings.Alt, "0656");
    EXPECT_EQ(w.text("meAlt"), "0656");
    EXPECT_TRUE(w.dialogs.shown.empty());
}

TEST(GuiFirstRun, WithoutACityDatabaseTheSiteIsTypedAndNothingIsSaid) {
    for (const char* path : {"", "no-such-file.sqlite", "folder", "not-sqlite.sqlite"}) {
        SCOPED_TRACE(path);
        ShellTestWindow w;
        fs::create_directory(w.home.dir / "folder");
        std::ofstream(w.home.dir / "not-sqlite.sqlite") << "plain text, no database\n";
        bool hasList = true, hasBoxes = false;
        FirstRunBox box;
        box.answer = 2;
        box.fill = [&](QDialog& d) {
            hasList = d.findChild<QComboBox*>(QStringLiteral("cbCiudad")) != nullptr;
            hasBoxes = d.findChild<QLineEdit*>(QStringLiteral("meLat")) &&
                       d.findChild<QLineEdit*>(QStringLiteral("meLon")) &&
                       d.findChild<QLineEdit*>(QStringLiteral("meAlt"));
        };
        box.answerThrough(w.dialogs);
        OpenWithCities(w, *path ? QString::fromStdString((w.home.dir / path).string()) : QString());
        ASSERT_EQ(box.shown, 1);
        EXPECT_FALSE(hasList);
        EXPECT_TRUE(hasBoxes);
        EXPECT_TRUE(w.dialogs.shown.empty());
        EXPECT_EQ(fs::file_size(w.home.dir / "not-sqlite.sqlite"), 24u);  // never written
    }
}

// A site box left incomplete or out of range keeps the box open, with the focus in that box;
// the boxes' masks and ranges are the Configuración page's.
TEST(GuiFirstRun, AnIncompleteSiteKeepsTheBoxOpen) {
    ShellTestWindow w;
    std::vector<std::pair<std::string, bool>> clicks;  // the box in focus, still open
    FirstRunBox box;
    box.answer = 2;
    box.fill = [&](QDialog& d) {
        d.show();
        auto* cerrar = d.findChild<QPushButton*>(QStringLiteral("btnCerrar"));
        const struct {
            const char* box;
            const char* keys;
        } faults[] = {{"meLat", "4"}, {"meLon", "+1900"}, {"meAlt", "12"}};
        for (const auto& f : faults) {
            TypeKeys(Box(d, f.box), QString::fromLatin1(f.keys));
            cerrar->click();
            QApplication::processEvents();
            clicks.push_back(
                {d.focusWidget() ? d.focusWidget()->objectName().toStdString() : std::string(),
                 d.result() != QDialog::Accepted});
            Box(d, f.box)->setText(f.box == std::string("meLat")   ? QStringLiteral("+52")
                                   : f.box == std::string("meLon") ? QStringLiteral("-001.5")
                                                                   : QStringLiteral("0120"));
        }
    };
    box.answerThrough(w.dialogs);
    OpenWithCities(w, QString());
    ASSERT_EQ(clicks.size(), 3u);
    EXPECT_EQ(clicks[0], std::make_pair(std::string("meLat"), true));
    EXPECT_EQ(clicks[1], std::make_pair(std::string("meLon"), true));
    EXPECT_EQ(clicks[2], std::make_pair(std::string("meAlt"), true));
    // Corrected, the last click closes it with that site.
    EXPECT_EQ(box.result, QDialog::Accepted);
    EXPECT_EQ(w.session.settings.Lat, "+52");
    EXPECT_EQ(w.session.settings.Lon, "-001.5");
    EXPECT_EQ(w.session.settings.Alt, "0120");
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
