#pragma once
// The date picker: a modal dialog with a year list (2000-2050) over a one-month calendar.
// The caller sets the calendar's date, runs it and reads the date after "Aceptar".
#include <QDate>
#include <QDialog>
#include <functional>

class QCalendarWidget;
class QComboBox;

class TFCalen : public QDialog {
    Q_OBJECT
public:
    static constexpr int kFirstYear = 2000;
    static constexpr int kLastYear = 2050;

    // `today` gives the present date for "Hoy" (the program's clock, never read here).
    explicit TFCalen(std::function<QDate()> today, QWidget* parent = nullptr);

    void setDate(const QDate& date);
    QDate date() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Selects the calendar date's year in cbAnos; a year outside the list selects nothing.
    void FormActivate();
    void cbAnosClick(int index);  // a year chosen: the same day and month in that year
    void Button3Click();          // "Hoy": today's date in the calendar
    void MonthCalendar2Click();   // a day clicked: the year list follows it

    // Button1 "Aceptar" and Button2 "Cancelar" close the dialog; they need no member.
    std::function<QDate()> today_;
    QComboBox* yearList_ = nullptr;        // cbAnos, 2000 ... 2050
    QCalendarWidget* calendar_ = nullptr;  // MonthCalendar2
};
