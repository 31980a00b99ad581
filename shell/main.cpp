// vagaris: the window.
#include <QApplication>
#include <QIcon>

#include "core/Session.h"
#include "shell/gifbridge/progress.h"
#include "shell/Dialogs.h"
#include "shell/TFAtmo.h"
#include "shell/settings/Translations.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vagaris"));
    // The installed menu entry and icon share this name; desktops match the window to them.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.vagaris.Vagaris"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("io.github.vagaris.Vagaris")));
    // The language follows the system's interface languages; Spanish when none is supported.
    UseLanguage(vagaris::ResolveLanguage(vagaris::LanguageChoice::Automatic, SystemUiLanguages()));
    InstallGifProgressWindow();  // the progress window shown while a GIF is written
    vagaris::Session session;    // the clock is the computer's (set by the window)
    QtDialogs dialogs;
    TFAtmo window(session, dialogs);
    window.show();
    return app.exec();
}
