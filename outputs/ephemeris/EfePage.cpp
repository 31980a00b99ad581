#include "outputs/ephemeris/EfePage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/Session.h"
#include "core/TextFile.h"
#include "core/TextForms.h"
#include "core/Time.h"
#include "toolkit/AppController.h"
#include "core/DateTimeBoxes.h"
#include "toolkit/Dialogs.h"
#include "toolkit/MaskedEdit.h"
#include "translations/Translations.h"

namespace {

// Masks in the classic notation ("0" a required digit); NewMaskedEdit translates them.
const QString kDateMask = QStringLiteral("00/00/0000;1;_");
const QString kTimeMask = QStringLiteral("00:00:00;1;_");
const QString kStepMask = QStringLiteral("00.0;1;_");
const QString kRowsMask = QStringLiteral("0000;1;_");

const char* const kSaveFilter = QT_TRANSLATE_NOOP("EfePage", "Archivos de texto (*.txt)|*.txt");

QLineEdit* MaskedEdit(const char* name, const QString& mask, const QString& text, int width,
                      QWidget* parent) {
    QLineEdit* edit = NewMaskedEdit(QLatin1String(name), mask, text, parent);
    edit->setFixedWidth(width);
    return edit;
}

QCheckBox* Option(const char* name, const QString& caption, bool checked, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setChecked(checked);
    return box;
}

// The box's text with every character at its column, as the conversions read it.
std::string Text(const QLineEdit* edit) { return MaskedText(edit).toStdString(); }

}  // namespace

