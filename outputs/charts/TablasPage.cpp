#include "outputs/charts/TablasPage.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
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
#include "orbitview/PictureExport.h"
#include "outputs/charts/ChartView.h"
#include "shell/AppController.h"
#include "shell/BusyCursor.h"
#include "shell/Dialogs.h"

using namespace vagaris;

namespace {

const QString kPictureFilter = QStringLiteral("Gif (*.gif)|*.gif|Bitmaps (*.bmp)|*.bmp");
const QString kPopupItemCaption = QStringLiteral("Fijar fecha");

QString Q(const std::string& s) { return QString::fromStdString(s); }

QPushButton* SmallButton(QWidget* parent, const char* name, const char* caption, int width) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setFixedWidth(width);
    b->setAutoDefault(false);
    return b;
}

QLabel* Caption(QWidget* parent, const char* text) {
    return new QLabel(QString::fromUtf8(text), parent);
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
    ComboBox4 = new QComboBox(this);
    ComboBox4->setObjectName(QStringLiteral("ComboBox4"));
    ComboBox4->setMinimumWidth(150);
    QStringList items;
    for (const auto& item : ChartQuantityItems()) items << Q(item);
    cbDato = new QComboBox(this);
    cbDato->setObjectName(QStringLiteral("cbDato"));
    cbDato->addItems(items);
    cbDato2 = new QComboBox(this);
    cbDato2->setObjectName(QStringLiteral("cbDato2"));
    cbDato2->addItems(items);
    cbDato2->setCurrentIndex(kQuantityMaxAltitude);
    choice->addWidget(Caption(this, "Objeto"));
    choice->addWidget(ComboBox4, 1);
    choice->addWidget(Caption(this, "Clase I"));
    choice->addWidget(cbDato);
    choice->addWidget(Caption(this, "Clase D"));
    choice->addWidget(cbDato2);
    page->addLayout(choice);

    // The date with its time buttons, the span with its buttons, the picture button.
    auto* window = new QHBoxLayout();
    window->setSpacing(2);
    Edit2 = new QLineEdit(QStringLiteral("00/00/0000"), this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setReadOnly(true);
    Edit2->setFixedWidth(74);
    Button16 = SmallButton(this, "Button16", "<<", 28);
    Button17 = SmallButton(this, "Button17", "<", 24);
    Button12 = SmallButton(this, "Button12", ">", 24);
    Button13 = SmallButton(this, "Button13", ">>", 28);
    Button20 = SmallButton(this, "Button20", "...", 28);
    Edit3 = new QLineEdit(QStringLiteral("320"), this);
    Edit3->setObjectName(QStringLiteral("Edit3"));
    Edit3->setReadOnly(true);
    Edit3->setFixedWidth(48);
    Button18 = SmallButton(this, "Button18", "- -", 28);
    Button19 = SmallButton(this, "Button19", "-", 24);
    Button14 = SmallButton(this, "Button14", "+", 24);
    Button15 = SmallButton(this, "Button15", "++", 28);
    Button23 = SmallButton(this, "Button23", "320", 34);
    SpeedButton20 = new QToolButton(this);
    SpeedButton20->setObjectName(QStringLiteral("SpeedButton20"));
    SpeedButton20->setAutoRaise(true);
    SpeedButton20->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    window->addWidget(Caption(this, "Fecha"));
    window->addWidget(Edit2);
    for (QPushButton* b : {Button16, Button17, Button12, Button13, Button20}) window->addWidget(b);
    window->addSpacing(10);
    window->addWidget(Caption(this, "Días"));
    window->addWidget(Edit3);
    for (QPushButton* b : {Button18, Button19, Button14, Button15, Button23}) window->addWidget(b);
    window->addStretch(1);
    page->addLayout(window);

    // The twilight for "Altura máxima"; it keeps its place while hidden so the chart stays put.
    rgCre = new QGroupBox(QStringLiteral("Crepúsculo para Altura máxima"), this);
    rgCre->setObjectName(QStringLiteral("rgCre"));
    auto* radios = new QHBoxLayout(rgCre);
    radios->setContentsMargins(8, 2, 8, 2);
    rbAstro = new QRadioButton(QStringLiteral("Astronómico"), rgCre);
    rbAstro->setObjectName(QStringLiteral("rbAstro"));
    rbAstro->setChecked(true);
    rbNau = new QRadioButton(QStringLiteral("Náutico"), rgCre);
    rbNau->setObjectName(QStringLiteral("rbNau"));
    rbCivil = new QRadioButton(QStringLiteral("Civil"), rgCre);
    rbCivil->setObjectName(QStringLiteral("rbCivil"));
    radios->addWidget(rbAstro);
    radios->addWidget(rbNau);
    radios->addWidget(rbCivil);
    radios->addStretch(1);
    QSizePolicy keepPlace = rgCre->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    rgCre->setSizePolicy(keepPlace);
    auto* twilightRow = new QHBoxLayout();
    twilightRow->addWidget(rgCre);
    twilightRow->addStretch(1);
    twilightRow->addWidget(SpeedButton20, 0, Qt::AlignBottom);
    page->addLayout(twilightRow);

    cTabla = new ChartView(this);
    page->addWidget(cTabla, 0, Qt::AlignHCenter);
    page->addStretch(1);

    // The read-out floats over the chart, outside the layout, and lets the pointer through.
    Panel5 = new QFrame(this);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    Panel5->setFrameShape(QFrame::Box);
    Panel5->setAutoFillBackground(true);
    QPalette tip = Panel5->palette();
    tip.setColor(QPalette::Window, tip.color(QPalette::ToolTipBase));
    Panel5->setPalette(tip);
    Panel5->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* readout = new QVBoxLayout(Panel5);
    readout->setContentsMargins(4, 2, 4, 2);
    readout->setSpacing(0);
    Label57 = ReadoutLabel(Panel5, "Label57", Qt::black);
    Label58 = ReadoutLabel(Panel5, "Label58", QColor(255, 0, 0));
    Label59 = ReadoutLabel(Panel5, "Label59", QColor(128, 128, 0));
    readout->addWidget(Label57);
    readout->addWidget(Label58);
    readout->addWidget(Label59);
    Panel5->hide();

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Fijarfecha1 = PopupMenu1->addAction(kPopupItemCaption);
    Fijarfecha1->setObjectName(QStringLiteral("Fijarfecha1"));
}

void TablasPage::connectHandlers() {
    app_.bindObjectSelector(ComboBox4, [this] { app_.guarded([&] { rebuild(); }); });
    auto rebuildGuarded = [this] { app_.guarded([&] { rebuild(); }); };
    connect(cbDato, &QComboBox::currentIndexChanged, this, rebuildGuarded);
    connect(cbDato2, &QComboBox::currentIndexChanged, this, rebuildGuarded);
    for (QRadioButton* rb : {rbAstro, rbNau, rbCivil})
        connect(rb, &QRadioButton::clicked, this, rebuildGuarded);

    connect(Button16, &QPushButton::clicked, this,
            [this] { timeButtonClick(ChartTimeButton::LaterHalf); });
    connect(Button17, &QPushButton::clicked, this,
            [this] { timeButtonClick(ChartTimeButton::LaterTenth); });
    connect(Button12, &QPushButton::clicked, this,
            [this] { timeButtonClick(ChartTimeButton::EarlierTenth); });
    connect(Button13, &QPushButton::clicked, this,
            [this] { timeButtonClick(ChartTimeButton::EarlierHalf); });
    connect(Button20, &QPushButton::clicked, this, &TablasPage::Button20Click);

    connect(Button14, &QPushButton::clicked, this,
            [this] { spanButtonClick(ChartSpanButton::Wider); });
    connect(Button15, &QPushButton::clicked, this,
            [this] { spanButtonClick(ChartSpanButton::Double); });
    connect(Button19, &QPushButton::clicked, this,
            [this] { spanButtonClick(ChartSpanButton::Narrower); });
    connect(Button18, &QPushButton::clicked, this,
            [this] { spanButtonClick(ChartSpanButton::Half); });
    connect(Button23, &QPushButton::clicked, this,
            [this] { spanButtonClick(ChartSpanButton::Reset); });

    connect(cTabla, &ChartView::pointerMoved, this, &TablasPage::cTablaMouseMove);
    connect(cTabla, &ChartView::contextMenuWanted, this, &TablasPage::cTablaContextMenu);
    connect(PopupMenu1, &QMenu::aboutToShow, this, &TablasPage::PopupMenu1Popup);
    connect(Fijarfecha1, &QAction::triggered, this, &TablasPage::Fijarfecha1Click);
    connect(SpeedButton20, &QToolButton::clicked, this, &TablasPage::SpeedButton20Click);
}

void TablasPage::pageEntered() {
    {
        // Setting the lists from here is not the user's change: no rebuild per list.
        const QSignalBlocker left(cbDato);
        const QSignalBlocker right(cbDato2);
        cbDato->setCurrentIndex(kQuantityMagnitude);
        cbDato2->setCurrentIndex(kQuantityMaxAltitude);
    }
    app_.guarded([&] { rebuild(); });
}

int TablasPage::span() const { return ParseInt(Edit3->text().toStdString()); }

ChartTwilight TablasPage::twilight() const {
    if (rbNau->isChecked()) return ChartTwilight::Nautical;
    if (rbCivil->isChecked()) return ChartTwilight::Civil;
    return ChartTwilight::Astronomical;
}

void TablasPage::rebuild() {
    Session& session = app_.session();
    Edit2->setText(Q(FormatInstant("dd/mm/yyyy", session.CurrentInstant)));
    const int left = cbDato->currentIndex();
    const int right = cbDato2->currentIndex();
    rgCre->setVisible(ChartUsesTwilight(left, right));

    ChartRequest request;
    request.t0 = session.CurrentInstant;
    request.spanDays = span();
    request.leftItem = left;
    request.rightItem = right;
    request.twilight = twilight();
    try {
        samples_ = SampleChart(session, request);
    } catch (...) {
        // The failed sample's message is shown by the caller; no half curve stays on show.
        samples_ = ChartSamples();
        cTabla->clearCurves();
        Panel5->hide();
        throw;
    }
    cTabla->showSamples(samples_, Q(ChartTitle(session)));
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
        Edit3->setText(QString::number(ChartNextSpan(span(), button)));
        rebuild();
    });
}

