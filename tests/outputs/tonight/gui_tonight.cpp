// The "¿Qué observar?" window used as a user does: open it from the Selección page, rank,
// sort, take a row over, save, cancel; and the longitude box of the Configuración page.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <fstream>

#include "core/TextForms.h"
#include "outputs/tonight/TonightWindow.h"
#include "shell/ShellTestWindow.h"
#include "support/FileBytes.h"

namespace {

using namespace vagaris;

class TonightWindowTest : public ::testing::Test {
protected:
    ShellTestWindow w;
    TonightWindow* tonight = nullptr;

    void SetUp() override {
        for (const char* name : {"NeosAndUnusualCR.dat", "CriticalListCR.dat",
                                 "DistantObjectsCR.dat", "BrightMinorPlanetsCR.dat"})
            w.home.copySample(name);
        // A night the samples' elements suit.
        w.now = EncodeDate(2025, 11, 21) + EncodeTime(20, 0, 0);
        w.openOnPage("Suelo");
        w.find<QPushButton>("btnQueObservar")->click();
        tonight = w.window->findChild<TonightWindow*>(QStringLiteral("TonightWindow"));
        ASSERT_NE(tonight, nullptr);
    }
    template <class T>
    T* child(const char* name) const {
        T* c = tonight->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    QTableView* table() const { return child<QTableView>("tvTonight"); }
    // Clicks "Calcular" and lets the window's event loop run until the ranking ends.
    void rank() {
        child<QPushButton>("btnCalcular")->click();
        while (tonight->running()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QApplication::processEvents();
    }
    QString cell(int row, int column) const {
        return table()->model()->index(row, column).data().toString();
    }
    int columnOf(const QString& caption) const {
        auto* model = table()->model();
        for (int c = 0; c < model->columnCount(); ++c)
            if (model->headerData(c, Qt::Horizontal).toString() == caption) return c;
        ADD_FAILURE() << "no column " << caption.toStdString();
        return 0;
    }
    // The first row from this catalog file.
    int rowOf(const QString& catalog) const {
        const int c = columnOf(QStringLiteral("Catálogo"));
        for (int r = 0; r < table()->model()->rowCount(); ++r)
            if (cell(r, c) == catalog) return r;
        return -1;
    }
};

TEST_F(TonightWindowTest, OpensAsASeparateNonModalWindow) {
    EXPECT_TRUE(tonight->isVisible());
    EXPECT_TRUE(tonight->isWindow());
    EXPECT_FALSE(tonight->isModal());
    EXPECT_EQ(tonight->windowTitle(), "¿Qué observar?");
    EXPECT_NE(tonight->minimumSize(), tonight->maximumSize());  // resizable
    // The main window stays usable: its pages still change.
    w.pages()->setCurrentWidget(w.find<QWidget>("tsConf"));
    EXPECT_EQ(w.currentPage(), "tsConf");
    // A second click raises the same window.
    w.pages()->setCurrentWidget(w.find<QWidget>("Suelo"));
    w.find<QPushButton>("btnQueObservar")->click();
    EXPECT_EQ(w.window->findChildren<TonightWindow*>().size(), 1);
}

TEST_F(TonightWindowTest, RanksSortsAndKeepsTheSort) {
    // The loaded catalog (the comets) first.
    rank();
    ASSERT_NE(tonight->result(), nullptr);
    EXPECT_EQ(tonight->result()->considered, 955);
    EXPECT_TRUE(child<QLabel>("lbTonightHeader")->text().contains("Objetos considerados"));
    // The five together, a fainter limit: several catalogs, so a Catálogo column.
    ChooseWithKeys(child<QComboBox>("cbSource"), TonightWindow::FiveCatalogs);
    child<QDoubleSpinBox>("seMag")->setValue(18);
    rank();
    const int rows = table()->model()->rowCount();
    ASSERT_GT(rows, 20);
    const int mag = columnOf("Mag");
    for (int r = 1; r < rows; ++r)
        EXPECT_LE(ParseFloat(cell(r - 1, mag).toStdString()),
                  ParseFloat(cell(r, mag).toStdString()));
    // A click on "Horas" sorts by observable time, longest first, and is kept in the settings.
    table()->horizontalHeader()->sectionClicked(columnOf("Horas"));
    EXPECT_EQ(w.session.settings.TonightSort, "time");
    const auto minutes = [&](int r) {
        const QString h = cell(r, columnOf("Horas"));
        return h.section(':', 0, 0).toInt() * 60 + h.section(':', 1, 1).toInt();
    };
    for (int r = 1; r < rows; ++r) EXPECT_GE(minutes(r - 1), minutes(r));
    // The sort survives a recomputation.
    rank();
    for (int r = 1; r < table()->model()->rowCount(); ++r) EXPECT_GE(minutes(r - 1), minutes(r));
    // A column without a sort of its own changes nothing.
    table()->horizontalHeader()->sectionClicked(columnOf("Objeto"));
    EXPECT_EQ(w.session.settings.TonightSort, "time");
    EXPECT_TRUE(w.dialogs.shown.empty());
}

TEST_F(TonightWindowTest, TakesARowOverIntoTheMainWindow) {
    ChooseWithKeys(child<QComboBox>("cbSource"), TonightWindow::FiveCatalogs);
    child<QDoubleSpinBox>("seMag")->setValue(18);
    rank();
    const int rows = table()->model()->rowCount();
    const int row = rowOf("BrightMinorPlanetsCR.dat");
    ASSERT_GE(row, 0);
    const QString name = cell(row, columnOf("Objeto"));
    const QString best = cell(row, columnOf("Mejor"));
    const QString index = cell(row, columnOf("N"));
    w.pages()->setCurrentWidget(w.find<QWidget>("tsConf"));
    // Double-click: the object of another catalog becomes current, its catalog loaded.
    table()->doubleClicked(table()->model()->index(row, 0));
    QApplication::processEvents();
    EXPECT_EQ(w.currentPage(), "Suelo");
    EXPECT_EQ(QString::fromStdString(w.session.Elements.Name), name);
    EXPECT_EQ(w.session.SelectorIndex, index.toInt());
    EXPECT_TRUE(w.find<QRadioButton>("rbBri")->isChecked());
    EXPECT_EQ(QString::fromStdString(FormatInstant("hh:nn", w.session.CurrentInstant)), best);
    EXPECT_EQ(w.text("meHora").left(5), best);
    // Loading the file for the take-over does not empty the list.
    EXPECT_EQ(table()->model()->rowCount(), rows);
    // Enter on a comet row takes it over too.
    const int comet = rowOf("CometsCR.dat");
    ASSERT_GE(comet, 0);
    table()->setFocus();
    table()->setCurrentIndex(table()->model()->index(comet, 0));
    PressKey(table(), Qt::Key_Return);
    EXPECT_EQ(QString::fromStdString(w.session.Elements.Name), cell(comet, columnOf("Objeto")));
    EXPECT_TRUE(w.find<QRadioButton>("rbCom")->isChecked());
    // Only the loaded catalog's own age warnings were shown.
    for (const auto& s : w.dialogs.shown) EXPECT_EQ(s.kind, "warning") << s.text.toStdString();
}

TEST_F(TonightWindowTest, RefusesARowWhoseFileChanged) {
    ChooseWithKeys(child<QComboBox>("cbSource"), TonightWindow::FiveCatalogs);
    child<QDoubleSpinBox>("seMag")->setValue(18);
    rank();
    const int row = rowOf("CriticalListCR.dat");
    ASSERT_GE(row, 0);
    const std::string before = w.session.Elements.Name;
    std::ofstream(w.home.dir / "CriticalListCR.dat", std::ios::binary | std::ios::app) << "\n";
    w.dialogs.clear();
    table()->doubleClicked(table()->model()->index(row, 0));
    EXPECT_EQ(w.dialogs.texts("error"), QStringList{"El catálogo ha cambiado: vuelva a calcular"});
    EXPECT_EQ(w.session.Elements.Name, before);
}

TEST_F(TonightWindowTest, SavesCsvAndText) {
    rank();
    const auto csv = w.home.dir / "lista.csv";
    const auto txt = w.home.dir / "lista.txt";
    w.dialogs.saveAnswers = {QString::fromStdString(csv.string()),
                             QString::fromStdString(txt.string())};
    child<QPushButton>("btnGuardar")->click();
    child<QPushButton>("btnGuardar")->click();
    const std::string csvBytes = test::ReadBytes(csv);
    EXPECT_EQ(csvBytes.rfind("index,catalog,name,magnitude,", 0), 0u);
    const std::string txtBytes = test::ReadBytes(txt);
    EXPECT_NE(txtBytes.find("Lugar: latitud +40\xB0, longitud +000.0\xB0\r\n"), std::string::npos);
    EXPECT_TRUE(w.dialogs.shown.empty());
}

TEST_F(TonightWindowTest, CancellingLeavesNoList) {
    rank();
    ASSERT_NE(tonight->result(), nullptr);
    // The worker looks at the flag until its very end, so a cancel right after the start
    // always lands before it.
    child<QPushButton>("btnCalcular")->click();
    child<QPushButton>("btnCancelar")->click();
    while (tonight->running()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    EXPECT_EQ(tonight->result(), nullptr);
    EXPECT_EQ(table()->model()->rowCount(), 0);
    EXPECT_FALSE(child<QPushButton>("btnGuardar")->isEnabled());
}

TEST_F(TonightWindowTest, MissingMpcOrbGivesAMessage) {
    ChooseWithKeys(child<QComboBox>("cbSource"), TonightWindow::MpcOrb);
    child<QPushButton>("btnCalcular")->click();
    EXPECT_FALSE(tonight->running());
    EXPECT_EQ(w.dialogs.texts("error"), QStringList{"MPCOrb.dat no encontrado"});
}

// The longitude box: sign, three digits, one decimal; a value beyond ±180 keeps the focus.
TEST(LongitudeBox, AcceptsTheRangeOnly) {
    ShellTestWindow w;
    w.open();
    w.pages()->setCurrentWidget(w.find<QWidget>("tsConf"));
    auto* lon = w.find<QLineEdit>("meLon");
    auto* elsewhere = w.find<QPushButton>("Button24");
    ASSERT_NE(lon, nullptr);
    EXPECT_EQ(w.text("meLon"), "+000.0");
    TypeAndLeave(lon, "-003.7", elsewhere);
    EXPECT_EQ(w.session.settings.Lon, "-003.7");
    EXPECT_NE(QApplication::focusWidget(), lon);
    TypeAndLeave(lon, "+190.0", elsewhere);
    EXPECT_EQ(QApplication::focusWidget(), lon);
    EXPECT_EQ(w.session.settings.Lon, "-003.7");
    TypeAndLeave(lon, "+180.0", elsewhere);
    EXPECT_EQ(w.session.settings.Lon, "+180.0");
    EXPECT_TRUE(w.dialogs.shown.empty());
}

}  // namespace
