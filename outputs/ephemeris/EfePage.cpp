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
#include "shell/AppController.h"
#include "shell/DateTimeBoxes.h"
#include "shell/Dialogs.h"
#include "shell/MaskedEdit.h"

namespace {

// Masks in the classic notation ("0" a required digit); NewMaskedEdit translates them.
const QString kDateMask = QStringLiteral("00/00/0000;1;_");
const QString kTimeMask = QStringLiteral("00:00:00;1;_");
const QString kStepMask = QStringLiteral("00.0;1;_");
const QString kRowsMask = QStringLiteral("0000;1;_");

const QString kSaveFilter = QStringLiteral("Archivos de texto (*.txt)|*.txt");

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

    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setMinimumWidth(200);

    meFecha2 = MaskedEdit("meFecha2", kDateMask, QStringLiteral("01/01/2009"), 90, this);
    meHora2 = MaskedEdit("meHora2", kTimeMask, QStringLiteral("00:00:00"), 70, this);
    Button11 = new QPushButton(QStringLiteral("..."), this);
    Button11->setObjectName(QStringLiteral("Button11"));
    Button11->setFixedWidth(28);
    Button2 = new QPushButton(QStringLiteral("Ahora"), this);
    Button2->setObjectName(QStringLiteral("Button2"));

    meInter = MaskedEdit("meInter", kStepMask, QStringLiteral("01.0"), 50, this);
    cbInter = new QComboBox(this);
    cbInter->setObjectName(QStringLiteral("cbInter"));
    cbInter->addItems({QStringLiteral("Días"), QStringLiteral("Horas"), QStringLiteral("Minutos")});
    cbInter->setCurrentIndex(0);
    MaskEdit1 = MaskedEdit("MaskEdit1", kRowsMask, QStringLiteral("0030"), 50, this);

    GroupBox3 = new QGroupBox(QStringLiteral("Selección"), this);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    cbVel = Option("cbVel", QStringLiteral("Velocidad aparente"), true, GroupBox3);
    cbAltura = Option("cbAltura", QStringLiteral("Altura Máxima"), true, GroupBox3);
    cbDelta = Option("cbDelta", QStringLiteral("Distancia a la Tierra"), true, GroupBox3);
    cbR = Option("cbR", QStringLiteral("Distancia al Sol"), true, GroupBox3);
    cbElo = Option("cbElo", QStringLiteral("Elongación"), true, GroupBox3);
    cbFase = Option("cbFase", QStringLiteral("Angulo de fase"), true, GroupBox3);
    cbCola = Option("cbCola", QStringLiteral("Cola/anticola"), false, GroupBox3);
    // The tail columns belong to the extended mode only.
    cbCola->setVisible(app_.session().ExtendedMode);

    Button32 = new QPushButton(QStringLiteral("Calcular"), this);
    Button32->setObjectName(QStringLiteral("Button32"));
    SpeedButton12 = new QToolButton(this);
    SpeedButton12->setObjectName(QStringLiteral("SpeedButton12"));
    SpeedButton12->setAutoRaise(true);
    SpeedButton12->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    SpeedButton12->setToolTip(QStringLiteral("Guardar"));

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    Memo1->setFont(font);

    // Layout: the object and start on top, step and rows below, the options on the right,
    // the table filling the rest.
    auto* objectRow = new QHBoxLayout;
    objectRow->addWidget(new QLabel(QStringLiteral("Objeto"), this));
    objectRow->addWidget(ComboBox2, 1);
    auto* startRow = new QHBoxLayout;
    startRow->addWidget(new QLabel(QStringLiteral("T.U:"), this));
    startRow->addWidget(meFecha2);
    startRow->addWidget(Button11);
    startRow->addWidget(meHora2);
    startRow->addWidget(Button2);
    startRow->addStretch(1);
    auto* stepRow = new QHBoxLayout;
    stepRow->addWidget(new QLabel(QStringLiteral("Intervalo"), this));
    stepRow->addWidget(meInter);
    stepRow->addWidget(cbInter);
    stepRow->addStretch(1);
    auto* rowsRow = new QHBoxLayout;
    rowsRow->addWidget(new QLabel(QStringLiteral("Cantidad de líneas de datos"), this));
    rowsRow->addWidget(MaskEdit1);
    rowsRow->addStretch(1);
    auto* actionRow = new QHBoxLayout;
    actionRow->addWidget(Button32);
    actionRow->addWidget(SpeedButton12);
    actionRow->addStretch(1);
    auto* left = new QVBoxLayout;
    left->addLayout(objectRow);
    left->addLayout(startRow);
    left->addLayout(stepRow);
    left->addLayout(rowsRow);
    left->addLayout(actionRow);
    left->addStretch(1);

