#pragma once
// TProgressForm: the small window that shows the GIF library's progress, "Un momento...",
// with one percentage bar Gauge1.
#include <QWidget>

class QProgressBar;

class TProgressForm : public QWidget {
    Q_OBJECT
public:
    explicit TProgressForm(QWidget* parent = nullptr);

    // Up to 0.9999: shows the window when hidden and sets the bar to round(fraction * 100) per
    // cent (halves to even); above: hides the window.
    void ShowFraction(float fraction);

    QProgressBar* Gauge1() const { return gauge_; }

private:
    QProgressBar* gauge_;
};
