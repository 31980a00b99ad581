#include "toolkit/TFCalen.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include "translations/Translations.h"

TFCalen::TFCalen(std::function<QDate()> today, QWidget* parent)
    : QDialog(parent), today_(std::move(today)) {
    setObjectName(QStringLiteral("FCalen"));
    setWindowTitle(tr("Vagaris - Selección de fecha"));
    // Fixed size, a caption but no title-bar buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    yearList_ = new QComboBox(this);
    yearList_->setObjectName(QStringLiteral("cbAnos"));
    for (int year = kFirstYear; year <= kLastYear; ++year)
        yearList_->addItem(QString::number(year));
    auto* hoy = new QPushButton(tr("Hoy"), this);
    hoy->setObjectName(QStringLiteral("Button3"));
    hoy->setAutoDefault(false);

    calendar_ = new QCalendarWidget(this);
    calendar_->setObjectName(QStringLiteral("MonthCalendar2"));
    calendar_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    // Month and day names in Spanish, weeks from Monday; only the calendar's own texts.
    calendar_->setLocale(InterfaceLocale());  // month and day names in the interface language
    calendar_->setFirstDayOfWeek(Qt::Monday);
    calendar_->setGridVisible(false);

    auto* aceptar = new QPushButton(tr("Aceptar"), this);
    aceptar->setObjectName(QStringLiteral("Button1"));
    aceptar->setDefault(true);
    auto* cancelar = new QPushButton(tr("Cancelar"), this);
    cancelar->setObjectName(QStringLiteral("Button2"));
    cancelar->setAutoDefault(false);

    auto* top = new QHBoxLayout;
    top->addWidget(yearList_, 1);
    top->addWidget(hoy);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(aceptar);
    buttons->addWidget(cancelar);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(calendar_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(yearList_, &QComboBox::activated, this, &TFCalen::cbAnosClick);
    connect(hoy, &QPushButton::clicked, this, &TFCalen::Button3Click);
    connect(calendar_, &QCalendarWidget::selectionChanged, this, &TFCalen::MonthCalendar2Click);
    connect(aceptar, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
}

void TFCalen::setDate(const QDate& date) {
    calendar_->setSelectedDate(date);
    calendar_->setCurrentPage(date.year(), date.month());
    FormActivate();
}

QDate TFCalen::date() const { return calendar_->selectedDate(); }

void TFCalen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void TFCalen::FormActivate() {
    const int year = calendar_->selectedDate().year();
    yearList_->setCurrentIndex(year >= kFirstYear && year <= kLastYear ? year - kFirstYear : -1);
}

void TFCalen::cbAnosClick(int index) {
    if (index < 0) return;
    const QDate current = calendar_->selectedDate();
    const int year = kFirstYear + index;
    QDate chosen(year, current.month(), current.day());
    // 29 February of a common year becomes the 28th.
    if (!chosen.isValid()) chosen = QDate(year, current.month(), 28);
    calendar_->setSelectedDate(chosen);
    calendar_->setCurrentPage(chosen.year(), chosen.month());
}

void TFCalen::Button3Click() {
    const QDate today = today_ ? today_() : QDate::currentDate();
    setDate(today);
}

void TFCalen::MonthCalendar2Click() { FormActivate(); }
