#include "toolkit/progress.h"

#include <QApplication>
#include <QCursor>

#include "toolkit/FmProgr.h"
#include "gif/GifDecl.h"

namespace {

// Created on first use, hidden (not destroyed) when a write ends; lives until the
// application ends.
TProgressForm* progressForm = nullptr;

void ShowGifProgress(float fraction) {
    if (progressForm == nullptr) {
        if (fraction > 0.9999f) return;  // nothing to hide yet
        progressForm = new TProgressForm();
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, [] {
            delete progressForm;
            progressForm = nullptr;
        });
    }
    progressForm->ShowFraction(fraction);
    QCoreApplication::processEvents();
}

void ShowGifBusyCursor(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

}  // namespace

void InstallGifProgressWindow() {
    vagaris::ProgressHook = &ShowGifProgress;
    vagaris::BusyCursorHook = &ShowGifBusyCursor;
}