    auto* options = new QGridLayout(GroupBox3);
    options->addWidget(cbVel, 0, 0);
    options->addWidget(cbAltura, 1, 0);
    options->addWidget(cbDelta, 2, 0);
    options->addWidget(cbR, 0, 1);
    options->addWidget(cbElo, 1, 1);
    options->addWidget(cbFase, 2, 1);
    options->addWidget(cbCola, 3, 0);

    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addWidget(GroupBox3);
    auto* page = new QVBoxLayout(this);
    page->addLayout(top);
    page->addWidget(Memo1, 1);

    connect(Button32, &QPushButton::clicked, this, [this] { Button32Click(); });
    connect(SpeedButton12, &QToolButton::clicked, this, [this] { SpeedButton12Click(); });
    connect(Button11, &QPushButton::clicked, this, [this] { Button11Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    // An impossible date or time keeps the focus, without a message; only "Calcular" and
    // the picker read the text.
    InstallExitCheck(meFecha2, [](const QString& text) {
        return vagaris::IsValidDateBoxText(text.toStdString());
    });
    InstallExitCheck(meHora2, [](const QString& text) {
        return vagaris::IsValidTimeBoxText(text.toStdString());
    });
    // The step and row count cannot be left with a required digit missing either.
    InstallExitCheck(meInter, {});
    InstallExitCheck(MaskEdit1, {});
    app_.bindObjectSelector(ComboBox2, [this] { Memo1->clear(); });
}

void EfePage::pageEntered() {
    const vagaris::Instant t = app_.session().CurrentInstant;
    meFecha2->setText(QString::fromStdString(vagaris::FormatInstant("dd/mm/yyyy", t)));
    meHora2->setText(QString::fromStdString(vagaris::FormatInstant("hh:nn:ss", t)));
    Memo1->clear();
}

vagaris::EphemerisLayout EfePage::currentLayout() const {
    vagaris::EphemerisLayout layout;
    layout.Vel = cbVel->isChecked();
    layout.Altura = cbAltura->isChecked();
    layout.Delta = cbDelta->isChecked();
    layout.R = cbR->isChecked();
    layout.Elo = cbElo->isChecked();
    layout.Fase = cbFase->isChecked();
    layout.Cola = app_.session().ExtendedMode && cbCola->isChecked();
    vagaris::ApplyEphemerisSettings(layout, app_.session().settings);
    return layout;
}

vagaris::EphemerisRangeTexts EfePage::currentRangeTexts() const {
    vagaris::EphemerisRangeTexts texts;
    texts.StartDate = Text(meFecha2);
    texts.StartTime = Text(meHora2);
    texts.Step = Text(meInter);
    texts.Unit = static_cast<vagaris::EphemerisStepUnit>(std::max(cbInter->currentIndex(), 0));
    texts.Rows = Text(MaskEdit1);
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
    Memo1->setPlainText(QString::fromStdString(text));
    // Back to the first line, as after every added row.
    Memo1->moveCursor(QTextCursor::Start);
    Memo1->verticalScrollBar()->setValue(0);
    Memo1->horizontalScrollBar()->setValue(0);
}

std::vector<std::string> EfePage::memoLines() const {
    std::vector<std::string> lines;
    const QString text = Memo1->toPlainText();
    if (text.isEmpty()) return lines;
    for (const QString& line : text.split(QLatin1Char('\n'))) lines.push_back(line.toStdString());
    return lines;
}

void EfePage::Button32Click() {
    // Without a chosen object the table keeps what it had.
    if (ComboBox2->currentText().isEmpty()) return;
    app_.guarded([&] {
        Memo1->clear();
        std::vector<std::string> lines;
        try {
            vagaris::BuildEphemerisTable(app_.session(), ComboBox2->currentText().toStdString(),
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
            app_.dialogs().saveFile(this, kSaveFilter, QStringLiteral("txt"), QString());
        if (path.isEmpty()) return;
        vagaris::WriteFileAtomically(QFile::encodeName(path).toStdString(),
                                     vagaris::EncodeTextFile(memoLines()));
    });
}

void EfePage::Button11Click() {
    app_.guarded([&] {
        const auto fields = vagaris::DecodeInstant(vagaris::ParseDateText(Text(meFecha2)));
        const auto chosen = app_.pickDate(QDate(fields.year, fields.month, fields.day));
        if (!chosen) return;
        const vagaris::Instant day =
            vagaris::EncodeDate(chosen->year(), chosen->month(), chosen->day());
        meFecha2->setText(QString::fromStdString(vagaris::FormatInstant("dd/mm/yyyy", day)));
        Memo1->clear();
    });
}

void EfePage::Button2Click() {
    const vagaris::Instant now = app_.session().Now();
    meFecha2->setText(QString::fromStdString(vagaris::FormatInstant("dd/mm/yyyy", now)));
    meHora2->setText(QString::fromStdString(vagaris::FormatInstant("hh:nn:ss", now)));
    Memo1->clear();
}
