// A user typing wrong things into every box of the Efemérides page and pressing every button:
// the boxes hold the focus instead of accepting an incomplete or impossible text, "Calcular"
// reports the conversion in an error box and keeps the header lines, nothing crashes or
// hangs, and the page still builds its table afterwards.
#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <filesystem>

#include "core/TextFile.h"
#include "outputs/ephemeris/EphemerisTable.h"
#include "toolkit/AppController.h"
#include "shell/ShellTestWindow.h"
#include "support/FileBytes.h"

namespace {

class EfeRobustness : public ::testing::Test {
protected:
    ShellTestWindow w;
    QWidget* page = nullptr;
    QPlainTextEdit* memo = nullptr;

    void SetUp() override {
        page = w.openOnPage("tsEfe");
        ASSERT_NE(page, nullptr);
        memo = child<QPlainTextEdit>("Memo1");
    }

    template <class T>
    T* child(const char* name) {
        return PageChild<T>(page, name);
    }
    QLineEdit* box(const char* name) { return child<QLineEdit>(name); }
    void click(const char* name) { child<QAbstractButton>(name)->click(); }
    std::string errors() const { return w.dialogs.texts("error").join("; ").toStdString(); }
    QStringList memoLines() const {
        const QString text = memo->toPlainText();
        return text.isEmpty() ? QStringList{} : text.split(QLatin1Char('\n'));
    }
    // Good texts in the four boxes: 01/03/1997 06:00:00, a 1-day step, three rows.
    void typeGoodInputs() {
        const std::pair<const char*, const char*> good[] = {{"meFecha2", "01031997"},
                                                            {"meHora2", "060000"},
                                                            {"meInter", "010"},
                                                            {"MaskEdit1", "0003"}};
        for (const auto& [name, keys] : good) {
            TypeKeys(box(name), QString::fromLatin1(keys));
            TabOut(box(name));
        }
    }
    vagaris::EphemerisLayout pageLayout() const {
        vagaris::EphemerisLayout layout;
        vagaris::ApplyEphemerisSettings(layout, w.session.settings);
        return layout;
    }
    QStringList headerLines() const {
        QStringList out;
        for (const auto& line : vagaris::EphemerisHeaderLines(
                 page->findChild<QComboBox*>("ComboBox2")->currentText().toStdString(),
                 pageLayout()))
            out << QString::fromStdString(line);
        return out;
    }
    // The page still answers: good inputs and "Calcular" give the header and three rows.
    void expectStillBuilds() {
        typeGoodInputs();
        w.dialogs.clear();
        click("Button32");
        EXPECT_TRUE(w.dialogs.shown.empty()) << errors();
        const QStringList lines = memoLines();
        ASSERT_EQ(lines.size(), headerLines().size() + 3);
        EXPECT_TRUE(lines.back().startsWith("03/03/1997  06:00")) << lines.back().toStdString();
    }
};

}  // namespace

TEST_F(EfeRobustness, StepAndRowBoxesHoldTheFocusWhileADigitIsMissing) {
    for (const char* name : {"meInter", "MaskEdit1"}) {
        SCOPED_TRACE(name);
        typeGoodInputs();
        QLineEdit* edit = box(name);
        TypeKeys(edit, "1");
        TabOut(edit);
        EXPECT_EQ(QApplication::focusWidget(), edit);  // held, without a message
        EXPECT_TRUE(w.dialogs.shown.empty());
    }
    expectStillBuilds();
}

TEST_F(EfeRobustness, WrongTextsKeepTheFocusAndCalcularReportsThem) {
    const struct {
        const char* box;
        const char* typed;    // keys pressed
        const char* message;  // the error of "Calcular"
    } cases[] = {
        {"meFecha2", "29022011", "'29/02/2011' is not a valid date"},
        {"meFecha2", "00000000", "'00/00/0000' is not a valid date"},
        {"meFecha2", "3112", "'31/12/    ' is not a valid date"},
        {"meFecha2", "ab-+.x ", "'  /  /    ' is not a valid date"},
        {"meHora2", "236000", "'23:60:00' is not a valid time"},
        {"meHora2", "1", "'1 :  :  ' is not a valid time"},
        {"meInter", "5", "'5 . ' is not a valid floating point value"},
        {"MaskEdit1", "-x", "'    ' is not a valid integer value"},
    };
    const vagaris::Instant instant = w.session.CurrentInstant;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " " + c.typed);
        typeGoodInputs();
        QLineEdit* edit = box(c.box);
        TypeKeys(edit, QString::fromLatin1(c.typed));
        TabOut(edit);
        EXPECT_EQ(QApplication::focusWidget(), edit);
        EXPECT_TRUE(w.dialogs.shown.empty());

        memo->setPlainText("old table");
        click("Button32");  // "Calcular"
        EXPECT_EQ(errors(), c.message);
        // The lines added before the failure stay.
        EXPECT_EQ(memoLines().join('\n').toStdString(), headerLines().join('\n').toStdString());
        EXPECT_EQ(w.session.CurrentInstant, instant);

        // The picker does not open on a start date that does not convert.
        if (QLatin1String(c.box) == QLatin1String("meFecha2")) {
            bool opened = false;
            w.dialogs.onExec = [&](QDialog&) {
                opened = true;
                return int(QDialog::Accepted);
            };
            w.dialogs.clear();
            click("Button11");
            EXPECT_FALSE(opened);
            EXPECT_EQ(errors(), c.message);
            w.dialogs.onExec = nullptr;
        }
        w.dialogs.clear();
    }
    expectStillBuilds();
}

