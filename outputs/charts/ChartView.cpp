#include "outputs/charts/ChartView.h"

#include <algorithm>
#include <cmath>

#include <QApplication>
#include <QChart>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLabel>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPainter>
#include <QValueAxis>

#include "outputs/charts/ChartSampling.h"

namespace {

const QColor kRed(255, 0, 0);
const QColor kOlive(128, 128, 0);
const QColor kBlue(0, 0, 255);

// Date labels at least 50 pixels apart over a plot about 440 pixels wide.
constexpr int kDateTickCount = 9;

QFont PixelFont(const QString& family, int pixels, bool bold = false) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    // Plain pixels: no blended edges, so the picture keeps a handful of colours.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QLabel* CornerLabel(QWidget* parent, const char* name, const QColor& colour, Qt::Alignment align) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(PixelFont(QStringLiteral("Tahoma"), 13));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setAlignment(align | Qt::AlignTop);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

void StyleValueAxis(QValueAxis* axis) {
    axis->setGridLineVisible(false);
    axis->setMinorGridLineVisible(false);
    axis->setLabelsFont(PixelFont(QStringLiteral("Arial"), 11));
    axis->setLabelsBrush(Qt::black);
    axis->setLinePen(QPen(Qt::black, 1));
}

void ApplyRange(QValueAxis* axis, QLineSeries* series, const vagaris::ChartAxisRange& range) {
    axis->setVisible(range.visible);
    series->setVisible(range.visible);
    axis->setReverse(range.inverted);
    axis->setRange(range.min, range.max);
    // Labels at round values (1, 2 or 5 times a power of ten), four to eight of them, with
    // the decimals the step needs.
    const double rough = (range.max - range.min) / 7;
    if (!std::isfinite(rough) || rough <= 0) {
        axis->setTickType(QValueAxis::TicksFixed);
        return;
    }
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = 10 * power;
    for (double factor : {1.0, 2.0, 5.0})
        if (factor * power >= rough) {
            step = factor * power;
            break;
        }
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(step);
    const int decimals = std::clamp(int(-std::floor(std::log10(step) + 1e-9)), 0, 9);
    axis->setLabelFormat(QStringLiteral("%.%1f").arg(decimals));
}

}  // namespace

qreal ChartView::axisValue(vagaris::Instant t) {
    const vagaris::DateTimeFields f = vagaris::DecodeInstant(t);
    const QDateTime local(QDate(f.year, f.month, f.day),
                          QTime(f.hour, f.minute, f.second, f.millisecond), Qt::LocalTime);
    return static_cast<qreal>(local.toMSecsSinceEpoch());
}

