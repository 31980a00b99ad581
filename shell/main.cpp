// vagaris: the window.
#include <QApplication>

#include "core/Session.h"
#include "shell/gifbridge/progress.h"
#include "shell/Dialogs.h"
#include "shell/TFAtmo.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vagaris"));
    InstallGifProgressWindow();  // the progress window shown while a GIF is written
    vagaris::Session session;    // the clock is the computer's (set by the window)
    QtDialogs dialogs;
    TFAtmo window(session, dialogs);
    window.show();
    return app.exec();
}
