#include "outputs/charts/TablasPage.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/Session.h"
#include "core/TextForms.h"
#include "core/Time.h"
#include "pictures/PictureExport.h"
#include "outputs/charts/ChartView.h"
#include "toolkit/AppController.h"
#include "toolkit/BusyCursor.h"
#include "toolkit/Dialogs.h"
#include "translations/Translations.h"

using namespace vagaris;

namespace {

const QString kPictureFilter = QStringLiteral("Gif (*.gif)|*.gif|Bitmaps (*.bmp)|*.bmp");
const char* const kPopupItemCaption = QT_TRANSLATE_NOOP("TablasPage", "Fijar fecha");

QString Q(const std::string& s) { return QString::fromStdString(s); }

QPushButton* SmallButton(QWidget* parent, const char* name, const char* caption, int width) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setFixedWidth(width);
    b->setAutoDefault(false);
    return b;
}

// `text` is marked with QT_TR_NOOP where the page is built.
QLabel* Caption(QWidget* parent, const char* text) {
    return new QLabel(QCoreApplication::translate("TablasPage", text), parent);
}

QLabel* ReadoutLabel(QWidget* parent, const char* name, const QColor& colour) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

}  // namespace

TablasPage::TablasPage(AppController& app, QWidget* parent) : Page(app, parent) {
    setObjectName(QStringLiteral("tsTablas"));
    buildControls();
    connectHandlers();
}

