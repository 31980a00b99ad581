#include "shell/ConfPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "shell/AppController.h"
#include "shell/Dialogs.h"
#include "shell/MaskedEdit.h"
#include "shell/settings/SettingsFile.h"

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
    right->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(left, 1);
    layout->addLayout(right, 1);

    showSettings();
}

QWidget* ConfPage::buildSite() {
    auto* box = NewGroup(QStringLiteral("GroupBox1"), QStringLiteral("Posición geográfica"));
    auto* grid = new QGridLayout(box);
    meLat_ =
        NewMaskedEdit(QStringLiteral("meLat"), QStringLiteral("#00;1;_"), QStringLiteral("+40"));
    meAlt_ =
        NewMaskedEdit(QStringLiteral("meAlt"), QStringLiteral("0000;1;_"), QStringLiteral("0000"));
    FitToText(meLat_, QStringLiteral("+000"));
    FitToText(meAlt_, QStringLiteral("00000"));
    grid->addWidget(new QLabel(QStringLiteral("Latitud (+N)")), 0, 0);
    grid->addWidget(meLat_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Altura (m)")), 1, 0);
    grid->addWidget(meAlt_, 1, 1);
    label27_ = new QLabel(QStringLiteral("Label27"));
    label27_->setObjectName(QStringLiteral("Label27"));
    label28_ = new QLabel(QStringLiteral("Label28"));
    label28_->setObjectName(QStringLiteral("Label28"));
    grid->addWidget(new QLabel(QStringLiteral("ρ cos φ =")), 2, 0);
    grid->addWidget(label27_, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("ρ sin φ =")), 3, 0);
    grid->addWidget(label28_, 3, 1);
    grid->setColumnStretch(2, 1);

    // Leaving either box recomputes the site; a box with unfilled positions keeps the focus.
    auto exit = [this] { meLatExit(); };
    InstallExitCheck(meLat_, {}, exit);
    InstallExitCheck(meAlt_, {}, exit);
    connect(meLat_, &QLineEdit::textChanged, this,
            [this] { app_.session().settings.Lat = MaskedText(meLat_).toStdString(); });
    connect(meAlt_, &QLineEdit::textChanged, this,
            [this] { app_.session().settings.Alt = MaskedText(meAlt_).toStdString(); });
    return box;
}

QWidget* ConfPage::buildExposure() {
    auto* box = NewGroup(QStringLiteral("GroupBox4"), QStringLiteral("Para exposición máxima"));
    auto* grid = new QGridLayout(box);
    rbRes_ = new QRadioButton(QStringLiteral("Resolución"));
    rbRes_->setObjectName(QStringLiteral("rbRes"));
    rbRes_->setChecked(true);
    meRes_ =
        NewMaskedEdit(QStringLiteral("meRes"), QStringLiteral("0.0;1;_"), QStringLiteral("2.7"));
    rbFWHM_ = new QRadioButton(QStringLiteral("FWHM medio"));
    rbFWHM_->setObjectName(QStringLiteral("rbFWHM"));
    meFWHM_ = NewMaskedEdit(QStringLiteral("meFWHM"), QStringLiteral("0.0"), QStringLiteral("5.0"));
    FitToText(meRes_, QStringLiteral("00.0"));
    FitToText(meFWHM_, QStringLiteral("00.0"));
    InstallExitCheck(meRes_, {});
    InstallExitCheck(meFWHM_, {});
    grid->addWidget(rbRes_, 0, 0);
    grid->addWidget(meRes_, 0, 1);
    grid->addWidget(new QLabel(kArcsecond + QStringLiteral("/pix")), 0, 2);
    grid->addWidget(rbFWHM_, 1, 0);
    grid->addWidget(meFWHM_, 1, 1);
    grid->addWidget(new QLabel(kArcsecond), 1, 2);
    grid->setColumnStretch(3, 1);

    connect(rbRes_, &QRadioButton::toggled, this,
            [this](bool on) { app_.session().settings.UseResolution = on; });
    connect(meRes_, &QLineEdit::textChanged, this,
            [this] { app_.session().settings.Res = MaskedText(meRes_).toStdString(); });
    connect(meFWHM_, &QLineEdit::textChanged, this,
            [this] { app_.session().settings.FWHM = MaskedText(meFWHM_).toStdString(); });
    return box;
}

QWidget* ConfPage::buildExposureFormat() {
    auto* box = NewGroup(QStringLiteral("rgForVel"), QStringLiteral("Formato exposición máxima"));
    auto* grid = new QGridLayout(box);
    rgForVel_ = new QButtonGroup(box);
    const QString items[] = {QStringLiteral("Segundos"), QStringLiteral("Minutos - segundos")};
    for (int i = 0; i < 2; ++i) {
        auto* item = new QRadioButton(items[i]);
        item->setObjectName(QStringLiteral("rgForVel_%1").arg(i));
        rgForVel_->addButton(item, i);
        grid->addWidget(item, 0, i);  // three columns, as the group is laid out
    }
    grid->setColumnStretch(2, 1);
    rgForVel_->button(0)->setChecked(true);
    connect(rgForVel_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on) app_.session().settings.ExposureFormat = id;
    });
    return box;
}

