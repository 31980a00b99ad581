#include "outputs/ea/AEPage.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QValueAxis>
#include <QVBoxLayout>

#include "outputs/ea/Tisserand.h"
#include "outputs/ea/UTj.h"
#include "toolkit/AppController.h"
#include "toolkit/Dialogs.h"

namespace {

QValueAxis* MakeAxis(double max, int tickCount, const char* format) {
    auto* axis = new QValueAxis;
    axis->setRange(0.0, max);
    axis->setTickCount(tickCount);
    axis->setLabelFormat(QString::fromLatin1(format));
    axis->setGridLineVisible(true);
    return axis;
}

}  // namespace

AEPage::AEPage(AppController& app, QWidget* parent) : Page(app, parent) {
    setObjectName(QStringLiteral("tsAE"));

    objectChoice_ = new QComboBox(this);
    objectChoice_->setObjectName(QStringLiteral("ComboBox3"));
    objectChoice_->setMinimumWidth(260);
    tisserandButton_ = new QPushButton(tr("Cálculo de Tj"), this);
    tisserandButton_->setObjectName(QStringLiteral("Button8"));

    pointLabel_ = new QLabel(this);
    pointLabel_->setObjectName(QStringLiteral("Label63"));
    QFont labelFont(QStringLiteral("Tahoma"));
    labelFont.setPixelSize(13);
    labelFont.setBold(true);
    pointLabel_->setFont(labelFont);
    pointLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* chart = new QChart;
    chart->setObjectName(QStringLiteral("Chart1Chart"));
    chart->legend()->hide();
    chart->setTitle(QString());
    chart->setBackgroundBrush(Qt::white);
    chart->setPlotAreaBackgroundBrush(Qt::white);
    chart->setPlotAreaBackgroundVisible(true);
    chart->setDropShadowEnabled(false);
    auto* axisA = MakeAxis(vagaris::kEaAxisAMax, 11, "%.0f");  // a [AU], every 1
    auto* axisE = MakeAxis(vagaris::kEaAxisEMax, 11, "%.1f");  // e, every 0.1
    chart->addAxis(axisA, Qt::AlignBottom);
    chart->addAxis(axisE, Qt::AlignLeft);

    // The outline: one two-point series per segment, drawn in a thin black pen.
    for (std::size_t s = 0; s < vagaris::kEaOutline.size(); ++s) {
        const auto& seg = vagaris::kEaOutline[s];
        auto* line = new QLineSeries(chart);
        line->setObjectName(QStringLiteral("Outline%1").arg(s + 1));
        line->setPen(QPen(Qt::black, 1));
        line->append(seg.a0, seg.e0);
        line->append(seg.a1, seg.e1);
        chart->addSeries(line);
        line->attachAxis(axisA);
        line->attachAxis(axisE);
        outline_[s] = line;
    }

    point_ = new QScatterSeries(chart);
    point_->setObjectName(QStringLiteral("Series3"));
    point_->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    point_->setMarkerSize(9);
    point_->setColor(Qt::red);
    point_->setBorderColor(Qt::red);
    chart->addSeries(point_);
    point_->attachAxis(axisA);
    point_->attachAxis(axisE);

    chartView_ = new QChartView(chart, this);
    chartView_->setObjectName(QStringLiteral("Chart1"));
    chartView_->setRubberBand(QChartView::NoRubberBand);
    chartView_->setBackgroundBrush(Qt::white);

    auto* top = new QHBoxLayout;
    top->addWidget(objectChoice_);
    top->addWidget(tisserandButton_);
    top->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(pointLabel_);
    layout->addWidget(chartView_, 1);

    // Created once; its fields keep their values between openings.
    tj_ = new TFTj(app_, this);

    app_.bindObjectSelector(objectChoice_, [this] { rebuild(); });
    connect(tisserandButton_, &QPushButton::clicked, this, &AEPage::Button8Click);
}

void AEPage::pageEntered() { rebuild(); }

void AEPage::clearPoint() {
    point_->clear();
    pointLabel_->clear();
}

void AEPage::showPoint(float a, float e, const QString& label) {
    point_->clear();
    point_->append(a, e);
    pointLabel_->setText(label);
}

void AEPage::setOutlineVisible(bool visible) {
    for (auto* line : outline_) line->setVisible(visible);
}

void AEPage::rebuild() {
    clearPoint();
    // A text that does not convert leaves the chart empty, outline included, until the next
    // rebuild; its message is shown once.
    setOutlineVisible(false);
    app_.guarded([&] {
        const auto point = vagaris::EaPointFromElements(app_.session().Elements);
        if (point) {
            // The name as the object selectors list it.
            std::string name = objectChoice_->currentText().toStdString();
            if (name.empty()) name = app_.session().Elements.Name;
            showPoint(point->a, point->e, QString::fromStdString(vagaris::EaLabel(name, *point)));
        }
        setOutlineVisible(true);
    });
}

void AEPage::Button8Click() {
    if (app_.dialogs().exec(*tj_) == QDialog::Accepted) {
        const vagaris::EaPoint& p = tj_->typedPoint();
        showPoint(p.a, p.e, QString::fromStdString(tj_->typedLabel()));
    }
    // However the calculator was closed, the outline is drawn again (also after a rebuild
    // that a conversion error stopped).
    setOutlineVisible(true);
}
