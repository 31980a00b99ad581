// The Efemérides page driven through its widgets: defaults, the built table against the pure
// table, the failure that keeps the header lines, the saved file's bytes and the clearing rules.
#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <filesystem>
#include <fstream>
#include <memory>

#include "core/Session.h"
#include "core/TextFile.h"
#include "core/Time.h"
#include "outputs/ephemeris/EphemerisTable.h"
#include "toolkit/AppController.h"
#include "shell/TFAtmo.h"
#include "support/FakeDialogs.h"
#include "support/FileBytes.h"
#include "support/TestHome.h"

namespace {

// The test's clock: 15/03/2010 18:30:00 UT.
const vagaris::Instant kNow = vagaris::EncodeDate(2010, 3, 15) + 18.5 / 24;

using vagaris::test::ReadBytes;

class EfePageTest : public ::testing::Test {
protected:
    void SetUp() override {
        home.copySample("CometsCR.dat");
        session.clock = [] { return kNow; };
        window = std::make_unique<TFAtmo>(session, dialogs);
        window->app().loadCatalog(0);  // the comet catalog; object 0 becomes current
        dialogs.clear();               // the sample file's age warning
        page = window->findChild<QWidget*>("tsEfe");
        ASSERT_NE(page, nullptr);
        window->findChild<QTabWidget*>("PageControl1")->setCurrentWidget(page);
        combo = child<QComboBox>("ComboBox2");
        memo = child<QPlainTextEdit>("Memo1");
        ASSERT_FALSE(combo->currentText().isEmpty());
    }

