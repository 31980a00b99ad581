#pragma once
// The "Tablas" page: one or two quantities of the current object over a span of days around
// CurrentInstant, with buttons that move and widen the window, a pointer read-out, a pop-up
// item that makes the date under the pointer current, and the picture export.
#include <QPointF>

#include "outputs/charts/ChartControls.h"
#include "outputs/charts/ChartSampling.h"
#include "shell/Page.h"

class ChartView;
class QAction;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QToolButton;

class TablasPage : public Page {
    Q_OBJECT
public:
    explicit TablasPage(AppController& app, QWidget* parent = nullptr);

    // Entry action: Magnitud on the left, Altura máxima on the right, then rebuild.
    void pageEntered() override;

private:
    void buildControls();
    void connectHandlers();

    // Recomputes both curves and the axes from CurrentInstant, the span and the choices.
    // Throws EConvertError (span text, element texts); CurrentInstant is always put back.
    void rebuild();
    int span() const;
    vagaris::ChartTwilight twilight() const;

    void timeButtonClick(vagaris::ChartTimeButton button);
    void spanButtonClick(vagaris::ChartSpanButton button);
    void Button20Click();
    void cTablaMouseMove(QPointF pos);
    void cTablaContextMenu(QPoint globalPos);
    void PopupMenu1Popup();
    void Fijarfecha1Click();
    void SpeedButton20Click();

    QComboBox* ComboBox4 = nullptr;
    QComboBox* cbDato = nullptr;
    QComboBox* cbDato2 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QPushButton* Button16 = nullptr;  // "<<"
    QPushButton* Button17 = nullptr;  // "<"
    QPushButton* Button12 = nullptr;  // ">"
    QPushButton* Button13 = nullptr;  // ">>"
    QPushButton* Button20 = nullptr;  // "..."
    QPushButton* Button18 = nullptr;  // "- -"
    QPushButton* Button19 = nullptr;  // "-"
    QPushButton* Button14 = nullptr;  // "+"
    QPushButton* Button15 = nullptr;  // "++"
    QPushButton* Button23 = nullptr;  // "320"
    QToolButton* SpeedButton20 = nullptr;
    QGroupBox* rgCre = nullptr;
    QRadioButton* rbAstro = nullptr;
    QRadioButton* rbNau = nullptr;
    QRadioButton* rbCivil = nullptr;
    ChartView* cTabla = nullptr;
    QFrame* Panel5 = nullptr;
    QLabel* Label57 = nullptr;
    QLabel* Label58 = nullptr;
    QLabel* Label59 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* Fijarfecha1 = nullptr;

    // The samples on show (empty after a rebuild that failed), for the read-out.
    vagaris::ChartSamples samples_;
};
