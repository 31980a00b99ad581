#pragma once
// Base of the eight tab pages. The main window calls pageEntered() when the page becomes the
// active one (its entry action).
#include <QWidget>

class AppController;

class Page : public QWidget {
    Q_OBJECT
public:
    explicit Page(AppController& app, QWidget* parent = nullptr) : QWidget(parent), app_(app) {}
    virtual void pageEntered() {}

protected:
    AppController& app_;
};
