#pragma once
// TFTj, the Tisserand calculator: a name and an orbit typed by the user. Created once with
// the e/a page; its fields keep their values from one opening to the next. "Cerrar" converts
// the fields and closes the dialog as accepted; any other way of closing rejects it and
// changes nothing.
#include <QDialog>
#include <optional>
#include <string>

#include "outputs/ea/Tisserand.h"

class AppController;
class QLineEdit;
class QPushButton;

class TFTj : public QDialog {
    Q_OBJECT
public:
    explicit TFTj(AppController& app, QWidget* parent = nullptr);

    // The orbit and label computed by the last "Cerrar".
    const vagaris::EaPoint& typedPoint() const { return point_; }
    const std::string& typedLabel() const { return label_; }

private:
    // "Cerrar": converts the fields and closes as accepted; a field that does not convert
    // shows its error and the dialog stays open.
    void Button1Click();

    AppController& app_;
    QLineEdit* nameBox_ = nullptr;           // Edit1, "Nombre"
    QLineEdit* eccentricityBox_ = nullptr;   // MaskEdit1, "e"
    QLineEdit* semiMajorAxisBox_ = nullptr;  // MaskEdit2, "a" [AU]
    QLineEdit* inclinationBox_ = nullptr;    // MaskEdit3, "j": inclination [deg]
    QPushButton* closeButton_ = nullptr;     // Button1, "Cerrar"
    vagaris::EaPoint point_;
    std::string label_;
};