void TablasPage::buildControls() {
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(4, 4, 4, 4);
    page->setSpacing(4);

    // Object and the two quantities.
    auto* choice = new QHBoxLayout();
    objectChoice_ = new QComboBox(this);
    objectChoice_->setObjectName(QStringLiteral("ComboBox4"));
    objectChoice_->setMinimumWidth(150);
    QStringList items;
    for (const auto& item : ChartQuantityItems())
        items << QCoreApplication::translate("CoreText", item.c_str());
    leftQuantity_ = new QComboBox(this);
    leftQuantity_->setObjectName(QStringLiteral("cbDato"));
    leftQuantity_->addItems(items);
    rightQuantity_ = new QComboBox(this);
    rightQuantity_->setObjectName(QStringLiteral("cbDato2"));
    rightQuantity_->addItems(items);
    rightQuantity_->setCurrentIndex(kQuantityMaxAltitude);
    choice->addWidget(Caption(this, QT_TR_NOOP("Objeto")));
    choice->addWidget(objectChoice_, 1);
    choice->addWidget(Caption(this, QT_TR_NOOP("Clase I")));
    choice->addWidget(leftQuantity_);
    choice->addWidget(Caption(this, QT_TR_NOOP("Clase D")));
    choice->addWidget(rightQuantity_);
    page->addLayout(choice);

    // The date with its time buttons, the span with its buttons, the picture button.
    auto* window = new QHBoxLayout();
    window->setSpacing(2);
    dateBox_ = new QLineEdit(QStringLiteral("00/00/0000"), this);
    dateBox_->setObjectName(QStringLiteral("Edit2"));
    dateBox_->setReadOnly(true);
    dateBox_->setFixedWidth(74);
    laterHalf_ = SmallButton(this, "Button16", "<<", 28);
    laterTenth_ = SmallButton(this, "Button17", "<", 24);
    earlierTenth_ = SmallButton(this, "Button12", ">", 24);
    earlierHalf_ = SmallButton(this, "Button13", ">>", 28);
    datePicker_ = SmallButton(this, "Button20", "...", 28);
    spanBox_ = new QLineEdit(QStringLiteral("320"), this);
    spanBox_->setObjectName(QStringLiteral("Edit3"));
    spanBox_->setReadOnly(true);
    spanBox_->setFixedWidth(48);
    spanHalf_ = SmallButton(this, "Button18", "- -", 28);
    spanNarrower_ = SmallButton(this, "Button19", "-", 24);
    spanWider_ = SmallButton(this, "Button14", "+", 24);
    spanDouble_ = SmallButton(this, "Button15", "++", 28);
    spanReset_ = SmallButton(this, "Button23", "320", 34);
    saveButton_ = new QToolButton(this);
    saveButton_->setObjectName(QStringLiteral("SpeedButton20"));
    saveButton_->setAutoRaise(true);
    saveButton_->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    window->addWidget(Caption(this, QT_TR_NOOP("Fecha")));
    window->addWidget(dateBox_);
    for (QPushButton* b : {laterHalf_, laterTenth_, earlierTenth_, earlierHalf_, datePicker_})
        window->addWidget(b);
    window->addSpacing(10);
    window->addWidget(Caption(this, QT_TR_NOOP("Días")));
    window->addWidget(spanBox_);
    for (QPushButton* b : {spanHalf_, spanNarrower_, spanWider_, spanDouble_, spanReset_})
        window->addWidget(b);
    window->addStretch(1);
    page->addLayout(window);

    // The twilight for "Altura máxima"; it keeps its place while hidden so the chart stays put.
    twilightGroup_ = new QGroupBox(tr("Crepúsculo para Altura máxima"), this);
    twilightGroup_->setObjectName(QStringLiteral("rgCre"));
    auto* radios = new QHBoxLayout(twilightGroup_);
    radios->setContentsMargins(8, 2, 8, 2);
    twilightAstro_ = new QRadioButton(tr("Astronómico"), twilightGroup_);
    twilightAstro_->setObjectName(QStringLiteral("rbAstro"));
    twilightAstro_->setChecked(true);
    twilightNautical_ = new QRadioButton(tr("Náutico"), twilightGroup_);
    twilightNautical_->setObjectName(QStringLiteral("rbNau"));
    twilightCivil_ = new QRadioButton(tr("Civil"), twilightGroup_);
    twilightCivil_->setObjectName(QStringLiteral("rbCivil"));
    radios->addWidget(twilightAstro_);
    radios->addWidget(twilightNautical_);
    radios->addWidget(twilightCivil_);
    radios->addStretch(1);
    QSizePolicy keepPlace = twilightGroup_->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    twilightGroup_->setSizePolicy(keepPlace);
    auto* twilightRow = new QHBoxLayout();
    twilightRow->addWidget(twilightGroup_);
    twilightRow->addStretch(1);
    twilightRow->addWidget(saveButton_, 0, Qt::AlignBottom);
    page->addLayout(twilightRow);

    chart_ = new ChartView(this);
    page->addWidget(chart_, 0, Qt::AlignHCenter);
    page->addStretch(1);

    // The read-out floats over the chart, outside the layout, and lets the pointer through.
    readoutPanel_ = new QFrame(this);
    readoutPanel_->setObjectName(QStringLiteral("Panel5"));
    readoutPanel_->setFrameShape(QFrame::Box);
    readoutPanel_->setAutoFillBackground(true);
    QPalette tip = readoutPanel_->palette();
    tip.setColor(QPalette::Window, tip.color(QPalette::ToolTipBase));
    readoutPanel_->setPalette(tip);
    readoutPanel_->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* readout = new QVBoxLayout(readoutPanel_);
    readout->setContentsMargins(4, 2, 4, 2);
    readout->setSpacing(0);
    readoutDate_ = ReadoutLabel(readoutPanel_, "Label57", Qt::black);
    readoutLeft_ = ReadoutLabel(readoutPanel_, "Label58", QColor(255, 0, 0));
    readoutRight_ = ReadoutLabel(readoutPanel_, "Label59", QColor(128, 128, 0));
    readout->addWidget(readoutDate_);
    readout->addWidget(readoutLeft_);
    readout->addWidget(readoutRight_);
    readoutPanel_->hide();

    popupMenu_ = new QMenu(this);
    popupMenu_->setObjectName(QStringLiteral("PopupMenu1"));
    setDateAction_ = popupMenu_->addAction(tr(kPopupItemCaption));
    setDateAction_->setObjectName(QStringLiteral("Fijarfecha1"));
}

