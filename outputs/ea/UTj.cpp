#include "outputs/ea/UTj.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/AppController.h"
#include "shell/MaskedEdit.h"

TFTj::TFTj(AppController& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("FTj"));
    setWindowTitle(QStringLiteral("Vagaris - Cálculo de Tj"));
    setModal(true);

    Edit1 = new QLineEdit(QStringLiteral("Calculado"), this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    // Every digit required, the point kept in the text, "_" for blanks.
    MaskEdit1 = NewMaskedEdit(QStringLiteral("MaskEdit1"), QStringLiteral("0.00000;1;_"),
                              QStringLiteral("0.50000"), this);
    MaskEdit2 = NewMaskedEdit(QStringLiteral("MaskEdit2"), QStringLiteral("0.0000;1;_"),
                              QStringLiteral("3.0000"), this);
    MaskEdit3 = NewMaskedEdit(QStringLiteral("MaskEdit3"), QStringLiteral("000.000;1;_"),
                              QStringLiteral("020.000"), this);
    Button1 = new QPushButton(QStringLiteral("Cerrar"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Nombre"), Edit1);
    form->addRow(QStringLiteral("e"), MaskEdit1);
    form->addRow(QStringLiteral("a"), MaskEdit2);
    form->addRow(QStringLiteral("j"), MaskEdit3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(Button1, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Button1, &QPushButton::clicked, this, &TFTj::Button1Click);
}

void TFTj::Button1Click() {
    // A field that does not convert reports its error and leaves the dialog open.
    app_.guarded([&] {
        const vagaris::EaPoint p = vagaris::EaPointFromTyped(MaskedText(MaskEdit1).toStdString(),
                                                             MaskedText(MaskEdit2).toStdString(),
                                                             MaskedText(MaskEdit3).toStdString());
        point_ = p;
        label_ = vagaris::EaLabel(Edit1->text().toStdString(), p);
        accept();
    });
}