QWidget* ConfPage::buildMotionFormat() {
    auto* box =
        NewGroup(QStringLiteral("GroupBox6"), QStringLiteral("Formato desplazamiento aparente"));
    auto* layout = new QVBoxLayout(box);
    rbCPol_ = new QRadioButton(QStringLiteral("Coordenadas polares"));
    rbCPol_->setObjectName(QStringLiteral("rbCPol"));
    rbCPol_->setChecked(true);
    rbCCarte_ = new QRadioButton(QStringLiteral("Coordenadas cartesianas"));
    rbCCarte_->setObjectName(QStringLiteral("rbCCarte"));
    cbSegMin_ = new QCheckBox(kArcsecond + QStringLiteral("/minuto"));
    cbSegMin_->setObjectName(QStringLiteral("cbSegMin"));
    cbSegMin_->setChecked(true);
    cbSegHora_ = new QCheckBox(kArcsecond + QStringLiteral("/hora"));
    cbSegHora_->setObjectName(QStringLiteral("cbSegHora"));
    layout->addWidget(rbCPol_);
    layout->addWidget(rbCCarte_);
    layout->addSpacing(6);
    layout->addWidget(cbSegMin_);
    layout->addWidget(cbSegHora_);

    connect(rbCPol_, &QRadioButton::toggled, this,
            [this](bool on) { app_.session().settings.Polar = on; });
    // `toggled` also runs when the program sets a box, which keeps the pair exclusive then too.
    connect(cbSegMin_, &QCheckBox::toggled, this, &ConfPage::cbSegMinClick);
    connect(cbSegHora_, &QCheckBox::toggled, this, &ConfPage::cbSegHoraClick);
    return box;
}

QWidget* ConfPage::buildMpcOrb() {
    auto* box = NewGroup(QStringLiteral("GroupBox5"), QStringLiteral("MPCOrb.dat"));
    auto* layout = new QVBoxLayout(box);
    auto* localizar = new QPushButton(QStringLiteral("Localizar..."));
    localizar->setObjectName(QStringLiteral("Button24"));
    edit6_ = new QLineEdit;
    edit6_->setObjectName(QStringLiteral("Edit6"));
    edit6_->setReadOnly(true);
    auto* row = new QHBoxLayout;
    row->addWidget(localizar);
    row->addStretch(1);
    layout->addLayout(row);
    layout->addWidget(edit6_);
    connect(localizar, &QPushButton::clicked, this, &ConfPage::Button24Click);
    connect(edit6_, &QLineEdit::textChanged, this, [this](const QString& path) {
        app_.session().settings.MpcOrbPath = path.toStdString();
    });
    return box;
}

void ConfPage::showSettings() {
    // Copied first: every control writes itself back into the settings as it is set.
    const vagaris::Settings s = app_.session().settings;
    meLat_->setText(QString::fromStdString(s.Lat));
    meAlt_->setText(QString::fromStdString(s.Alt));
    meRes_->setText(QString::fromStdString(s.Res));
    meFWHM_->setText(QString::fromStdString(s.FWHM));
    (s.UseResolution ? rbRes_ : rbFWHM_)->setChecked(true);
    if (QAbstractButton* item = rgForVel_->button(s.ExposureFormat)) item->setChecked(true);
    edit6_->setText(QString::fromStdString(s.MpcOrbPath));
    (s.Polar ? rbCPol_ : rbCCarte_)->setChecked(true);
    (s.PerMinute ? cbSegMin_ : cbSegHora_)->setChecked(true);
}

void ConfPage::computeSite() {
    const vagaris::SiteConstants site =
        vagaris::ComputeSite(MaskedText(meLat_).toStdString(), MaskedText(meAlt_).toStdString());
    label27_->setText(QString::fromStdString(site.RhoCosPhiText));
    label28_->setText(QString::fromStdString(site.RhoSinPhiText));
}

void ConfPage::meLatExit() {
    app_.guarded([&] { computeSite(); });
}

void ConfPage::cbSegMinClick(bool checked) {
    cbSegHora_->setChecked(!checked);
    app_.session().settings.PerMinute = cbSegMin_->isChecked();
}

void ConfPage::cbSegHoraClick(bool checked) {
    cbSegMin_->setChecked(!checked);
    app_.session().settings.PerMinute = cbSegMin_->isChecked();
}

void ConfPage::Button24Click() {
    const QString path = app_.dialogs().openFile(
        app_.dialogParent(),
        QStringLiteral("Elementos orbitales (*.dat)|*.dat|Todos los archivos (*.*)|*.*"));
    if (!path.isEmpty()) edit6_->setText(path);
}