void TablasPage::Button20Click() {
    app_.guarded([&] {
        const DateTimeFields shown = DecodeInstant(ParseDateText(Edit2->text().toStdString()));
        const auto chosen = app_.pickDate(QDate(shown.year, shown.month, shown.day));
        if (!chosen) return;
        app_.setCurrentInstant(EncodeDate(chosen->year(), chosen->month(), chosen->day()),
                               AppController::DateDisplay::Keep);
        rebuild();
    });
}

void TablasPage::cTablaMouseMove(QPointF pos) {
    const QRectF area = cTabla->plotArea();
    const auto index = ChartReadoutIndex(pos.x(), pos.y(), area.left(), area.right(), area.top(),
                                         area.bottom(), static_cast<int>(samples_.instants.size()));
    if (!index) {
        Panel5->hide();
        return;
    }
    const ChartReadout texts = ChartReadoutTexts(samples_, *index);
    Label57->setText(Q(texts.date));
    Label58->setText(Q(texts.left));
    Label59->setText(Q(texts.right));
    Label58->setVisible(!texts.left.empty());
    Label59->setVisible(!texts.right.empty());
    Panel5->adjustSize();
    // Beside the pointer, kept inside the chart.
    const QRect chartRect = cTabla->geometry();
    QPoint at = chartRect.topLeft() + pos.toPoint() + QPoint(14, 14);
    if (at.x() + Panel5->width() > chartRect.right())
        at.setX(chartRect.topLeft().x() + int(pos.x()) - Panel5->width() - 6);
    if (at.y() + Panel5->height() > chartRect.bottom())
        at.setY(chartRect.topLeft().y() + int(pos.y()) - Panel5->height() - 6);
    Panel5->move(at);
    Panel5->raise();
    Panel5->show();
}

