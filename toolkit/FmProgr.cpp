#include "toolkit/FmProgr.h"

#include <QPalette>
#include <QProgressBar>
#include <cmath>

namespace {

constexpr int kClientWidth = 132;  // [px]
constexpr int kClientHeight = 18;  // [px]

}  // namespace

TProgressForm::TProgressForm(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint),
      gauge_(new QProgressBar(this)) {
    setObjectName(QStringLiteral("ProgressForm"));
    setWindowTitle(tr("Un momento..."));
    setFixedSize(kClientWidth, kClientHeight);
    move(8, 50);

    gauge_->setObjectName(QStringLiteral("Gauge1"));
    gauge_->setGeometry(0, 0, kClientWidth, kClientHeight);
    gauge_->setRange(0, 100);
    gauge_->setValue(0);
    gauge_->setTextVisible(true);
    gauge_->setFormat(QStringLiteral("%p%"));
    gauge_->setAlignment(Qt::AlignCenter);
    QPalette colours = gauge_->palette();  // blue bar on the window colour
    colours.setColor(QPalette::Highlight, Qt::blue);
    colours.setColor(QPalette::Base, colours.color(QPalette::Window));
    gauge_->setPalette(colours);
}

void TProgressForm::ShowFraction(float fraction) {
    if (fraction > 0.9999f) {
        hide();
        return;
    }
    if (!isVisible()) show();
    // Percentages round halves to the even neighbour.
    gauge_->setValue(static_cast<int>(std::nearbyint(double(fraction) * 100.0)));
}
