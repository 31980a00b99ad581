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
    void Button1Click();

    AppController& app_;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* MaskEdit1 = nullptr;  // e
    QLineEdit* MaskEdit2 = nullptr;  // a [AU]
    QLineEdit* MaskEdit3 = nullptr;  // i [deg]
    QPushButton* Button1 = nullptr;
    vagaris::EaPoint point_;
    std::string label_;
};
