// The "¿Qué observar?" window used as a user does: open it from the Selección page, rank,
// sort, take a row over, save, cancel; and the longitude box of the Configuración page.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <fstream>

#include "core/TextForms.h"
#include "outputs/tonight/TonightTexts.h"
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

// The window says which night it ranks: a date box that starts at the Selección date and can
// rank another night without leaving the window.
TEST_F(TonightWindowTest, TheNightBoxRanksTheNightItShows) {
    auto* night = child<QLineEdit>("meNoche");
    EXPECT_EQ(night->text(), "21/11/2025");
    const Instant selection = w.session.CurrentInstant;
    rank();
    ASSERT_NE(tonight->result(), nullptr);
    EXPECT_EQ(tonight->result()->request.date, EncodeDate(2025, 11, 21));
    const QString header = child<QLabel>("lbTonightHeader")->text();
    EXPECT_TRUE(header.startsWith("Noche del 21/11/2025 al 22/11/2025")) << header.toStdString();

    TypeKeys(night, QStringLiteral("05122025"));
    EXPECT_EQ(night->text(), "05/12/2025");
    rank();
    ASSERT_NE(tonight->result(), nullptr);
    EXPECT_EQ(tonight->result()->request.date, EncodeDate(2025, 12, 5));
    EXPECT_TRUE(child<QLabel>("lbTonightHeader")->text().startsWith("Noche del 05/12/2025"));
    EXPECT_NE(child<QLabel>("lbTonightHeader")->text(), header);
    // The main window's instant is the user's, untouched.
    EXPECT_EQ(w.session.CurrentInstant, selection);

    // A date that does not exist ranks nothing and says why.
    TypeKeys(night, QStringLiteral("31022025"));
    child<QPushButton>("btnCalcular")->click();
    EXPECT_FALSE(tonight->running());
    EXPECT_EQ(w.dialogs.texts("error").size(), 1);
    EXPECT_EQ(tonight->result()->request.date, EncodeDate(2025, 12, 5));  // the last list stays

    // Opened again from the Selección page, it starts at the Selección date again.
    w.pages()->setCurrentWidget(w.find<QWidget>("Suelo"));
    w.find<QPushButton>("btnQueObservar")->click();
    EXPECT_EQ(night->text(), "21/11/2025");
}

TEST_F(TonightWindowTest, TheSiteLineIsTheConfiguracionSite) {
    auto* site = child<QLabel>("lbTonightSite");
    EXPECT_EQ(site->text(), QString::fromUtf8("Lugar: latitud +40°, longitud +000.0°"));
    w.pages()->setCurrentWidget(w.find<QWidget>("tsConf"));
    TypeAndLeave(w.find<QLineEdit>("meLon"), "-003.7", w.find<QPushButton>("Button24"));
    TypeAndLeave(w.find<QLineEdit>("meLat"), "-33", w.find<QPushButton>("Button24"));
    EXPECT_EQ(site->text(), QString::fromUtf8("Lugar: latitud -33°, longitud -003.7°"));
    // The next list is computed there, and its header says the same site.
    rank();
    ASSERT_NE(tonight->result(), nullptr);
    EXPECT_EQ(tonight->result()->request.latitudeDeg, -33);
    EXPECT_EQ(tonight->result()->request.longitudeDeg, -3.7);
    EXPECT_TRUE(child<QLabel>("lbTonightHeader")->text().contains(site->text()));
}

TEST_F(TonightWindowTest, EveryColumnHeaderExplainsItsColumn) {
    ChooseWithKeys(child<QComboBox>("cbSource"), TonightWindow::FiveCatalogs);
    rank();
    auto* model = table()->model();
    ASSERT_EQ(model->columnCount(), 18);  // the catalog's column too
    QStringList tips;
    for (int c = 0; c < model->columnCount(); ++c) {
        const QString tip = model->headerData(c, Qt::Horizontal, Qt::ToolTipRole).toString();
        EXPECT_FALSE(tip.isEmpty())
            << model->headerData(c, Qt::Horizontal).toString().toStdString();
        EXPECT_FALSE(tips.contains(tip)) << tip.toStdString();
        tips << tip;
    }
    const auto tipOf = [&](const char* caption) {
        return model
            ->headerData(columnOf(QString::fromUtf8(caption)), Qt::Horizontal, Qt::ToolTipRole)
            .toString();
    };
    // "N" is the catalog's index, and says so.
    EXPECT_TRUE(tipOf("N").contains("en su catálogo, desde 0")) << tipOf("N").toStdString();
    EXPECT_TRUE(tipOf("Mejor").contains("mayor altura"));
    EXPECT_TRUE(tipOf("AP").contains("Ángulo de posición"));
    // The old-elements colours with the thresholds the cells use.
    const QString marks = QStringLiteral("En ámbar, más de %1 días; en rojo, más de %2")
                              .arg(tonight::kOldElementsDays)
                              .arg(tonight::kVeryOldElementsDays);
    for (const char* caption : {"Edad", "Perih."})
        EXPECT_TRUE(tipOf(caption).contains(marks)) << tipOf(caption).toStdString();
    EXPECT_EQ(marks, QStringLiteral("En ámbar, más de 200 días; en rojo, más de 1000"));
    EXPECT_TRUE(tipOf("Edad").startsWith("Asteroides"));
    EXPECT_TRUE(tipOf("Perih.").startsWith("Cometas"));
}

// A click on a header section, as the mouse does it.
void ClickSection(QHeaderView* header, int section) {
    const QPoint at(header->sectionViewportPosition(section) + header->sectionSize(section) / 2,
                    header->height() / 2);
    for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(
            type, QPointF(at), QPointF(header->viewport()->mapToGlobal(at)), Qt::LeftButton,
            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(header->viewport(), &event);
    }
    QApplication::processEvents();
}

TEST_F(TonightWindowTest, TheSortColumnShowsQtsSortIndicator) {
    ChooseWithKeys(child<QComboBox>("cbSource"), TonightWindow::FiveCatalogs);
    rank();
    QHeaderView* header = table()->horizontalHeader();
    EXPECT_TRUE(header->isSortIndicatorShown());
    EXPECT_EQ(header->sortIndicatorSection(), columnOf("Mag"));
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);  // the brightest first
    const struct {
        const char* clicked;
        const char* sorted;  // the column whose arrow then shows
        Qt::SortOrder order;
        const char* setting;
    } clicks[] = {
        {"Horas", "Horas", Qt::DescendingOrder, "time"},   // the longest first
        {"Objeto", "Horas", Qt::DescendingOrder, "time"},  // no sort of its own
        {"Mejor", "Mejor", Qt::AscendingOrder, "best"},
        {"Mejor", "Mejor", Qt::AscendingOrder, "best"},  // a second click turns nothing round
        {"Alt.", "Alt.", Qt::DescendingOrder, "alt"},
        {"Mag", "Mag", Qt::AscendingOrder, "mag"},
    };
    for (const auto& c : clicks) {
        SCOPED_TRACE(c.clicked);
        ClickSection(header, columnOf(QString::fromUtf8(c.clicked)));
        EXPECT_EQ(w.session.settings.TonightSort, c.setting);
        EXPECT_EQ(header->sortIndicatorSection(), columnOf(QString::fromUtf8(c.sorted)));
        EXPECT_EQ(header->sortIndicatorOrder(), c.order);
    }
    // A new list keeps the arrow on its sort.
    ClickSection(header, columnOf("Horas"));
    rank();
    EXPECT_EQ(header->sortIndicatorSection(), columnOf("Horas"));
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
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