TEST_F(EfeRobustness, MidnightOfTheNextDayPassesTheBoxButNotCalcular) {
    typeGoodInputs();
    TypeKeys(box("meHora2"), "240000");
    TabOut(box("meHora2"));
    EXPECT_NE(QApplication::focusWidget(), box("meHora2"));
    click("Button32");
    EXPECT_EQ(errors(), "'24:00:00' is not a valid time");
    expectStillBuilds();
}

TEST_F(EfeRobustness, EveryButtonUnitAndColumnOptionAnswers) {
    typeGoodInputs();
    const vagaris::Instant instant = w.session.CurrentInstant;

    // Every unit, every column option on its own, and the extremes of the step box.
    auto* unit = child<QComboBox>("cbInter");
    for (int u = 0; u < unit->count(); ++u) {
        ChooseWithKeys(unit, u);
        for (const char* option : {"", "cbVel", "cbAltura", "cbDelta", "cbR", "cbElo", "cbFase"}) {
            SCOPED_TRACE(std::to_string(u) + " " + option);
            QCheckBox* check = *option ? child<QCheckBox>(option) : nullptr;
            if (check) ClickWithMouse(check);
            for (const char* step : {"000", "999"}) {
                TypeKeys(box("meInter"), QString::fromLatin1(step));
                TabOut(box("meInter"));
                click("Button32");
                const QStringList lines = memoLines();
                ASSERT_GE(lines.size(), 3);
                // Every cell followed by two blanks, the separator's dashes over the cells.
                const QString separator = lines[lines.size() - 4];
                EXPECT_TRUE(separator.startsWith("-----------------  ")) << separator.toStdString();
                EXPECT_EQ(lines.back().size(), separator.size()) << lines.back().toStdString();
                EXPECT_TRUE(lines.back().endsWith("  "));
            }
            if (check) ClickWithMouse(check);
        }
    }
    ChooseWithKeys(unit, 0);
    EXPECT_TRUE(w.dialogs.shown.empty()) << errors();
    EXPECT_EQ(w.session.CurrentInstant, instant);

    // "Ahora" reads the clock; the picker, cancelled then accepted.
    click("Button2");
    EXPECT_EQ(box("meFecha2")->text(), "01/05/2024");
    EXPECT_EQ(box("meHora2")->text(), "21:30:00");
    EXPECT_TRUE(memo->toPlainText().isEmpty());
    click("Button11");  // FakeDialogs rejects by default
    EXPECT_EQ(box("meFecha2")->text(), "01/05/2024");
    w.dialogs.onExec = [](QDialog& d) {
        auto* calendar = d.findChild<QCalendarWidget*>();
        if (!calendar) return int(QDialog::Rejected);
        calendar->setSelectedDate(QDate(2003, 12, 31));
        return int(QDialog::Accepted);
    };
    click("Button11");
    EXPECT_EQ(box("meFecha2")->text(), "31/12/2003");
    w.dialogs.onExec = nullptr;

    // Saving: cancelled, into a folder that does not exist (an error box, the table stays),
    // then for real.
    click("Button32");
    const QStringList table = memoLines();
    const auto missing = w.home.dir / "no-such-folder" / "tabla.txt";
    const auto path = w.home.dir / "tabla.txt";
    w.dialogs.saveAnswers = {QString(), QString::fromStdString(missing.string()),
                             QString::fromStdString(path.string())};
    for (int k = 0; k < 3; ++k) click("SpeedButton12");
    EXPECT_EQ(w.dialogs.texts("error").size(), 1);
    EXPECT_FALSE(std::filesystem::exists(missing));
    EXPECT_EQ(memoLines(), table);
    std::vector<std::string> lines;
    for (const QString& line : table) lines.push_back(line.toStdString());
    EXPECT_EQ(vagaris::test::ReadBytes(path), vagaris::EncodeTextFile(lines));
    w.dialogs.clear();

    // Another object chosen with the keys empties the table and moves every selector.
    auto* objects = child<QComboBox>("ComboBox2");
    ASSERT_GT(objects->count(), 3);
    ChooseWithKeys(objects, 3);
    EXPECT_TRUE(memo->toPlainText().isEmpty());
    EXPECT_EQ(w.session.SelectorIndex, 3);
    EXPECT_EQ(w.find<QComboBox>("ComboBox4")->currentIndex(), 3);

    expectStillBuilds();
}
