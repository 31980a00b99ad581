#pragma once
// The "e/a" page: the selected object, or an orbit typed into the Tisserand calculator,
// as one point in the plane of semi-major axis against eccentricity, with its Tisserand
// parameter in Label63. The seven outline segments are series of the chart, so every
// drawing of the chart shows them.
#include <QString>

#include "toolkit/Page.h"

class QChartView;
class QComboBox;
class QLabel;
class QLineSeries;
class QPushButton;
class QScatterSeries;
class TFTj;

class AEPage : public Page {
    Q_OBJECT
public:
    explicit AEPage(AppController& app, QWidget* parent = nullptr);

    // Entering the page rebuilds the diagram from the selected object.
    void pageEntered() override;

private:
    // The diagram of the selected object: on entry and after a choice in ComboBox3 only, so a
    // repaint never replaces a typed orbit nor repeats a conversion error.
    void rebuild();
    // "Cálculo de Tj": runs the Tisserand calculator; after "Cerrar" the typed orbit is shown.
    void Button8Click();
    void showPoint(float a, float e, const QString& label);
    void clearPoint();
    void setOutlineVisible(bool visible);

    QComboBox* objectChoice_ = nullptr;       // ComboBox3, the object selector
    QPushButton* tisserandButton_ = nullptr;  // Button8, "Cálculo de Tj"
    QChartView* chartView_ = nullptr;         // Chart1 (its chart: Chart1Chart)
    QScatterSeries* point_ = nullptr;         // Series3, the red point
    QLineSeries* outline_[7] = {};            // Outline1 ... Outline7
    QLabel* pointLabel_ = nullptr;            // Label63: "name     a: …     e: …     Tj: …"
    TFTj* tj_ = nullptr;                      // FTj, "Vagaris - Cálculo de Tj"
};
