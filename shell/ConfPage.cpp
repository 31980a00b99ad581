#include "shell/ConfPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "core/precise/PreciseSession.h"
#include "toolkit/AppController.h"
#include "toolkit/Dialogs.h"
#include "toolkit/MaskedEdit.h"
#include "shell/SiteBoxes.h"
#include "settings/SettingsFile.h"
#include "translations/Translations.h"

namespace {

const QString kArcsecond = QStringLiteral("\"");

QGroupBox* NewGroup(const QString& name, const QString& title) {
    auto* box = new QGroupBox(title);
    box->setObjectName(name);
    return box;
}

void FitToText(QLineEdit* edit, const QString& sample) {
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(sample) + 14);
}

}  // namespace

ConfPage::ConfPage(AppController& app, QWidget* parent) : Page(app, parent) {
    setObjectName(QStringLiteral("tsConf"));

    auto* left = new QVBoxLayout;
    left->addWidget(buildSite());
    left->addWidget(buildExposure());
    left->addWidget(buildExposureFormat());
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(buildMotionFormat());
    right->addWidget(buildMpcOrb());
    right->addWidget(buildModel());
    right->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(left, 1);
    layout->addLayout(right, 1);

    showSettings();
}

QWidget* ConfPage::buildSite() {
    auto* box = NewGroup(QStringLiteral("GroupBox1"), tr("Posición geográfica"));
    auto* grid = new QGridLayout(box);
    // Leaving the latitude or the height recomputes the site; a box with unfilled positions,
    // or a longitude out of its range, keeps the focus and never reaches the settings.
    const SiteBoxes site = NewSiteBoxes([this] { meLatExit(); });
    latitudeBox_ = site.latitude;
    heightBox_ = site.height;
    longitudeBox_ = site.longitude;
    grid->addWidget(new QLabel(tr("Latitud (+N)")), 0, 0);
    grid->addWidget(latitudeBox_, 0, 1);
    grid->addWidget(new QLabel(tr("Altura (m)")), 1, 0);
    grid->addWidget(heightBox_, 1, 1);
    rhoCosPhi_ = new QLabel(QStringLiteral("Label27"));
    rhoCosPhi_->setObjectName(QStringLiteral("Label27"));
    rhoSinPhi_ = new QLabel(QStringLiteral("Label28"));
    rhoSinPhi_->setObjectName(QStringLiteral("Label28"));
    grid->addWidget(new QLabel(QStringLiteral("ρ cos φ =")), 2, 0);
    grid->addWidget(rhoCosPhi_, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("ρ sin φ =")), 3, 0);
    grid->addWidget(rhoSinPhi_, 3, 1);
    grid->addWidget(new QLabel(tr("Longitud (+E)")), 4, 0);
    grid->addWidget(longitudeBox_, 4, 1);
    grid->setColumnStretch(2, 1);

    connect(latitudeBox_, &QLineEdit::textChanged, this, [this] {
        setSetting(&vagaris::Settings::Lat, MaskedText(latitudeBox_).toStdString());
    });
    connect(heightBox_, &QLineEdit::textChanged, this,
            [this] { setSetting(&vagaris::Settings::Alt, MaskedText(heightBox_).toStdString()); });
    connect(longitudeBox_, &QLineEdit::textChanged, this, [this] {
        const std::string t = LongitudeOfBox(longitudeBox_);
        if (vagaris::IsLongitudeText(t)) setSetting(&vagaris::Settings::Lon, t);
    });
    return box;
}

QWidget* ConfPage::buildExposure() {
    auto* box = NewGroup(QStringLiteral("GroupBox4"), tr("Para exposición máxima"));
    auto* grid = new QGridLayout(box);
    useResolution_ = new QRadioButton(tr("Resolución"));
    useResolution_->setObjectName(QStringLiteral("rbRes"));
    useResolution_->setChecked(true);
    resolutionBox_ =
        NewMaskedEdit(QStringLiteral("meRes"), QStringLiteral("0.0;1;_"), QStringLiteral("2.7"));
    useFwhm_ = new QRadioButton(tr("FWHM medio"));
    useFwhm_->setObjectName(QStringLiteral("rbFWHM"));
    fwhmBox_ =
        NewMaskedEdit(QStringLiteral("meFWHM"), QStringLiteral("0.0"), QStringLiteral("5.0"));
    FitToText(resolutionBox_, QStringLiteral("00.0"));
    FitToText(fwhmBox_, QStringLiteral("00.0"));
    // A scale of 0 would give no exposure: the box keeps the focus until it holds more.
    const auto aboveZero = [](const QString& text) {
        bool ok = false;
        return text.trimmed().toDouble(&ok) > 0 && ok;
    };
    InstallExitCheck(resolutionBox_, aboveZero);
    InstallExitCheck(fwhmBox_, aboveZero);
    grid->addWidget(useResolution_, 0, 0);
    grid->addWidget(resolutionBox_, 0, 1);
    grid->addWidget(new QLabel(kArcsecond + tr("/pix")), 0, 2);
    grid->addWidget(useFwhm_, 1, 0);
    grid->addWidget(fwhmBox_, 1, 1);
    grid->addWidget(new QLabel(kArcsecond), 1, 2);
    grid->setColumnStretch(3, 1);

    connect(useResolution_, &QRadioButton::toggled, this,
            [this](bool on) { setSetting(&vagaris::Settings::UseResolution, on); });
    connect(resolutionBox_, &QLineEdit::textChanged, this, [this] {
        setSetting(&vagaris::Settings::Res, MaskedText(resolutionBox_).toStdString());
    });
    connect(fwhmBox_, &QLineEdit::textChanged, this,
            [this] { setSetting(&vagaris::Settings::FWHM, MaskedText(fwhmBox_).toStdString()); });
    return box;
}