void TablasPage::connectHandlers() {
    app_.bindObjectSelector(objectChoice_, [this] { app_.guarded([&] { rebuild(); }); });
    auto rebuildGuarded = [this] { app_.guarded([&] { rebuild(); }); };
    connect(leftQuantity_, &QComboBox::currentIndexChanged, this, rebuildGuarded);
    connect(rightQuantity_, &QComboBox::currentIndexChanged, this, rebuildGuarded);
    for (QRadioButton* rb : {twilightAstro_, twilightNautical_, twilightCivil_})
        connect(rb, &QRadioButton::clicked, this, rebuildGuarded);

    connect(laterHalf_, &QPushButton::clicked, this,
            [this] { timeButtonClick(ChartTimeButton::LaterHalf); });
    connect(laterTenth_, &QPushButton::clicked, this,
            [this] { timeButtonClick(ChartTimeButton::LaterTenth); });
    connect(earlierTenth_, &QPushButton::clicked, this,
            [this] { timeButtonClick(ChartTimeButton::EarlierTenth); });
    connect(earlierHalf_, &QPushButton::clicked, this,
            [this] { timeButtonClick(ChartTimeButton::EarlierHalf); });
    connect(datePicker_, &QPushButton::clicked, this, &TablasPage::Button20Click);

    connect(spanWider_, &QPushButton::clicked, this,
            [this] { spanButtonClick(ChartSpanButton::Wider); });
    connect(spanDouble_, &QPushButton::clicked, this,
            [this] { spanButtonClick(ChartSpanButton::Double); });
    connect(spanNarrower_, &QPushButton::clicked, this,
            [this] { spanButtonClick(ChartSpanButton::Narrower); });
    connect(spanHalf_, &QPushButton::clicked, this,
            [this] { spanButtonClick(ChartSpanButton::Half); });
    connect(spanReset_, &QPushButton::clicked, this,
            [this] { spanButtonClick(ChartSpanButton::Reset); });

    connect(chart_, &ChartView::pointerMoved, this, &TablasPage::cTablaMouseMove);
    connect(chart_, &ChartView::contextMenuWanted, this, &TablasPage::cTablaContextMenu);
    connect(popupMenu_, &QMenu::aboutToShow, this, &TablasPage::PopupMenu1Popup);
    connect(setDateAction_, &QAction::triggered, this, &TablasPage::Fijarfecha1Click);
    connect(saveButton_, &QToolButton::clicked, this, &TablasPage::SpeedButton20Click);
}

void TablasPage::pageEntered() {
    {
        // Setting the lists from here is not the user's change: no rebuild per list.
        const QSignalBlocker left(leftQuantity_);
        const QSignalBlocker right(rightQuantity_);
        leftQuantity_->setCurrentIndex(kQuantityMagnitude);
        rightQuantity_->setCurrentIndex(kQuantityMaxAltitude);
    }
    app_.guarded([&] { rebuild(); });
}

int TablasPage::span() const { return ParseInt(spanBox_->text().toStdString()); }

ChartTwilight TablasPage::twilight() const {
    if (twilightNautical_->isChecked()) return ChartTwilight::Nautical;
    if (twilightCivil_->isChecked()) return ChartTwilight::Civil;
    return ChartTwilight::Astronomical;
}

void TablasPage::rebuild() {
    Session& session = app_.session();
    dateBox_->setText(Q(FormatInstant("dd/mm/yyyy", session.CurrentInstant)));
    const int left = leftQuantity_->currentIndex();
    const int right = rightQuantity_->currentIndex();
    twilightGroup_->setVisible(ChartUsesTwilight(left, right));

    ChartRequest request;
    request.t0 = session.CurrentInstant;
    request.spanDays = span();
    request.leftItem = left;
    request.rightItem = right;
    request.twilight = twilight();
    try {
        samples_ = SampleChart(vagaris::ObserverFromSettings(session.settings), session.Elements,
                               session.Circumstances, request);
    } catch (...) {
        // The failed sample's message is shown by the caller; no half curve stays on show.
        samples_ = ChartSamples();
        chart_->clearCurves();
        readoutPanel_->hide();
        throw;
    }
    chart_->showSamples(samples_, Q(ChartTitle(session)));
    // Let the chart lay itself out and redraw; the user's input waits until the handler ends.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TablasPage::timeButtonClick(ChartTimeButton button) {
    app_.guarded([&] {
        app_.setCurrentInstant(app_.session().CurrentInstant + ChartTimeStepDays(span(), button),
                               AppController::DateDisplay::Keep);
        rebuild();
    });
}