ChartView::ChartView(QWidget* parent) : QChartView(parent) {
    setObjectName(QStringLiteral("cTabla"));
    setFixedSize(kWidth, kHeight);
    setFrameShape(QFrame::NoFrame);
    setRenderHints({});  // neither lines nor text antialiased
    setCursor(Qt::CrossCursor);
    viewport()->setCursor(Qt::CrossCursor);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    setBackgroundBrush(Qt::white);

    chart_ = new QChart();
    chart_->setObjectName(QStringLiteral("cTablaChart"));
    chart_->legend()->hide();
    chart_->setAnimationOptions(QChart::NoAnimation);
    chart_->setBackgroundBrush(Qt::white);
    chart_->setBackgroundPen(Qt::NoPen);
    chart_->setBackgroundRoundness(0);
    chart_->setDropShadowEnabled(false);
    chart_->setPlotAreaBackgroundVisible(false);
    chart_->setTitleBrush(kBlue);
    chart_->setTitleFont(PixelFont(QStringLiteral("Tahoma"), 13, true));
    chart_->setMargins(QMargins(2, 14, 2, 2));

    series1_ = new QLineSeries();
    series1_->setObjectName(QStringLiteral("Series1"));
    series1_->setPen(QPen(kRed, 2));
    series1_->setPointsVisible(false);
    series2_ = new QLineSeries();
    series2_->setObjectName(QStringLiteral("Series2"));
    // The curve shows olive, like its title.
    series2_->setPen(QPen(kOlive, 2));
    series2_->setPointsVisible(false);
    chart_->addSeries(series1_);
    chart_->addSeries(series2_);

    axisX_ = new QDateTimeAxis();
    axisX_->setObjectName(QStringLiteral("cTablaBottomAxis"));
    axisX_->setFormat(QStringLiteral("dd/MM/yyyy"));
    axisX_->setLabelsAngle(-90);
    axisX_->setTickCount(kDateTickCount);
    axisX_->setGridLineVisible(false);
    axisX_->setLabelsFont(PixelFont(QStringLiteral("Arial"), 11));
    axisX_->setLabelsBrush(Qt::black);
    axisX_->setLinePen(QPen(Qt::black, 1));
    axisLeft_ = new QValueAxis();
    axisLeft_->setObjectName(QStringLiteral("cTablaLeftAxis"));
    StyleValueAxis(axisLeft_);
    axisRight_ = new QValueAxis();
    axisRight_->setObjectName(QStringLiteral("cTablaRightAxis"));
    StyleValueAxis(axisRight_);
    chart_->addAxis(axisX_, Qt::AlignBottom);
    chart_->addAxis(axisLeft_, Qt::AlignLeft);
    chart_->addAxis(axisRight_, Qt::AlignRight);
    series1_->attachAxis(axisX_);
    series1_->attachAxis(axisLeft_);
    series2_->attachAxis(axisX_);
    series2_->attachAxis(axisRight_);
    setChart(chart_);

    leftTitle_ = CornerLabel(this, "Label54", kRed, Qt::AlignLeft);
    leftTitle_->setGeometry(4, 1, kWidth / 2 - 8, 16);
    rightTitle_ = CornerLabel(this, "Label55", kOlive, Qt::AlignRight);
    rightTitle_->setGeometry(kWidth / 2 + 4, 1, kWidth / 2 - 8, 16);
}

void ChartView::showSamples(const vagaris::ChartSamples& samples, const QString& title) {
    chart_->setTitle(title);
    // The axis titles are texts of the pure code: the interface language comes from its
    // catalogue (an empty title stays empty).
    leftTitle_->setText(QCoreApplication::translate("CoreText", samples.leftTitle.c_str()));
    rightTitle_->setText(QCoreApplication::translate("CoreText", samples.rightTitle.c_str()));

    QList<QPointF> left, right;
    left.reserve(static_cast<qsizetype>(samples.instants.size()));
    right.reserve(static_cast<qsizetype>(samples.instants.size()));
    for (size_t k = 0; k < samples.instants.size(); ++k) {
        const qreal x = axisValue(samples.instants[k]);
        left.append(QPointF(x, samples.left[k]));
        right.append(QPointF(x, samples.right[k]));
    }
    series1_->replace(left);
    series2_->replace(right);
    if (!samples.instants.empty()) {
        axisX_->setRange(QDateTime::fromMSecsSinceEpoch(qint64(left.front().x())),
                         QDateTime::fromMSecsSinceEpoch(qint64(left.back().x())));
    }
    ApplyRange(axisLeft_, series1_, samples.leftAxis);
    ApplyRange(axisRight_, series2_, samples.rightAxis);
}

void ChartView::clearCurves() {
    series1_->clear();
    series2_->clear();
}

QRectF ChartView::plotArea() const { return chart_->plotArea(); }

QImage ChartView::picture() {
    // Let a pending layout settle before the capture.
    QApplication::sendPostedEvents();
    // Opaque first: the reduction below keeps exact colours only for pictures without alpha.
    const QImage captured = grab().toImage().convertToFormat(QImage::Format_RGB32);
    // Exact colours when there are at most 256 of them; otherwise a fixed reduction, so the
    // GIF writer always receives a picture it can encode.
    const QImage indexed =
        captured.convertToFormat(QImage::Format_Indexed8, Qt::AvoidDither | Qt::ThresholdDither);
    return indexed.convertToFormat(QImage::Format_RGB32);
}

void ChartView::mouseMoveEvent(QMouseEvent* event) {
    QChartView::mouseMoveEvent(event);
    // Keep the fraction of the position: the view does not scale, it only shifts.
    const QPointF scene = QPointF(mapToScene(QPoint(0, 0))) + event->position();
    emit pointerMoved(chart_->mapFromScene(scene));
}

void ChartView::contextMenuEvent(QContextMenuEvent* event) {
    emit contextMenuWanted(event->globalPos());
    event->accept();
}