QWidget* ConfPage::buildExposureFormat() {
    auto* box = NewGroup(QStringLiteral("rgForVel"), tr("Formato exposición máxima"));
    auto* grid = new QGridLayout(box);
    exposureFormat_ = new QButtonGroup(box);
    const QString items[] = {tr("Segundos"), tr("Minutos - segundos")};
    for (int i = 0; i < 2; ++i) {
        auto* item = new QRadioButton(items[i]);
        item->setObjectName(QStringLiteral("rgForVel_%1").arg(i));
        exposureFormat_->addButton(item, i);
        grid->addWidget(item, 0, i);  // three columns, as the group is laid out
    }
    grid->setColumnStretch(2, 1);
    exposureFormat_->button(0)->setChecked(true);
    connect(exposureFormat_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on) setSetting(&vagaris::Settings::ExposureFormat, id);
    });
    return box;
}

QWidget* ConfPage::buildMotionFormat() {
    auto* box = NewGroup(QStringLiteral("GroupBox6"), tr("Formato desplazamiento aparente"));
    auto* layout = new QVBoxLayout(box);
    polarDisplay_ = new QRadioButton(tr("Coordenadas polares"));
    polarDisplay_->setObjectName(QStringLiteral("rbCPol"));
    polarDisplay_->setChecked(true);
    cartesianDisplay_ = new QRadioButton(tr("Coordenadas cartesianas"));
    cartesianDisplay_->setObjectName(QStringLiteral("rbCCarte"));
    perMinute_ = new QCheckBox(kArcsecond + tr("/minuto"));
    perMinute_->setObjectName(QStringLiteral("cbSegMin"));
    perMinute_->setChecked(true);
    perHour_ = new QCheckBox(kArcsecond + tr("/hora"));
    perHour_->setObjectName(QStringLiteral("cbSegHora"));
    layout->addWidget(polarDisplay_);
    layout->addWidget(cartesianDisplay_);
    layout->addSpacing(6);
    layout->addWidget(perMinute_);
    layout->addWidget(perHour_);

    connect(polarDisplay_, &QRadioButton::toggled, this,
            [this](bool on) { setSetting(&vagaris::Settings::Polar, on); });
    // `toggled` also runs when the program sets a box, which keeps the pair exclusive then too.
    connect(perMinute_, &QCheckBox::toggled, this, &ConfPage::cbSegMinClick);
    connect(perHour_, &QCheckBox::toggled, this, &ConfPage::cbSegHoraClick);
    return box;
}

QWidget* ConfPage::buildMpcOrb() {
    auto* box = NewGroup(QStringLiteral("GroupBox5"), QStringLiteral("MPCOrb.dat"));
    auto* layout = new QVBoxLayout(box);
    auto* localizar = new QPushButton(tr("Localizar..."));
    localizar->setObjectName(QStringLiteral("Button24"));
    mpcOrbPath_ = new QLineEdit;
    mpcOrbPath_->setObjectName(QStringLiteral("Edit6"));
    mpcOrbPath_->setReadOnly(true);
    auto* row = new QHBoxLayout;
    row->addWidget(localizar);
    row->addStretch(1);
    layout->addLayout(row);
    layout->addWidget(mpcOrbPath_);
    connect(localizar, &QPushButton::clicked, this, &ConfPage::Button24Click);
    connect(mpcOrbPath_, &QLineEdit::textChanged, this, [this](const QString& path) {
        setSetting(&vagaris::Settings::MpcOrbPath, path.toStdString());
    });
    return box;
}

