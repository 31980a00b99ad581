// vagaris: the window.
#include <QApplication>
#include <QIcon>

#include "core/Session.h"
#include "toolkit/progress.h"
#include "shell/CloseOnSignal.h"
#include "toolkit/Dialogs.h"
#include "shell/TFAtmo.h"
#include "settings/SettingsFile.h"
#include "translations/Translations.h"

int main(int argc, char** argv) {
    // First: a session that ends while the window starts still gets its settings saved.
    CatchTerminationSignals();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vagaris"));
    // The installed menu entry and icon share this name; desktops match the window to them.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.vagaris.Vagaris"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("io.github.vagaris.Vagaris")));
    // The language of the Configuración page's choice; by default the system's interface
    // languages decide, Spanish when none is supported. (A program folder that cannot be
    // made is the window's to tell; the choice is then the automatic one.)
    std::string programDir;
    try {
        programDir =
            vagaris::ResolveProgramDir(QCoreApplication::applicationDirPath().toStdString());
    } catch (const std::exception&) {
    }
    UseLanguage(StartLanguage(programDir, SystemUiLanguages()));
    InstallGifProgressWindow();  // the progress window shown while a GIF is written
    vagaris::Session session;    // the clock is the computer's (set by the window)
    QtDialogs dialogs;
    TFAtmo window(session, dialogs);
    CloseOnTerminationSignals(&window);
    window.show();
    return app.exec();
}
