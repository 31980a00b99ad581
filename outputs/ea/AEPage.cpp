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
#include "shell/AppController.h"
#include "shell/Dialogs.h"

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

    ComboBox3 = new QComboBox(this);
    ComboBox3->setObjectName(QStringLiteral("ComboBox3"));
    ComboBox3->setMinimumWidth(260);
    Button8 = new QPushButton(QStringLiteral("Cálculo de Tj"), this);
    Button8->setObjectName(QStringLiteral("Button8"));

    Label63 = new QLabel(this);
    Label63->setObjectName(QStringLiteral("Label63"));
    QFont labelFont(QStringLiteral("Tahoma"));
    labelFont.setPixelSize(13);
    labelFont.setBold(true);
    Label63->setFont(labelFont);
    Label63->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

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

    Series3 = new QScatterSeries(chart);
    Series3->setObjectName(QStringLiteral("Series3"));
    Series3->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    Series3->setMarkerSize(9);
    Series3->setColor(Qt::red);
    Series3->setBorderColor(Qt::red);
    chart->addSeries(Series3);
    Series3->attachAxis(axisA);
    Series3->attachAxis(axisE);

    Chart1 = new QChartView(chart, this);
    Chart1->setObjectName(QStringLiteral("Chart1"));
    Chart1->setRubberBand(QChartView::NoRubberBand);
    Chart1->setBackgroundBrush(Qt::white);

    auto* top = new QHBoxLayout;
    top->addWidget(ComboBox3);
    top->addWidget(Button8);
    top->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Label63);
    layout->addWidget(Chart1, 1);

    // Created once; its fields keep their values between openings.
    tj_ = new TFTj(app_, this);

    app_.bindObjectSelector(ComboBox3, [this] { rebuild(); });
    connect(Button8, &QPushButton::clicked, this, &AEPage::Button8Click);
}

void AEPage::pageEntered() { rebuild(); }

void AEPage::clearPoint() {
    Series3->clear();
    Label63->clear();
}

void AEPage::showPoint(float a, float e, const QString& label) {
    Series3->clear();
    Series3->append(a, e);
    Label63->setText(label);
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
            std::string name = ComboBox3->currentText().toStdString();
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