EfePage::EfePage(AppController& app, QWidget* parent) : Page(app, parent) {
    setObjectName(QStringLiteral("tsEfe"));

    objectChoice_ = new QComboBox(this);
    objectChoice_->setObjectName(QStringLiteral("ComboBox2"));
    objectChoice_->setMinimumWidth(200);

    startDate_ = MaskedEdit("meFecha2", kDateMask, QStringLiteral("01/01/2009"), 90, this);
    startTime_ = MaskedEdit("meHora2", kTimeMask, QStringLiteral("00:00:00"), 70, this);
    datePicker_ = new QPushButton(QStringLiteral("..."), this);
    datePicker_->setObjectName(QStringLiteral("Button11"));
    datePicker_->setFixedWidth(28);
    nowButton_ = new QPushButton(tr("Ahora"), this);
    nowButton_->setObjectName(QStringLiteral("Button2"));

    stepBox_ = MaskedEdit("meInter", kStepMask, QStringLiteral("01.0"), 50, this);
    stepUnit_ = new QComboBox(this);
    stepUnit_->setObjectName(QStringLiteral("cbInter"));
    stepUnit_->addItems({tr("Días"), tr("Horas"), tr("Minutos")});
    stepUnit_->setCurrentIndex(0);
    rowCount_ = MaskedEdit("MaskEdit1", kRowsMask, QStringLiteral("0030"), 50, this);

    columnGroup_ = new QGroupBox(tr("Selección"), this);
    columnGroup_->setObjectName(QStringLiteral("GroupBox3"));
    motionColumn_ = Option("cbVel", tr("Velocidad aparente"), true, columnGroup_);
    altitudeColumn_ = Option("cbAltura", tr("Altura Máxima"), true, columnGroup_);
    deltaColumn_ = Option("cbDelta", tr("Distancia a la Tierra"), true, columnGroup_);
    sunDistanceColumn_ = Option("cbR", tr("Distancia al Sol"), true, columnGroup_);
    elongationColumn_ = Option("cbElo", tr("Elongación"), true, columnGroup_);
    phaseColumn_ = Option("cbFase", tr("Angulo de fase"), true, columnGroup_);
    tailColumn_ = Option("cbCola", tr("Cola/anticola"), false, columnGroup_);
    // The tail columns belong to the extended mode only.
    tailColumn_->setVisible(app_.session().ExtendedMode);

    computeButton_ = new QPushButton(tr("Calcular"), this);
    computeButton_->setObjectName(QStringLiteral("Button32"));
    saveButton_ = new QToolButton(this);
    saveButton_->setObjectName(QStringLiteral("SpeedButton12"));
    saveButton_->setAutoRaise(true);
    saveButton_->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    saveButton_->setToolTip(tr("Guardar"));

    table_ = new QPlainTextEdit(this);
    table_->setObjectName(QStringLiteral("Memo1"));
    table_->setReadOnly(true);
    table_->setLineWrapMode(QPlainTextEdit::NoWrap);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    table_->setFont(font);

    // Layout: the object and start on top, step and rows below, the options on the right,
    // the table filling the rest.
    auto* objectRow = new QHBoxLayout;
    objectRow->addWidget(new QLabel(tr("Objeto"), this));
    objectRow->addWidget(objectChoice_, 1);
    auto* startRow = new QHBoxLayout;
    startRow->addWidget(new QLabel(tr("T.U:"), this));
    startRow->addWidget(startDate_);
    startRow->addWidget(datePicker_);
    startRow->addWidget(startTime_);
    startRow->addWidget(nowButton_);
    startRow->addStretch(1);
    auto* stepRow = new QHBoxLayout;
    stepRow->addWidget(new QLabel(tr("Intervalo"), this));
    stepRow->addWidget(stepBox_);
    stepRow->addWidget(stepUnit_);
    stepRow->addStretch(1);
    auto* rowsRow = new QHBoxLayout;
    rowsRow->addWidget(new QLabel(tr("Cantidad de líneas de datos"), this));
    rowsRow->addWidget(rowCount_);
    rowsRow->addStretch(1);
    auto* actionRow = new QHBoxLayout;
    actionRow->addWidget(computeButton_);
    actionRow->addWidget(saveButton_);
    actionRow->addStretch(1);
    auto* left = new QVBoxLayout;
    left->addLayout(objectRow);
    left->addLayout(startRow);
    left->addLayout(stepRow);
    left->addLayout(rowsRow);
    left->addLayout(actionRow);
    left->addStretch(1);

    auto* options = new QGridLayout(columnGroup_);
    options->addWidget(motionColumn_, 0, 0);
    options->addWidget(altitudeColumn_, 1, 0);
    options->addWidget(deltaColumn_, 2, 0);
    options->addWidget(sunDistanceColumn_, 0, 1);
    options->addWidget(elongationColumn_, 1, 1);
    options->addWidget(phaseColumn_, 2, 1);
    options->addWidget(tailColumn_, 3, 0);

    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addWidget(columnGroup_);
    auto* page = new QVBoxLayout(this);
    page->addLayout(top);
    page->addWidget(table_, 1);

    connect(computeButton_, &QPushButton::clicked, this, [this] { Button32Click(); });
    connect(saveButton_, &QToolButton::clicked, this, [this] { SpeedButton12Click(); });
    connect(datePicker_, &QPushButton::clicked, this, [this] { Button11Click(); });
    connect(nowButton_, &QPushButton::clicked, this, [this] { Button2Click(); });
    // An impossible date or time keeps the focus, without a message; only "Calcular" and
    // the picker read the text.
    InstallExitCheck(startDate_, [](const QString& text) {
        return vagaris::IsValidDateBoxText(text.toStdString());
    });
    InstallExitCheck(startTime_, [](const QString& text) {
        return vagaris::IsValidTimeBoxText(text.toStdString());
    });
    // The step and row count cannot be left with a required digit missing either.
    InstallExitCheck(stepBox_, {});
    InstallExitCheck(rowCount_, {});
    app_.bindObjectSelector(objectChoice_, [this] { table_->clear(); });
}

void EfePage::pageEntered() {
    const vagaris::Instant t = app_.session().CurrentInstant;
    startDate_->setText(QString::fromStdString(vagaris::FormatInstant("dd/mm/yyyy", t)));
    startTime_->setText(QString::fromStdString(vagaris::FormatInstant("hh:nn:ss", t)));
    table_->clear();
}