    template <typename W>
    W* child(const char* name) {
        W* w = page->findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void setText(const char* box, const QString& text) { child<QLineEdit>(box)->setText(text); }
    void click(const char* button) { child<QAbstractButton>(button)->click(); }

    QStringList memoLines() const {
        const QString text = memo->toPlainText();
        return text.isEmpty() ? QStringList{} : text.split(QLatin1Char('\n'));
    }
    static QStringList ToQt(const std::vector<std::string>& lines) {
        QStringList out;
        for (const auto& line : lines) out << QString::fromStdString(line);
        return out;
    }
    // The pure table for the page's current inputs.
    std::vector<std::string> PureTable(const vagaris::EphemerisLayout& layout,
                                       const vagaris::EphemerisRangeTexts& texts) {
        std::vector<std::string> lines;
        vagaris::BuildEphemerisTable(vagaris::ObserverFromSettings(session.settings),
                                     session.Elements, combo->currentText().toStdString(), layout,
                                     texts, lines);
        return lines;
    }

    TestHome home;
    vagaris::Session session;
    FakeDialogs dialogs;
    std::unique_ptr<TFAtmo> window;
    QWidget* page = nullptr;
    QComboBox* combo = nullptr;
    QPlainTextEdit* memo = nullptr;
};

TEST_F(EfePageTest, ControlsStartWithTheirMasksAndDefaults) {
    struct Box {
        const char* name;
        QString mask, text;
    };
    for (const Box& b : {Box{"meInter", "99.9;_", "01.0"}, Box{"MaskEdit1", "9999;_", "0030"},
                         Box{"meFecha2", "99/99/9999;_", ""}, Box{"meHora2", "99:99:99;_", ""}}) {
        auto* edit = child<QLineEdit>(b.name);
        EXPECT_EQ(edit->inputMask(), b.mask) << b.name;
        if (!b.text.isEmpty()) {
            EXPECT_EQ(edit->text(), b.text) << b.name;
        }
    }
    auto* unit = child<QComboBox>("cbInter");
    ASSERT_EQ(unit->count(), 3);
    EXPECT_EQ(unit->itemText(0), "Días");
    EXPECT_EQ(unit->itemText(2), "Minutos");
    EXPECT_EQ(unit->currentIndex(), 0);
    for (const char* name : {"cbVel", "cbAltura", "cbDelta", "cbR", "cbElo", "cbFase"})
        EXPECT_TRUE(child<QCheckBox>(name)->isChecked()) << name;
    auto* cola = child<QCheckBox>("cbCola");
    EXPECT_FALSE(cola->isChecked());
    EXPECT_TRUE(cola->isHidden());  // no extended mode in a fresh program directory
    EXPECT_EQ(child<QPushButton>("Button32")->text(), "Calcular");
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_TRUE(memo->font().fixedPitch());
}

TEST_F(EfePageTest, PageEntryCopiesCurrentInstantAndClearsTheTable) {
    memo->setPlainText("old");
    session.CurrentInstant = vagaris::EncodeDate(2011, 7, 4) + 0.25;
    auto* tabs = window->findChild<QTabWidget*>("PageControl1");
    tabs->setCurrentIndex(0);
    tabs->setCurrentWidget(page);
    EXPECT_EQ(child<QLineEdit>("meFecha2")->text(), "04/07/2011");
    EXPECT_EQ(child<QLineEdit>("meHora2")->text(), "06:00:00");
    EXPECT_TRUE(memo->toPlainText().isEmpty());
}

TEST_F(EfePageTest, CalcularShowsThePureTableAndLeavesCurrentInstant) {
    setText("meFecha2", "01/03/1997");
    setText("meHora2", "06:00:00");
    setText("meInter", "12.0");
    child<QComboBox>("cbInter")->setCurrentIndex(1);
    setText("MaskEdit1", "0010");
    child<QCheckBox>("cbFase")->setChecked(false);
    session.settings.Polar = false;
    session.settings.PerMinute = false;
    const vagaris::Instant before = session.CurrentInstant;

    click("Button32");

    vagaris::EphemerisLayout layout;
    layout.Fase = false;
    layout.Polar = false;
    layout.PerMinute = false;
    vagaris::EphemerisRangeTexts texts{"01/03/1997", "06:00:00", "12.0",
                                       vagaris::EphemerisStepUnit::Hours, "0010"};
    const auto expected = PureTable(layout, texts);
    EXPECT_EQ(expected.size(), 7u + 10u);
    EXPECT_EQ(memoLines(), ToQt(expected));
    EXPECT_EQ(session.CurrentInstant, before);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(EfePageTest, InvalidStartDateKeepsTheHeaderLinesAndReportsTheConversion) {
    memo->setPlainText("old table");
    setText("meFecha2", "31/02/2009");
    const vagaris::Instant before = session.CurrentInstant;
    click("Button32");
    EXPECT_EQ(dialogs.texts("error"), QStringList{"'31/02/2009' is not a valid date"});
    vagaris::EphemerisLayout layout;
    vagaris::ApplyEphemerisSettings(layout, session.settings);
    EXPECT_EQ(memoLines(),
              ToQt(vagaris::EphemerisHeaderLines(combo->currentText().toStdString(), layout)));
    EXPECT_EQ(session.CurrentInstant, before);
}

TEST_F(EfePageTest, SaveWritesWindows1252WithCrLfAfterEveryLine) {
    setText("meFecha2", "01/03/1997");
    setText("MaskEdit1", "0002");
    click("Button32");
    const auto path = home.dir / "tabla.txt";

    dialogs.saveAnswers.push_back("");  // cancelled: nothing written
    click("SpeedButton12");
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(dialogs.lastSaveFilter, "Archivos de texto (*.txt)|*.txt");
    EXPECT_EQ(dialogs.lastSaveDefaultExt, "txt");

    dialogs.saveAnswers.push_back(QString::fromStdString(path.string()));
    click("SpeedButton12");
    const std::string bytes = ReadBytes(path);
    std::vector<std::string> lines;
    for (const QString& line : memoLines()) lines.push_back(line.toStdString());
    EXPECT_EQ(bytes, vagaris::EncodeTextFile(lines));
    EXPECT_NE(bytes.find("Altura m\xE1xima para Sol a -18\xBA y Lat +40\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("---  ---  \r\n"), std::string::npos);  // trailing blanks kept
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(bytes.substr(bytes.size() - 4), "  \r\n");  // last data line ends like the rest
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(EfePageTest, AhoraPickerAndObjectChangeClearTheTable) {
    auto build = [&] {
        setText("MaskEdit1", "0001");
        click("Button32");
        ASSERT_FALSE(memo->toPlainText().isEmpty());
    };

    build();
    session.CurrentInstant = 1000;  // "Ahora" reads the clock, not CurrentInstant
    click("Button2");
    EXPECT_EQ(child<QLineEdit>("meFecha2")->text(), "15/03/2010");
    EXPECT_EQ(child<QLineEdit>("meHora2")->text(), "18:30:00");
    EXPECT_TRUE(memo->toPlainText().isEmpty());
    EXPECT_EQ(session.CurrentInstant, 1000);

    build();
    dialogs.onExec = [](QDialog& d) {
        auto* calendar = d.findChild<QCalendarWidget*>("MonthCalendar2");
        if (!calendar) return int(QDialog::Rejected);
        calendar->setSelectedDate(QDate(2012, 2, 29));
        return int(QDialog::Accepted);
    };
    click("Button11");
    EXPECT_EQ(child<QLineEdit>("meFecha2")->text(), "29/02/2012");
    EXPECT_TRUE(memo->toPlainText().isEmpty());

    build();
    ASSERT_GE(combo->count(), 3);
    combo->setCurrentIndex(2);
    emit combo->activated(2);  // the user's choice
    EXPECT_TRUE(memo->toPlainText().isEmpty());
    EXPECT_EQ(session.SelectorIndex, 2);
}

}  // namespace
