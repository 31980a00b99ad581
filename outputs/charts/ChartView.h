#pragma once
// The chart control cTabla: the two curves over a date axis, the titles of the two
// quantities in its top corners, and the picture it saves. Shared by the Tablas page and the
// command-line tool, so both draw the same picture.
#include <QChartView>
#include <QImage>
#include <QPointF>
#include <QRectF>

#include "core/Time.h"

class QChart;
class QDateTimeAxis;
class QLabel;
class QLineSeries;
class QValueAxis;

namespace vagaris {
struct ChartSamples;
}

class ChartView : public QChartView {
    Q_OBJECT
public:
    // The control's fixed size [px]; the picture has this size too.
    static constexpr int kWidth = 548;
    static constexpr int kHeight = 357;

    explicit ChartView(QWidget* parent = nullptr);

    // Shows the samples: both curves, the axes (range, inversion, hidden for "-Ninguna-"), the
    // chart title and the quantity titles.
    void showSamples(const vagaris::ChartSamples& samples, const QString& title);
    // Empties both curves (after a rebuild that failed), keeping titles and axes.
    void clearCurves();

    // The plot area in chart pixels (those of pointerMoved): left and right axis positions,
    // top and bottom. The chart fills the control, so these are the control's pixels too.
    QRectF plotArea() const;
    // The picture of the control: no antialiasing, at most 256 colours, RGB32.
    QImage picture();

    QLineSeries* leftSeries() const { return series1_; }
    QLineSeries* rightSeries() const { return series2_; }

    // The horizontal axis value of an instant. The date axis prints its values in the
    // machine's time zone, so the instant's Universal Time fields are placed as a local time:
    // the labels then read the same date and time as the instant.
    static qreal axisValue(vagaris::Instant t);

signals:
    // The pointer moved over the control, at this pixel (chart coordinates).
    void pointerMoved(QPointF pos);
    void contextMenuWanted(QPoint globalPos);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;          // emits pointerMoved
    void contextMenuEvent(QContextMenuEvent* event) override;  // emits contextMenuWanted

private:
    QChart* chart_ = nullptr;          // cTablaChart
    QLineSeries* series1_ = nullptr;   // Series1, the left quantity (red)
    QLineSeries* series2_ = nullptr;   // Series2, the right quantity (olive)
    QDateTimeAxis* axisX_ = nullptr;   // cTablaBottomAxis, dd/MM/yyyy
    QValueAxis* axisLeft_ = nullptr;   // cTablaLeftAxis
    QValueAxis* axisRight_ = nullptr;  // cTablaRightAxis
    QLabel* leftTitle_ = nullptr;      // Label54, the left quantity's title (red)
    QLabel* rightTitle_ = nullptr;     // Label55, the right quantity's title (olive)
};