void TablasPage::cTablaContextMenu(QPoint globalPos) { PopupMenu1->popup(globalPos); }

void TablasPage::PopupMenu1Popup() {
    // Before any read-out there is no date to take: the item stays as designed, disabled.
    const QString date = Label57->text();
    Fijarfecha1->setEnabled(!date.isEmpty());
    Fijarfecha1->setText(date.isEmpty() ? kPopupItemCaption
                                        : Q(ChartPopupCaption(date.toStdString())));
}

void TablasPage::Fijarfecha1Click() {
    app_.guarded([&] {
        const QString date = Label57->text();
        if (date.isEmpty()) return;
        app_.setCurrentInstant(ChartPopupInstant(date.toStdString()));
        rebuild();
    });
}

void TablasPage::SpeedButton20Click() {
    app_.guarded([&] {
        if (ComboBox4->currentIndex() < 0) return;
        const std::string name =
            ChartPictureName(ComboBox4->currentText().toStdString(), cbDato->currentIndex());
        const QString path =
            app_.dialogs().saveFile(this, kPictureFilter, QStringLiteral("gif"), Q(name));
        if (path.isEmpty()) return;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        rebuild();
        const QImage picture = cTabla->picture();
        BusyCursor busy;
        SavePicture(picture, path);
    });
}
