#include "outputs/ea/UTj.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "toolkit/AppController.h"
#include "toolkit/MaskedEdit.h"

TFTj::TFTj(AppController& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("FTj"));
    setWindowTitle(tr("Vagaris - Cálculo de Tj"));
    setModal(true);

    nameBox_ = new QLineEdit(tr("Calculado"), this);
    nameBox_->setObjectName(QStringLiteral("Edit1"));
    // Every digit required, the point kept in the text, "_" for blanks.
    eccentricityBox_ = NewMaskedEdit(QStringLiteral("MaskEdit1"), QStringLiteral("0.00000;1;_"),
                                     QStringLiteral("0.50000"), this);
    semiMajorAxisBox_ = NewMaskedEdit(QStringLiteral("MaskEdit2"), QStringLiteral("0.0000;1;_"),
                                      QStringLiteral("3.0000"), this);
    inclinationBox_ = NewMaskedEdit(QStringLiteral("MaskEdit3"), QStringLiteral("000.000;1;_"),
                                    QStringLiteral("020.000"), this);
    closeButton_ = new QPushButton(tr("Cerrar"), this);
    closeButton_->setObjectName(QStringLiteral("Button1"));
    closeButton_->setDefault(true);

    auto* form = new QFormLayout;
    form->addRow(tr("Nombre"), nameBox_);
    form->addRow(QStringLiteral("e"), eccentricityBox_);
    form->addRow(QStringLiteral("a"), semiMajorAxisBox_);
    form->addRow(QStringLiteral("j"), inclinationBox_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(closeButton_, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(closeButton_, &QPushButton::clicked, this, &TFTj::Button1Click);
}

void TFTj::Button1Click() {
    // A field that does not convert reports its error and leaves the dialog open.
    app_.guarded([&] {
        const vagaris::EaPoint p = vagaris::EaPointFromTyped(
            MaskedText(eccentricityBox_).toStdString(), MaskedText(semiMajorAxisBox_).toStdString(),
            MaskedText(inclinationBox_).toStdString());
        point_ = p;
        label_ = vagaris::EaLabel(nameBox_->text().toStdString(), p);
        accept();
    });
}
