// The date picker TFCalen and its caller on the Selección page.
#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QPushButton>

#include "shell/ShellTestWindow.h"
#include "toolkit/TFCalen.h"

namespace {

struct Picker {
    TFCalen dialog{[] { return QDate(2031, 7, 9); }};
    QComboBox* years = dialog.findChild<QComboBox*>("cbAnos");
    QCalendarWidget* calendar = dialog.findChild<QCalendarWidget*>("MonthCalendar2");
    void chooseYear(int year) {  // the user picks an entry of the year list
        const int index = year - 2000;
        years->setCurrentIndex(index);
        emit years->activated(index);
    }
};

TEST(DatePicker, CaptionAndYearList) {
    Picker p;
    EXPECT_EQ(p.dialog.windowTitle(), "Vagaris - Selección de fecha");
    ASSERT_EQ(p.years->count(), 51);
    EXPECT_EQ(p.years->itemText(0), "2000");
    EXPECT_EQ(p.years->itemText(50), "2050");
    for (const char* button : {"Button1", "Button2", "Button3"})
        EXPECT_NE(p.dialog.findChild<QPushButton*>(button), nullptr) << button;
}

TEST(DatePicker, YearListFollowsTheCalendar) {
    Picker p;
    p.dialog.setDate(QDate(2012, 2, 29));
    EXPECT_EQ(p.years->currentText(), "2012");
    p.dialog.setDate(QDate(1995, 6, 15));  // outside the list: no entry
    EXPECT_EQ(p.years->currentIndex(), -1);
    p.calendar->setSelectedDate(QDate(2050, 12, 31));  // a click in the calendar
    EXPECT_EQ(p.years->currentText(), "2050");
}

TEST(DatePicker, ChoosingAYearKeepsDayAndMonth) {
    const struct {
        QDate from;
        int year;
        QDate expected;
    } cases[] = {{QDate(1995, 6, 15), 2003, QDate(2003, 6, 15)},
                 {QDate(2012, 2, 29), 2013, QDate(2013, 2, 28)},
                 {QDate(2012, 2, 29), 2016, QDate(2016, 2, 29)},
                 {QDate(2024, 12, 31), 2000, QDate(2000, 12, 31)}};
    for (const auto& c : cases) {
        Picker p;
        p.dialog.setDate(c.from);
        p.chooseYear(c.year);
        EXPECT_EQ(p.dialog.date(), c.expected) << c.from.toString().toStdString();
        EXPECT_EQ(p.calendar->yearShown(), c.year);
    }
}

TEST(DatePicker, HoyTakesTheProgramClock) {
    Picker p;
    p.dialog.setDate(QDate(2001, 1, 1));
    p.dialog.findChild<QPushButton*>("Button3")->click();
    EXPECT_EQ(p.dialog.date(), QDate(2031, 7, 9));
    EXPECT_EQ(p.years->currentText(), "2031");
}

TEST(DatePicker, OkFromSeleccionSetsTheDayAtMidnight) {
    ShellTestWindow w;
    w.open();
    QDate shownInPicker;
    w.dialogs.onExec = [&](QDialog& d) {
        auto* calendar = d.findChild<QCalendarWidget*>("MonthCalendar2");
        shownInPicker = calendar->selectedDate();
        calendar->setSelectedDate(QDate(2012, 2, 29));
        d.findChild<QPushButton*>("Button1")->click();  // "Aceptar"
        return d.result();
    };
    w.find<QPushButton>("Button10")->click();
    EXPECT_EQ(shownInPicker, QDate(2024, 5, 1));
    EXPECT_EQ(w.text("meFecha"), "29/02/2012");
    EXPECT_EQ(w.text("meHora"), "00:00:00");
    EXPECT_EQ(w.session.CurrentInstant, vagaris::EncodeDate(2012, 2, 29));
}

TEST(DatePicker, CancelChangesNothing) {
    ShellTestWindow w;
    w.open();
    w.dialogs.onExec = [](QDialog& d) {
        d.findChild<QCalendarWidget*>("MonthCalendar2")->setSelectedDate(QDate(2012, 2, 29));
        d.findChild<QPushButton*>("Button2")->click();  // "Cancelar"
        return d.result();
    };
    w.find<QPushButton>("Button10")->click();
    EXPECT_EQ(w.text("meFecha"), "01/05/2024");
    EXPECT_EQ(w.text("meHora"), "21:30:00");
    EXPECT_EQ(w.session.CurrentInstant, w.now);
}

TEST(DatePicker, UnreadableDateBoxIsReportedAndThePickerStaysClosed) {
    ShellTestWindow w;
    w.open();
    bool opened = false;
    w.dialogs.onExec = [&](QDialog&) {
        opened = true;
        return int(QDialog::Rejected);
    };
    w.find<QLineEdit>("meFecha")->setText("31/02/2024");
    w.find<QPushButton>("Button10")->click();
    EXPECT_FALSE(opened);
    EXPECT_EQ(w.dialogs.texts("error").size(), 1);
}

}  // namespace
