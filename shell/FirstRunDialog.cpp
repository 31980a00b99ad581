#include "shell/FirstRunDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "toolkit/ContainsCompleter.h"
#include "toolkit/Dialogs.h"
#include "toolkit/MaskedEdit.h"

FirstRunDialog::FirstRunDialog(const QString& message, const QStringList& buttons,
                               const vagaris::SiteTexts& current, std::vector<City> cities,
                               QWidget* parent)
    : QDialog(parent), cityList_(std::move(cities)) {
    setObjectName(QStringLiteral("FirstRunDialog"));
    setWindowTitle(kApplicationTitle);

    auto* text = new QLabel(message);
    text->setObjectName(QStringLiteral("lbNoCatalogs"));
    text->setWordWrap(true);

    auto* siteBox = new QGroupBox(tr("¿Dónde observa?"));
    siteBox->setObjectName(QStringLiteral("GroupBoxLugar"));
    auto* grid = new QGridLayout(siteBox);
    int row = 0;
    if (!cityList_.empty()) {
        cities_ = new QComboBox;
        cities_->setObjectName(QStringLiteral("cbCiudad"));
        for (const City& city : cityList_) cities_->addItem(city.label);
        InstallContainsCompleter(cities_);
        cities_->setCurrentIndex(-1);
        cities_->lineEdit()->setPlaceholderText(tr("Escriba o elija una ciudad"));
        connect(cities_, &QComboBox::activated, this, &FirstRunDialog::cityChosen);
        auto* caption = new QLabel(tr("Ciudad:"));
        caption->setBuddy(cities_);
        grid->addWidget(caption, row, 0);
        grid->addWidget(cities_, row, 1, 1, 2);
        ++row;
    }
    boxes_ = NewSiteBoxes();
    boxes_.latitude->setText(QString::fromStdString(current.Lat));
    boxes_.longitude->setText(QString::fromStdString(current.Lon));
    boxes_.height->setText(QString::fromStdString(current.Alt));
    const std::pair<QString, QLineEdit*> rows[] = {{tr("Latitud (+N)"), boxes_.latitude},
                                                   {tr("Longitud (+E)"), boxes_.longitude},
                                                   {tr("Altura (m)"), boxes_.height}};
    for (const auto& [caption, box] : rows) {
        grid->addWidget(new QLabel(caption), row, 0);
        grid->addWidget(box, row, 1);
        ++row;
    }
    grid->setColumnStretch(2, 1);
    auto* note = new QLabel(tr("El lugar se puede cambiar después en la página Configuración."));
    note->setWordWrap(true);
    grid->addWidget(note, row, 0, 1, 3);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    const char* names[] = {"btnDescargar", "btnEjemplos", "btnCerrar"};
    for (int k = 0; k < 3 && k < buttons.size(); ++k) {
        auto* button = new QPushButton(buttons[k]);
        button->setObjectName(QString::fromLatin1(names[k]));
        // Enter in a box (a city typed in full) closes nothing: only a click answers.
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, k] { choose(Choice(k)); });
        buttonRow->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(siteBox);
    layout->addLayout(buttonRow);
}

vagaris::SiteTexts FirstRunDialog::site() const {
    return {MaskedText(boxes_.latitude).toStdString(), MaskedText(boxes_.height).toStdString(),
            LongitudeOfBox(boxes_.longitude)};
}

void FirstRunDialog::choose(Choice choice) {
    if (QLineEdit* incomplete = FirstIncompleteSiteBox(boxes_)) {
        incomplete->setFocus(Qt::OtherFocusReason);
        return;
    }
    choice_ = choice;
    accept();
}

void FirstRunDialog::cityChosen(int index) {
    if (index < 0 || index >= int(cityList_.size())) return;
    const vagaris::SiteTexts& site = cityList_[std::size_t(index)].site;
    boxes_.latitude->setText(QString::fromStdString(site.Lat));
    boxes_.longitude->setText(QString::fromStdString(site.Lon));
    boxes_.height->setText(QString::fromStdString(site.Alt));
}