void TablasPage::spanButtonClick(ChartSpanButton button) {
    app_.guarded([&] {
        spanBox_->setText(QString::number(ChartNextSpan(span(), button)));
        rebuild();
    });
}

void TablasPage::Button20Click() {
    app_.guarded([&] {
        const DateTimeFields shown = DecodeInstant(ParseDateText(dateBox_->text().toStdString()));
        const auto chosen = app_.pickDate(QDate(shown.year, shown.month, shown.day));
        if (!chosen) return;
        app_.setCurrentInstant(EncodeDate(chosen->year(), chosen->month(), chosen->day()),
                               AppController::DateDisplay::Keep);
        rebuild();
    });
}

void TablasPage::cTablaMouseMove(QPointF pos) {
    const QRectF area = chart_->plotArea();
    const auto index = ChartReadoutIndex(pos.x(), pos.y(), area.left(), area.right(), area.top(),
                                         area.bottom(), static_cast<int>(samples_.instants.size()));
    if (!index) {
        readoutPanel_->hide();
        return;
    }
    const ChartReadout texts = ChartReadoutTexts(samples_, *index);
    readoutDate_->setText(Q(texts.date));
    readoutLeft_->setText(Q(texts.left));
    readoutRight_->setText(Q(texts.right));
    readoutLeft_->setVisible(!texts.left.empty());
    readoutRight_->setVisible(!texts.right.empty());
    readoutPanel_->adjustSize();
    // Beside the pointer, kept inside the chart.
    const QRect chartRect = chart_->geometry();
    QPoint at = chartRect.topLeft() + pos.toPoint() + QPoint(14, 14);
    if (at.x() + readoutPanel_->width() > chartRect.right())
        at.setX(chartRect.topLeft().x() + int(pos.x()) - readoutPanel_->width() - 6);
    if (at.y() + readoutPanel_->height() > chartRect.bottom())
        at.setY(chartRect.topLeft().y() + int(pos.y()) - readoutPanel_->height() - 6);
    readoutPanel_->move(at);
    readoutPanel_->raise();
    readoutPanel_->show();
}

void TablasPage::cTablaContextMenu(QPoint globalPos) { popupMenu_->popup(globalPos); }

void TablasPage::PopupMenu1Popup() {
    // Before any read-out there is no date to take: the item stays as designed, disabled.
    const QString date = readoutDate_->text();
    setDateAction_->setEnabled(!date.isEmpty());
    setDateAction_->setText(date.isEmpty() ? tr(kPopupItemCaption)
                                           : Q(ChartPopupCaption(date.toStdString(), TrCoreUtf8)));
}

void TablasPage::Fijarfecha1Click() {
    app_.guarded([&] {
        const QString date = readoutDate_->text();
        if (date.isEmpty()) return;
        app_.setCurrentInstant(ChartPopupInstant(date.toStdString()));
        rebuild();
    });
}

void TablasPage::SpeedButton20Click() {
    app_.guarded([&] {
        if (objectChoice_->currentIndex() < 0) return;
        const std::string name = ChartPictureName(objectChoice_->currentText().toStdString(),
                                                  leftQuantity_->currentIndex());
        const QString path =
            app_.dialogs().saveFile(this, kPictureFilter, QStringLiteral("gif"), Q(name));
        if (path.isEmpty()) return;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        rebuild();
        const QImage picture = chart_->picture();
        BusyCursor busy;
        SavePicture(picture, path);
    });
}
