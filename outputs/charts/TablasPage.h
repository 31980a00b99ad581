#pragma once
// The "Tablas" page: one or two quantities of the current object over a span of days around
// CurrentInstant, with buttons that move and widen the window, a pointer read-out, a pop-up
// item that makes the date under the pointer current, and the picture export.
#include <QPointF>

#include "outputs/charts/ChartControls.h"
#include "outputs/charts/ChartSampling.h"
#include "toolkit/Page.h"

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

    // "<<", "<", ">", ">>": CurrentInstant moves by a part of the span, then rebuild.
    void timeButtonClick(vagaris::ChartTimeButton button);
    // "+", "++", "-", "- -", "320": the span in Edit3 changes, then rebuild.
    void spanButtonClick(vagaris::ChartSpanButton button);
    void Button20Click();                      // "...": the picked day at 00:00, then rebuild
    void cTablaMouseMove(QPointF pos);         // the read-out Panel5 follows the pointer
    void cTablaContextMenu(QPoint globalPos);  // opens PopupMenu1
    void PopupMenu1Popup();                    // captions the item with the read-out date
    void Fijarfecha1Click();                   // the read-out day becomes current, rebuild
    void SpeedButton20Click();                 // saves the chart as a GIF or BMP picture

    QComboBox* objectChoice_ = nullptr;         // ComboBox4, "Objeto"
    QComboBox* leftQuantity_ = nullptr;         // cbDato, "Clase I" (left axis)
    QComboBox* rightQuantity_ = nullptr;        // cbDato2, "Clase D" (right axis)
    QLineEdit* dateBox_ = nullptr;              // Edit2, "Fecha": CurrentInstant, read-only
    QLineEdit* spanBox_ = nullptr;              // Edit3, "Días": the span, read-only
    QPushButton* laterHalf_ = nullptr;          // Button16, "<<"
    QPushButton* laterTenth_ = nullptr;         // Button17, "<"
    QPushButton* earlierTenth_ = nullptr;       // Button12, ">"
    QPushButton* earlierHalf_ = nullptr;        // Button13, ">>"
    QPushButton* datePicker_ = nullptr;         // Button20, "..."
    QPushButton* spanHalf_ = nullptr;           // Button18, "- -"
    QPushButton* spanNarrower_ = nullptr;       // Button19, "-"
    QPushButton* spanWider_ = nullptr;          // Button14, "+"
    QPushButton* spanDouble_ = nullptr;         // Button15, "++"
    QPushButton* spanReset_ = nullptr;          // Button23, "320"
    QToolButton* saveButton_ = nullptr;         // SpeedButton20, save icon
    QGroupBox* twilightGroup_ = nullptr;        // rgCre, "Crepúsculo para Altura máxima"
    QRadioButton* twilightAstro_ = nullptr;     // rbAstro, "Astronómico"
    QRadioButton* twilightNautical_ = nullptr;  // rbNau, "Náutico"
    QRadioButton* twilightCivil_ = nullptr;     // rbCivil, "Civil"
    ChartView* chart_ = nullptr;                // cTabla, the chart control
    QFrame* readoutPanel_ = nullptr;            // Panel5, the read-out over the chart
    QLabel* readoutDate_ = nullptr;             // Label57, "dd/mm/yyyy hh:nn"
    QLabel* readoutLeft_ = nullptr;             // Label58, left quantity (red)
    QLabel* readoutRight_ = nullptr;            // Label59, right quantity (olive)
    QMenu* popupMenu_ = nullptr;                // PopupMenu1, the chart's pop-up menu
    QAction* setDateAction_ = nullptr;          // Fijarfecha1, "Fijar fecha" / "Fijar Fecha: …"

    // The samples on show (empty after a rebuild that failed), for the read-out.
    vagaris::ChartSamples samples_;
};
