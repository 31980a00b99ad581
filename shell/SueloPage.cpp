#include "shell/SueloPage.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include "catalogs/CatalogInfo.h"
#include "core/Time.h"
#include "core/precise/PreciseSession.h"
#include "core/InstantStep.h"
#include "toolkit/AppController.h"
#include "core/DateTimeBoxes.h"
#include "toolkit/Dialogs.h"
#include "toolkit/MaskedEdit.h"
#include "outputs/tonight/TonightWindow.h"
#include "translations/Translations.h"

namespace {

// A catalog radio button that reports the release of the mouse button, and of the Space
// key, so that keyboard users can load a catalog too. Arrow keys only move the check mark.
class CatalogRadioButton : public QRadioButton {
public:
    CatalogRadioButton(const QString& text, std::function<void()> released, QWidget* parent)
        : QRadioButton(text, parent), released_(std::move(released)) {}

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QRadioButton::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton) released_();
    }
    void keyReleaseEvent(QKeyEvent* event) override {
        QRadioButton::keyReleaseEvent(event);
        if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) released_();
    }

private:
    std::function<void()> released_;
};

QLabel* NewLabel(const QString& text, const QString& objectName = {}) {
    auto* label = new QLabel(text);
    if (!objectName.isEmpty()) label->setObjectName(objectName);
    return label;
}

