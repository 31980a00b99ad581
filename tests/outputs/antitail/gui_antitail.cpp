// The "Anticola?" page driven through its widgets: the entry search, the year arrows, the
// list growing while the search runs, "Fijar fecha", saving, and a catalog load that stops a
// search in progress.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <fstream>
#include <memory>
#include <sstream>

#include "core/Session.h"
#include "core/TextFile.h"
#include "core/Time.h"
#include "outputs/antitail/AntiTailSearch.h"
#include "toolkit/AppController.h"
#include "shell/TFAtmo.h"
#include "tests/outputs/antitail/SyntheticComets.h"
#include "support/FakeDialogs.h"
#include "support/FindWidget.h"
#include "support/TestHome.h"

using namespace vagaris;

namespace {

Instant At(int y, int m, int d, int hh = 0, int nn = 0) {
    return EncodeDate(y, m, d) + EncodeTime(hh, nn, 0);
}

// A comet whose plane the Earth crosses at 05/03/2011 18:24 (listed on the 6th).
synthetic::Comet MarchCrosser(const std::string& name) {
    synthetic::Comet c;
    c.name = name;
    c.node = synthetic::NodeCrossedAt(At(2011, 3, 5, 18, 24));
    return c;
}

// A comet that never passes the perihelion test in 2011.
synthetic::Comet Filler(int k) {
    synthetic::Comet c;
    c.name = "P/2100 F" + std::to_string(k);
    c.tpYear = 2100;
    c.node = 40.0;
    return c;
}

std::string ReadBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

class AntiPageTest : public ::testing::Test {
protected:
    TestHome home;
    FakeDialogs dialogs;
    Session session;
    std::unique_ptr<TFAtmo> window;

