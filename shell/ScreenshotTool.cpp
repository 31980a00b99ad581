// vagaris-screenshot: opens the window on a temporary program directory holding a sample
// comet catalog, loads it the way a user does, chooses one comet and saves a picture of the
// Selección page. Run offscreen by scripts/screenshot.sh.
//
//   vagaris-screenshot <CometsCR.dat> <output.png> [object name] [dd/mm/yyyy hh:nn:ss UT]
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QBuffer>
#include <QFile>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cstdio>

#include "core/TextFile.h"
#include "core/Session.h"
#include "core/Time.h"
#include "shell/AppController.h"
#include "shell/Dialogs.h"
#include "shell/TFAtmo.h"

namespace {

// No window may wait for an answer offscreen: messages go to the terminal.
struct PrintingDialogs : Dialogs {
    void message(QWidget*, const QString& t) override { print("mensaje", t); }
    void error(QWidget*, const QString& t) override { print("error", t); }
    void warning(QWidget*, const QString& t) override { print("aviso", t); }
    QString openFile(QWidget*, const QString&) override { return {}; }
    QString saveFile(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    int exec(QDialog&) override { return 0; }
    static void print(const char* kind, const QString& t) {
        std::fprintf(stderr, "%s: %s\n", kind, qPrintable(t));
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QStringList args = application.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr,
                     "uso: vagaris-screenshot <CometsCR.dat> <salida.png> [objeto] "
                     "[\"dd/mm/yyyy hh:nn:ss\"]\n");
        return 2;
    }
    const QString catalog = args[1];
    const QString output = args[2];
    const QString object = args.size() > 3 ? args[3] : QStringLiteral("C/2025 A6 (Lemmon)");
    const QString when = args.size() > 4 ? args[4] : QStringLiteral("21/10/2025 19:00:00");

    QTemporaryDir home;
    if (!home.isValid() || !QFile::copy(catalog, home.filePath(QStringLiteral("CometsCR.dat")))) {
        std::fprintf(stderr, "no se pudo preparar la carpeta temporal con %s\n",
                     qPrintable(catalog));
        return 1;
    }
    qputenv("VAGARIS_HOME", QFile::encodeName(home.path()));

    vagaris::Session session;
    try {
        const QStringList parts = when.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const vagaris::Instant fixed =
            vagaris::ParseDateText(parts.value(0).toStdString()) +
            vagaris::ParseTimeText(parts.value(1, QStringLiteral("00:00:00")).toStdString());
        session.clock = [fixed] { return fixed; };  // the picture is the same on every run
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 2;
    }
    PrintingDialogs dialogs;
    TFAtmo window(session, dialogs);
    window.show();
    QApplication::processEvents();

    auto* rbCom = window.findChild<QRadioButton*>(QStringLiteral("rbCom"));
    rbCom->setChecked(true);
    window.app().loadCatalog(0);
    auto* selector = window.findChild<QWidget*>(QStringLiteral("Suelo"))
                         ->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    const int index = selector->findText(object);
    if (index < 0) {
        std::fprintf(stderr, "objeto no encontrado en el catálogo: %s\n", qPrintable(object));
        return 1;
    }
    window.app().chooseObject(index);
    QApplication::processEvents();

    // Through the program's one atomic writer, as every file the program writes.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!window.grab().save(&buffer, "PNG")) {
        std::fprintf(stderr, "no se pudo escribir %s\n", qPrintable(output));
        return 1;
    }
    try {
        vagaris::WriteFileAtomically(QFile::encodeName(output).toStdString(), png.toStdString());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    std::printf("%s\n", qPrintable(QDir(output).absolutePath()));
    return 0;
}