QString FromStd(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

SueloPage::SueloPage(AppController& app, QWidget* parent) : Page(app, parent) {
    setObjectName(QStringLiteral("Suelo"));

    // The left column keeps to a narrow width so that the results have room.
    auto* leftColumn = new QWidget;
    leftColumn->setFixedWidth(196);
    auto* left = new QVBoxLayout(leftColumn);
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(4);
    left->addWidget(buildCatalogChoice());
    left->addWidget(buildSearch());
    auto* queObservar = new QPushButton(tr("¿Qué observar?"));
    queObservar->setObjectName(QStringLiteral("btnQueObservar"));
    connect(queObservar, &QPushButton::clicked, this, &SueloPage::queObservarClick);
    left->addWidget(queObservar);
    left->addWidget(buildElementsPanel(), 1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    layout->addWidget(leftColumn);
    layout->addWidget(buildDateAndResultsPanel(), 1);

    connect(&app_, &AppController::currentInstantChanged, this,
            [this](AppController::DateDisplay display) {
                if (display == AppController::DateDisplay::Rewrite) showCurrentInstant();
            });
    connect(&app_, &AppController::elementsChanged, this, &SueloPage::showElements);
    connect(&app_, &AppController::selectionTextsChanged, this, &SueloPage::showSelectionTexts);
    connect(&app_, &AppController::stepControlsChanged, this, &SueloPage::showStepControls);
    connect(&app_, &AppController::catalogChoiceCleared, this, &SueloPage::uncheckCatalogs);
    connect(&app_, &AppController::catalogLoadStarted, searchBox_, &QLineEdit::clear);
    connect(&app_, &AppController::catalogChecked, this, [this](int index) {
        if (index >= 0 && index < catalogButtons_.size()) catalogButtons_[index]->setChecked(true);
    });
    showStepControls();
}

QWidget* SueloPage::buildCatalogChoice() {
    auto* box = new QGroupBox(tr("Catálogo"));
    box->setObjectName(QStringLiteral("GroupBoxCatalogos"));
    auto* layout = new QVBoxLayout(box);
    layout->setSpacing(2);
    layout->setContentsMargins(8, 4, 8, 4);
    for (const vagaris::CatalogInfo& catalog : vagaris::kCatalogs) {
        auto* button = new CatalogRadioButton(
            TrCore(catalog.caption), [this] { rbComMouseUp(); }, box);
        button->setObjectName(QString::fromLatin1(catalog.radioName));
        catalogButtons_ << button;
        layout->addWidget(button);
    }
    return box;
}

QWidget* SueloPage::buildSearch() {
    auto* panel = new QWidget;
    auto* layout = new QGridLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    layout->addWidget(NewLabel(QStringLiteral("MPCOrb.dat:"), QStringLiteral("Label18")), 0, 0, 1,
                      2);
    searchBox_ = new QLineEdit;
    searchBox_->setObjectName(QStringLiteral("Edit5"));
    // Every typed letter becomes upper case.
    connect(searchBox_, &QLineEdit::textEdited, searchBox_, [this](const QString& text) {
        const QString upper = text.toUpper();
        if (upper == text) return;
        const int cursor = searchBox_->cursorPosition();
        searchBox_->setText(upper);
        searchBox_->setCursorPosition(cursor);
    });
    connect(searchBox_, &QLineEdit::returnPressed, this, &SueloPage::Button3Click);
    layout->addWidget(searchBox_, 1, 0);
    auto* buscar = new QPushButton(tr("Buscar"));
    buscar->setObjectName(QStringLiteral("Button3"));
    connect(buscar, &QPushButton::clicked, this, &SueloPage::Button3Click);
    layout->addWidget(buscar, 1, 1);
    layout->setColumnStretch(0, 1);
    return panel;
}

QWidget* SueloPage::buildElementsPanel() {
    auto* panel = new QFrame;
    panel->setObjectName(QStringLiteral("Panel3"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QGridLayout(panel);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setVerticalSpacing(3);

    auto* selector = new QComboBox;
    selector->setObjectName(QStringLiteral("ComboBox1"));
    selector->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    selector->setMinimumContentsLength(12);
    layout->addWidget(selector, 0, 0, 1, 2);
    app_.bindObjectSelector(selector);

    // Caption, box; ω, Ω and ι are the argument of perihelion, the node and the inclination.
    const struct {
        const char* caption;
        const char* box;
    } rows[] = {{QT_TR_NOOP("Epoca"), "eFecha"},
                {"M", "eM"},
                {"a", "ea"},
                {"q", "eq"},
                {"e:", "ee"},
                {"ω", "ew"},
                {"Ω", "eO"},
                {"ι", "ei"},
                {"H", "eH"},
                {"G", "eG"}};
    int row = 1;
    for (const auto& r : rows) {
        layout->addWidget(NewLabel(tr(r.caption)), row, 0);
        auto* box = new QLineEdit;
        box->setObjectName(QString::fromLatin1(r.box));
        box->setReadOnly(true);
        elementBoxes_.insert(box->objectName(), box);
        layout->addWidget(box, row, 1);
        ++row;
    }
    const char* periodName = vagaris::InfoOf(vagaris::SelectionQuantity::Period).objectName;
    layout->addWidget(NewLabel(QStringLiteral("P"), QString::fromLatin1(periodName)), row, 0, 1, 2);
    layout->setRowStretch(row + 1, 1);
    return panel;
}

QWidget* SueloPage::buildDateAndResultsPanel() {
    auto* panel = new QFrame;
    panel->setObjectName(QStringLiteral("Panel4"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);

    // Date and time of the computation (Universal Time).
    auto* dateRow = new QHBoxLayout;
    dateRow->setSpacing(4);
    dateRow->addWidget(NewLabel(tr("T.U:"), QStringLiteral("Label11")));
    dateBox_ = NewMaskedEdit(QStringLiteral("meFecha"), QStringLiteral("00/00/0000"),
                             QStringLiteral("01/01/2009"));
    timeBox_ = NewMaskedEdit(QStringLiteral("meHora"), QStringLiteral("00:00:00;1;_"),
                             QStringLiteral("00:00:00"));
    const int dateWidth =
        dateBox_->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 12;
    dateBox_->setFixedWidth(dateWidth);
    timeBox_->setFixedWidth(timeBox_->fontMetrics().horizontalAdvance(QStringLiteral("00:00:000")) +
                            12);
    InstallExitCheck(dateBox_,
                     [](const QString& t) { return vagaris::IsValidDateBoxText(t.toStdString()); });
    InstallExitCheck(timeBox_,
                     [](const QString& t) { return vagaris::IsValidTimeBoxText(t.toStdString()); });
    dateRow->addWidget(dateBox_);
    dateRow->addWidget(timeBox_);
    auto* picker = new QPushButton(QStringLiteral("..."));
    picker->setObjectName(QStringLiteral("Button10"));
    picker->setFixedWidth(picker->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 14);
    connect(picker, &QPushButton::clicked, this, &SueloPage::Button10Click);
    dateRow->addWidget(picker);
    dateRow->addStretch(1);
    layout->addLayout(dateRow);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->setSpacing(4);
    auto* calcular = new QPushButton(tr("Calcular"));
    calcular->setObjectName(QStringLiteral("Button1"));
    connect(calcular, &QPushButton::clicked, this, &SueloPage::Button1Click);
    auto* ahora = new QPushButton(tr("Ahora"));
    ahora->setObjectName(QStringLiteral("Button6"));
    connect(ahora, &QPushButton::clicked, this, &SueloPage::Button6Click);
    buttonRow->addWidget(calcular);
    buttonRow->addWidget(ahora);
    buttonRow->addSpacing(12);

    // Time step: "-" and "+" move the instant by the amount and unit chosen here.
    auto* back = new QToolButton;
    back->setObjectName(QStringLiteral("SpeedButton10"));
    back->setText(QStringLiteral("-"));
    stepAmount_ = new QComboBox;
    stepAmount_->setObjectName(QStringLiteral("cbDias2"));
    for (int amount : vagaris::kStepAmounts) stepAmount_->addItem(QString::number(amount));
    stepUnit_ = new QComboBox;
    stepUnit_->setObjectName(QStringLiteral("cbClase2"));
    stepUnit_->addItems(
        {tr("Años"), tr("Meses"), tr("Semanas"), tr("Días"), tr("Horas"), tr("Minutos")});
    auto* forward = new QToolButton;
    forward->setObjectName(QStringLiteral("SpeedButton5"));
    forward->setText(QStringLiteral("+"));
    connect(back, &QToolButton::clicked, this,
            [this] { app_.guarded([&] { app_.stepInstant(false); }); });
    connect(forward, &QToolButton::clicked, this,
            [this] { app_.guarded([&] { app_.stepInstant(true); }); });
    connect(stepAmount_, &QComboBox::currentIndexChanged, this,
            [this](int i) { app_.setStepAmountIndex(i); });
    connect(stepUnit_, &QComboBox::currentIndexChanged, this,
            [this](int i) { app_.setStepUnitIndex(i); });
    buttonRow->addWidget(back);
    buttonRow->addWidget(stepAmount_);
    buttonRow->addWidget(stepUnit_);
    buttonRow->addWidget(forward);
    buttonRow->addStretch(1);
    layout->addLayout(buttonRow);

    // Said over the results while the precise model computes them; hidden otherwise.
    auto* modelLine =
        NewLabel(TrCore(vagaris::kPreciseModelLine), QStringLiteral("lbModeloPreciso"));
    modelLine->setVisible(false);
    // The line with the planets' perturbations is wider than the results column.
    modelLine->setWordWrap(true);
    layout->addWidget(modelLine);

    // Results: caption and value, the value starting as "---".
    auto* results = new QGridLayout;
    results->setHorizontalSpacing(8);
    results->setVerticalSpacing(5);
    using Q = vagaris::SelectionQuantity;
    // The motion rows are built with the polar captions; the cartesian display reuses them.
    const Q rows[] = {Q::RightAscension, Q::Declination, Q::Delta,         Q::SunDistance,
                      Q::Magnitude,      Q::Speed,       Q::Elongation,    Q::PhaseAngle,
                      Q::MaxAltitude,    Q::Motion,      Q::PositionAngle, Q::MaxExposure};
    int row = 0;
    for (const Q quantity : rows) {
        const vagaris::SelectionQuantityInfo& info = vagaris::InfoOf(quantity);
        auto* caption = NewLabel(TrCore(info.caption), QString::fromLatin1(info.captionName));
        auto* value = NewLabel(QStringLiteral("---"), QString::fromLatin1(info.objectName));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        results->addWidget(caption, row, 0);
        results->addWidget(value, row, 1);
        ++row;
    }
    results->setColumnStretch(1, 1);
    layout->addLayout(results);
    layout->addStretch(1);
    return panel;
}

void SueloPage::pageEntered() { app_.computeR(); }

void SueloPage::rbComMouseUp() {
    int checked = -1;
    for (int i = 0; i < catalogButtons_.size(); ++i)
        if (catalogButtons_[i]->isChecked()) checked = i;
    app_.guarded([&] { app_.loadCatalog(checked); });
}

void SueloPage::Button1Click() {
    app_.guarded([&] {
        // Both texts are converted before anything changes.
        const vagaris::Instant day = vagaris::ParseDateText(MaskedText(dateBox_).toStdString());
        const double time = vagaris::ParseTimeText(MaskedText(timeBox_).toStdString());
        app_.setCurrentInstant(day + time, AppController::DateDisplay::Keep);
        app_.computeR();
    });
}

void SueloPage::Button6Click() {
    app_.guarded([&] { app_.setNowAndCompute(); });
}

void SueloPage::Button10Click() {
    app_.guarded([&] {
        const vagaris::Instant shown = vagaris::ParseDateText(MaskedText(dateBox_).toStdString());
        const auto f = vagaris::DecodeInstant(shown);
        const std::optional<QDate> chosen = app_.pickDate(QDate(f.year, f.month, f.day));
        if (!chosen) return;
        // The chosen day at 00:00: the time of day is dropped.
        app_.setCurrentInstant(vagaris::EncodeDate(chosen->year(), chosen->month(), chosen->day()));
        app_.computeR();
    });
}

void SueloPage::Button3Click() {
    app_.guarded([&] { app_.searchMpcOrb(searchBox_->text()); });
}

void SueloPage::showCurrentInstant() {
    const vagaris::Instant t = app_.session().CurrentInstant;
    dateBox_->setText(FromStd(vagaris::FormatInstant("dd/mm/yyyy", t)));
    timeBox_->setText(FromStd(vagaris::FormatInstant("hh:nn:ss", t)));
}

void SueloPage::showElements() {
    const vagaris::TOrbitalElements& el = app_.session().Elements;
    const std::pair<const char*, const std::string*> fields[] = {
        {"eFecha", &el.Fecha}, {"eM", &el.M}, {"ea", &el.a}, {"eq", &el.q}, {"ee", &el.e},
        {"ew", &el.w},         {"eO", &el.O}, {"ei", &el.i}, {"eH", &el.H}, {"eG", &el.G}};
    for (const auto& [box, text] : fields) {
        QLineEdit* edit = elementBoxes_.value(QString::fromLatin1(box));
        edit->setText(FromStd(*text));
        edit->setCursorPosition(0);
    }
}

void SueloPage::showSelectionTexts(const vagaris::SelectionTexts& texts) {
    if (auto* modelLine = findChild<QLabel*>(QStringLiteral("lbModeloPreciso"))) {
        if (!texts.modelLine.empty()) modelLine->setText(TrCore(texts.modelLine.c_str()));
        modelLine->setVisible(!texts.modelLine.empty());
    }
    for (const vagaris::QuantityText& entry : texts.values) {
        const vagaris::SelectionQuantityInfo& info = vagaris::InfoOf(entry.quantity);
        if (auto* value = findChild<QLabel*>(QString::fromLatin1(info.objectName)))
            value->setText(FromStd(entry.text));
        // The motion captions change with the display (polar or cartesian).
        if (*info.captionName)
            if (auto* caption = findChild<QLabel*>(QString::fromLatin1(info.captionName)))
                caption->setText(TrCore(info.caption));
    }
    if (texts.error) app_.dialogs().error(app_.dialogParent(), TrCore(texts.error->c_str()));
}

void SueloPage::showStepControls() {
    const QSignalBlocker blockDias(stepAmount_);
    const QSignalBlocker blockClase(stepUnit_);
    stepAmount_->setCurrentIndex(app_.stepAmountIndex());
    stepUnit_->setCurrentIndex(app_.stepUnitIndex());
}

void SueloPage::uncheckCatalogs() {
    for (QRadioButton* button : catalogButtons_) {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
}

void SueloPage::queObservarClick() {
    // One window, kept while the page lives: its list and limits stay between openings.
    if (!tonight_) tonight_ = new TonightWindow(app_, this);
    // The night asked for is the Selección date's, each time; the box can then rank another.
    tonight_->showSelectionDate();
    tonight_->show();
    tonight_->raise();
    tonight_->activateWindow();
}