    // A window in extended mode over a comet catalog of these comets, with the clock on
    // 10/03/2011 12:00 (so the Selección date, and the year searched on entry, is 2011).
    void start(const std::vector<synthetic::Comet>& comets) {
        std::ofstream(home.dir / "457.txt").flush();
        std::ofstream file(home.dir / "CometsCR.dat", std::ios::binary);
        for (const auto& c : comets) file << synthetic::Line(c) << "\r\n";
        file.close();
        session.clock = [] { return At(2011, 3, 10, 12, 0); };
        window = std::make_unique<TFAtmo>(session, dialogs);
        window->app().loadCatalog(0);
        ASSERT_EQ(session.CometLines.size(), comets.size());
    }
    template <class T>
    T* find(const char* name) {
        return vagaris::test::FindWidget<T>(*window, name);
    }
    QTabWidget* tabs() { return find<QTabWidget>("PageControl1"); }
    void enterPage() { tabs()->setCurrentWidget(find<QWidget>("tsAnti")); }
    QStringList shownLines() {
        QStringList out;
        auto* list = find<QListWidget>("ListBox2");
        for (int r = 0; r < list->count(); ++r) out << list->item(r)->text();
        return out;
    }
    QStringList expectedLines(int year) {
        QStringList out;
        for (const auto& l : AntiTailList(session.CometLines, year).lines)
            out << QString::fromStdString(l);
        return out;
    }
    int rowStartingWith(const QString& prefix) {
        const QStringList lines = shownLines();
        for (int r = 0; r < lines.size(); ++r)
            if (lines[r].startsWith(prefix)) return r;
        return -1;
    }
    void clickRow(int row) {
        auto* list = find<QListWidget>("ListBox2");
        list->setCurrentRow(row);
        emit list->itemClicked(list->item(row));
    }
};

TEST_F(AntiPageTest, EntryWithAnEmptyListSearchesTheSelectionYear) {
    start({MarchCrosser("C/2011 A1 (Uno)"), Filler(1)});
    enterPage();
    EXPECT_EQ(find<QLineEdit>("Edit4")->text(), "2011");
    EXPECT_EQ(find<QSpinBox>("udAno")->value(), 2011);
    EXPECT_EQ(shownLines(), expectedLines(2011));
    EXPECT_GT(shownLines().size(), 2);
    EXPECT_EQ(session.AntiTail.lines().size(), session.AntiTail.hits().size());
    EXPECT_FALSE(find<QPushButton>("Button5")->isEnabled());
    EXPECT_FALSE(find<QPushButton>("Button7")->isEnabled());
    EXPECT_TRUE(find<QListWidget>("ListBox2")->selectedItems().isEmpty());
    EXPECT_TRUE(dialogs.texts("error").isEmpty());

    // A filled list is shown unchanged on the next entry, whatever the Selección date.
    const QStringList before = shownLines();
    tabs()->setCurrentIndex(0);
    window->app().setCurrentInstant(At(2013, 1, 1));
    enterPage();
    EXPECT_EQ(shownLines(), before);
}

TEST_F(AntiPageTest, YearChangeEmptiesTheListAndEnablesProcesar) {
    start({MarchCrosser("C/2011 A1 (Uno)")});
    enterPage();
    auto* year = find<QSpinBox>("udAno");
    EXPECT_EQ(year->minimum(), 1000);
    EXPECT_EQ(year->maximum(), 3000);
    year->setValue(2012);
    EXPECT_EQ(find<QLineEdit>("Edit4")->text(), "2012");
    EXPECT_TRUE(shownLines().isEmpty());
    EXPECT_TRUE(session.AntiTail.lines().empty());
    ASSERT_TRUE(find<QPushButton>("Button5")->isEnabled());

    find<QPushButton>("Button5")->click();
    EXPECT_EQ(shownLines(), expectedLines(2012));
    EXPECT_FALSE(find<QPushButton>("Button5")->isEnabled());
}

TEST_F(AntiPageTest, ListGrowsOnScreenWhileTheSearchRuns) {
    std::vector<synthetic::Comet> comets;
    for (int k = 0; k < 6; ++k) {
        synthetic::Comet c;
        c.node = 30.0 * k + 5.0;
        comets.push_back(c);
    }
    start(comets);
    int rowsSeen = -1;
    bool buttonsDisabled = false;
    QMetaObject::invokeMethod(
        window.get(),
        [&] {
            rowsSeen = find<QListWidget>("ListBox2")->count();
            buttonsDisabled = !find<QPushButton>("Button5")->isEnabled() &&
                              !find<QPushButton>("Button7")->isEnabled();
        },
        Qt::QueuedConnection);
    enterPage();
    EXPECT_EQ(rowsSeen, 3);  // the headings and the first hit
    EXPECT_TRUE(buttonsDisabled);
    EXPECT_GT(shownLines().size(), 3);
}

TEST_F(AntiPageTest, FijarFechaTakesOverTheCometAndTheWholeHours) {
    start({Filler(0), MarchCrosser("C/2011 A1 (Uno)")});
    enterPage();
    const int row = rowStartingWith("001  05/03/2011 18:24h  ");
    ASSERT_GE(row, 0) << shownLines().join("\n").toStdString();

    // A heading is not taken over, and the button is disabled again.
    clickRow(0);
    ASSERT_TRUE(find<QPushButton>("Button7")->isEnabled());
    find<QPushButton>("Button7")->click();
    EXPECT_FALSE(find<QPushButton>("Button7")->isEnabled());
    EXPECT_EQ(session.SelectorIndex, 0);
    EXPECT_EQ(tabs()->currentWidget()->objectName(), "tsAnti");

    clickRow(row);
    find<QPushButton>("Button7")->click();
    EXPECT_EQ(session.SelectorIndex, 1);
    EXPECT_EQ(session.Elements.Name, "C/2011 A1 (Uno)");
    EXPECT_DOUBLE_EQ(session.CurrentInstant, At(2011, 3, 5, 18, 0));
    EXPECT_EQ(find<QLineEdit>("meFecha")->text(), "05/03/2011");
    EXPECT_EQ(find<QLineEdit>("meHora")->text(), "18:00:00");
    EXPECT_EQ(tabs()->currentWidget()->objectName(), "Suelo");
    EXPECT_FALSE(find<QPushButton>("Button7")->isEnabled());
    EXPECT_TRUE(dialogs.texts("error").isEmpty());
}

TEST_F(AntiPageTest, FourDigitIndexIsTakenOverFromTheHit) {
    std::vector<synthetic::Comet> comets;
    for (int k = 0; k < 1000; ++k) comets.push_back(Filler(k));
    comets.push_back(MarchCrosser("C/2011 M1 (Mil)"));
    start(comets);
    enterPage();
    EXPECT_EQ(shownLines().at(0), kAntiTailHeading1);
    const int row = rowStartingWith("1000  05/03/2011 18:24h  ");
    ASSERT_GE(row, 0);
    clickRow(row);
    find<QPushButton>("Button7")->click();
    EXPECT_EQ(session.SelectorIndex, 1000);
    EXPECT_EQ(session.Elements.Name, "C/2011 M1 (Mil)");
    EXPECT_DOUBLE_EQ(session.CurrentInstant, At(2011, 3, 5, 18, 0));
}

TEST_F(AntiPageTest, CatalogLoadStopsTheSearchAndEmptiesTheList) {
    home.copySample("NeosAndUnusualCR.dat");
    std::vector<synthetic::Comet> comets;
    for (int k = 0; k < 24; ++k) {
        synthetic::Comet c;
        c.node = 15.0 * k + 3.0;
        comets.push_back(c);
    }
    start(comets);
    // Runs at the first pending-message processing, right after the first hit.
    QMetaObject::invokeMethod(
        window.get(), [&] { window->app().loadCatalog(1); }, Qt::QueuedConnection);
    enterPage();
    EXPECT_EQ(session.CatalogKind, 'A');
    EXPECT_TRUE(shownLines().isEmpty());
    EXPECT_TRUE(session.AntiTail.lines().empty());
    EXPECT_TRUE(session.AntiTail.hits().empty());
    EXPECT_TRUE(find<QPushButton>("Button5")->isEnabled());

    // Searching now lists nothing of the old catalog.
    find<QPushButton>("Button5")->click();
    EXPECT_EQ(shownLines(), QStringList({kAntiTailHeading1, kAntiTailHeading2}));
}

TEST_F(AntiPageTest, SaveWritesTheListWithCrLfOrNothingWhenCancelled) {
    start({MarchCrosser("C/2011 A1 (Uno)")});
    enterPage();
    const auto path = home.dir / "anticola.txt";
    dialogs.saveAnswers = {QString::fromStdString(path.string())};
    find<QToolButton>("SpeedButton1")->click();
    EXPECT_EQ(dialogs.lastSaveFilter, "Archivos de texto (*.txt)|*.txt");
    EXPECT_EQ(dialogs.lastSaveDefaultExt, "txt");
    const std::string bytes = ReadBytes(path);
    EXPECT_EQ(bytes, EncodeTextFile(session.AntiTail.lines()));
    EXPECT_EQ(bytes.rfind(std::string(kAntiTailHeading1) + "\r\n", 0), 0u);
    EXPECT_TRUE(bytes.ends_with("\r\n"));

    std::filesystem::remove(path);
    find<QToolButton>("SpeedButton1")->click();  // cancelled
    EXPECT_FALSE(std::filesystem::exists(path));
}

// Every control of the page with odd input: no crash, no hang, an error box where a text
// does not convert, and the page still works afterwards.
TEST_F(AntiPageTest, EveryControlWithOddInputKeepsThePageUsable) {
    // Comet 1 carries a node that does not convert: the search stops there with its message.
    synthetic::Comet broken = Filler(1);
    std::vector<synthetic::Comet> comets{MarchCrosser("C/2011 A1 (Uno)"), broken};
    start(comets);
    {
        std::string line = synthetic::Line(broken);
        line.replace(97, 8, "   12x.0");
        session.CometLines[1] = line;
    }
    auto* procesar = find<QPushButton>("Button5");
    auto* fijar = find<QPushButton>("Button7");
    auto* year = find<QSpinBox>("udAno");
    auto* list = find<QListWidget>("ListBox2");

    // A Selección date whose year is blank: the entry search reports the conversion error.
    auto* meFecha = find<QLineEdit>("meFecha");
    meFecha->setText(QStringLiteral("05/03/"));
    enterPage();
    ASSERT_EQ(dialogs.texts("error").size(), 1);
    EXPECT_TRUE(dialogs.texts("error")[0].contains("is not a valid integer value"))
        << dialogs.texts("error")[0].toStdString();
    EXPECT_TRUE(year->isEnabled());
    dialogs.clear();

    // Procesar over the broken line: the headings stay, the message once, Procesar stays
    // disabled until the year changes, the arrows answer again.
    year->setValue(2011);
    ASSERT_TRUE(procesar->isEnabled());
    procesar->click();
    EXPECT_EQ(dialogs.texts("error"),
              QStringList{"'   12x.0' is not a valid floating point value"});
    EXPECT_EQ(shownLines().mid(0, 2), QStringList({kAntiTailHeading1, kAntiTailHeading2}));
    EXPECT_FALSE(procesar->isEnabled());
    EXPECT_TRUE(year->isEnabled());
    dialogs.clear();

    // Fijar fecha without a selection, on a heading: nothing changes.
    const auto before = session.Elements;
    fijar->click();
    clickRow(1);
    fijar->click();
    EXPECT_EQ(session.Elements, before);
    EXPECT_FALSE(fijar->isEnabled());

    // The arrows stop at their limits; each change empties the list and enables Procesar.
    year->setValue(3000);
    year->stepUp();
    EXPECT_EQ(year->value(), 3000);
    EXPECT_EQ(find<QLineEdit>("Edit4")->text(), "3000");
    year->setValue(1000);
    year->stepDown();
    EXPECT_EQ(year->value(), 1000);
    EXPECT_EQ(list->count(), 0);
    EXPECT_TRUE(procesar->isEnabled());

    // Saving where no file can be written: the error box, nothing else.
    dialogs.saveAnswers = {
        QString::fromStdString((home.dir / "no-such-folder" / "x.txt").string())};
    find<QToolButton>("SpeedButton1")->click();
    EXPECT_EQ(dialogs.texts("error").size(), 1);
    dialogs.clear();

    // The page still works: without the broken line the year is searched in full.
    session.CometLines.pop_back();
    year->setValue(2011);
    procesar->click();
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(shownLines(), expectedLines(2011));
    const int row = rowStartingWith("000  05/03/2011 18:24h  ");
    ASSERT_GE(row, 0);
    clickRow(row);
    fijar->click();
    EXPECT_DOUBLE_EQ(session.CurrentInstant, At(2011, 3, 5, 18, 0));
}

}  // namespace