vagaris::EphemerisLayout EfePage::currentLayout() const {
    vagaris::EphemerisLayout layout;
    layout.Vel = motionColumn_->isChecked();
    layout.Altura = altitudeColumn_->isChecked();
    layout.Delta = deltaColumn_->isChecked();
    layout.R = sunDistanceColumn_->isChecked();
    layout.Elo = elongationColumn_->isChecked();
    layout.Fase = phaseColumn_->isChecked();
    layout.Cola = app_.session().ExtendedMode && tailColumn_->isChecked();
    vagaris::ApplyEphemerisSettings(layout, app_.session().settings);
    layout.words = TrCoreUtf8;  // the headings in the interface language
    return layout;
}

vagaris::EphemerisRangeTexts EfePage::currentRangeTexts() const {
    vagaris::EphemerisRangeTexts texts;
    texts.StartDate = Text(startDate_);
    texts.StartTime = Text(startTime_);
    texts.Step = Text(stepBox_);
    texts.Unit = static_cast<vagaris::EphemerisStepUnit>(std::max(stepUnit_->currentIndex(), 0));
    texts.Rows = Text(rowCount_);
    return texts;
}

void EfePage::showLines(const std::vector<std::string>& lines) {
    std::string text;
    std::size_t size = 0;
    for (const auto& line : lines) size += line.size() + 1;
    text.reserve(size);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        if (k) text += '\n';
        text += lines[k];
    }
    table_->setPlainText(QString::fromStdString(text));
    // Back to the first line, as after every added row.
    table_->moveCursor(QTextCursor::Start);
    table_->verticalScrollBar()->setValue(0);
    table_->horizontalScrollBar()->setValue(0);
}

std::vector<std::string> EfePage::memoLines() const {
    std::vector<std::string> lines;
    const QString text = table_->toPlainText();
    if (text.isEmpty()) return lines;
    for (const QString& line : text.split(QLatin1Char('\n'))) lines.push_back(line.toStdString());
    return lines;
}

void EfePage::Button32Click() {
    // Without a chosen object the table keeps what it had.
    if (objectChoice_->currentText().isEmpty()) return;
    app_.guarded([&] {
        table_->clear();
        std::vector<std::string> lines;
        try {
            const vagaris::Session& session = app_.session();
            vagaris::BuildEphemerisTable(vagaris::ObserverFromSettings(session.settings),
                                         session.Elements,
                                         objectChoice_->currentText().toStdString(),
                                         currentLayout(), currentRangeTexts(), lines);
        } catch (...) {
            // The lines added before the failure stay on screen.
            showLines(lines);
            throw;
        }
        showLines(lines);
    });
}

void EfePage::SpeedButton12Click() {
    app_.guarded([&] {
        const QString path =
            app_.dialogs().saveFile(this, tr(kSaveFilter), QStringLiteral("txt"), QString());
        if (path.isEmpty()) return;
        vagaris::WriteFileAtomically(QFile::encodeName(path).toStdString(),
                                     vagaris::EncodeTextFile(memoLines()));
    });
}

void EfePage::Button11Click() {
    app_.guarded([&] {
        const auto fields = vagaris::DecodeInstant(vagaris::ParseDateText(Text(startDate_)));
        const auto chosen = app_.pickDate(QDate(fields.year, fields.month, fields.day));
        if (!chosen) return;
        const vagaris::Instant day =
            vagaris::EncodeDate(chosen->year(), chosen->month(), chosen->day());
        startDate_->setText(QString::fromStdString(vagaris::FormatInstant("dd/mm/yyyy", day)));
        table_->clear();
    });
}

void EfePage::Button2Click() {
    const vagaris::Instant now = app_.session().Now();
    startDate_->setText(QString::fromStdString(vagaris::FormatInstant("dd/mm/yyyy", now)));
    startTime_->setText(QString::fromStdString(vagaris::FormatInstant("hh:nn:ss", now)));
    table_->clear();
}