QWidget* ConfPage::buildModel() {
    // A grid of caption and choice, one row per program-wide choice.
    auto* box = NewGroup(QStringLiteral("GroupBoxModelo"), QString());
    auto* grid = new QGridLayout(box);
    model_ = new QComboBox;
    model_->setObjectName(QStringLiteral("cbModelo"));
    model_->addItems({tr("Estándar"), tr("Preciso")});
    auto* caption = new QLabel(tr("Modelo:"));
    caption->setObjectName(QStringLiteral("lbModelo"));
    caption->setBuddy(model_);
    grid->addWidget(caption, 0, 0);
    grid->addWidget(model_, 0, 1);
    grid->setColumnStretch(2, 1);
    // The choice takes effect at once: the current object is computed again with it.
    connect(model_, &QComboBox::currentIndexChanged, this, [this](int index) {
        setSetting(
            &vagaris::Settings::Model,
            std::string(index == 1 ? vagaris::kPreciseModelText : vagaris::kStandardModelText));
        app_.computeR();
    });
    addLanguageRow(grid, 1);
    return box;
}

// The interface language: the automatic choice follows the system; the choice is read at
// start-up only, which the note says. The languages are those this build carries, each named
// in its own language by its own translation file.
void ConfPage::addLanguageRow(QGridLayout* grid, int row) {
    language_ = new QComboBox;
    language_->setObjectName(QStringLiteral("cbIdioma"));
    language_->addItem(tr("Automático"), QStringLiteral("auto"));
    for (const std::string& code : AvailableLanguages())
        language_->addItem(LanguageName(code), QString::fromStdString(code));
    auto* caption = new QLabel(tr("Idioma:"));
    caption->setObjectName(QStringLiteral("lbIdioma"));
    caption->setBuddy(language_);
    grid->addWidget(caption, row, 0);
    grid->addWidget(language_, row, 1);
    grid->addWidget(new QLabel(tr("(al reiniciar)")), row, 2);
    connect(language_, &QComboBox::currentIndexChanged, this, [this](int index) {
        setSetting(&vagaris::Settings::Language,
                   language_->itemData(index).toString().toStdString());
    });
}

void ConfPage::showSettings() {
    // Copied first: every control writes itself back into the settings as it is set.
    const vagaris::Settings s = app_.session().settings;
    latitudeBox_->setText(QString::fromStdString(s.Lat));
    heightBox_->setText(QString::fromStdString(s.Alt));
    longitudeBox_->setText(QString::fromStdString(s.Lon));
    resolutionBox_->setText(QString::fromStdString(s.Res));
    fwhmBox_->setText(QString::fromStdString(s.FWHM));
    (s.UseResolution ? useResolution_ : useFwhm_)->setChecked(true);
    if (QAbstractButton* item = exposureFormat_->button(s.ExposureFormat)) item->setChecked(true);
    mpcOrbPath_->setText(QString::fromStdString(s.MpcOrbPath));
    (s.Polar ? polarDisplay_ : cartesianDisplay_)->setChecked(true);
    (s.PerMinute ? perMinute_ : perHour_)->setChecked(true);
    {
        // Showing the file's choice computes nothing: the window computes once it is set up.
        const QSignalBlocker quiet(model_);
        model_->setCurrentIndex(vagaris::UsesPreciseModel(s) ? 1 : 0);
    }
    {
        // A code this build has no translation for shows as the automatic choice it gives, and
        // stays in the file until the user picks another.
        const QSignalBlocker quiet(language_);
        language_->setCurrentIndex(
            std::max(0, language_->findData(QString::fromStdString(s.Language))));
    }
}

void ConfPage::computeSite() {
    const vagaris::SiteConstants site = vagaris::ComputeSite(MaskedText(latitudeBox_).toStdString(),
                                                             MaskedText(heightBox_).toStdString());
    rhoCosPhi_->setText(QString::fromStdString(site.RhoCosPhiText));
    rhoSinPhi_->setText(QString::fromStdString(site.RhoSinPhiText));
}

void ConfPage::meLatExit() {
    app_.guarded([&] { computeSite(); });
}

void ConfPage::cbSegMinClick(bool checked) {
    perHour_->setChecked(!checked);
    setSetting(&vagaris::Settings::PerMinute, perMinute_->isChecked());
}

void ConfPage::cbSegHoraClick(bool checked) {
    perMinute_->setChecked(!checked);
    setSetting(&vagaris::Settings::PerMinute, perMinute_->isChecked());
}

void ConfPage::Button24Click() {
    const QString path = app_.dialogs().openFile(
        app_.dialogParent(), tr("Elementos orbitales (*.dat)|*.dat|Todos los archivos (*.*)|*.*"));
    if (!path.isEmpty()) mpcOrbPath_->setText(path);
}
