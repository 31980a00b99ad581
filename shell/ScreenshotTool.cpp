// vagaris-screenshot: opens the window in extended mode on a temporary program directory
// holding a sample comet catalog, loads it the way a user does, chooses one comet and saves a
// picture of every page, computed where the page has a button for it. Run offscreen by
// scripts/screenshot.sh.
//
//   vagaris-screenshot <CometsCR.dat> <output folder> [object name] [dd/mm/yyyy hh:nn:ss UT]
#include <QAbstractButton>
#include <QApplication>
#include <QThread>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cstdio>

#include "core/Session.h"
#include "core/TextFile.h"
#include "core/Time.h"
#include "toolkit/AppController.h"
#include "toolkit/Dialogs.h"
#include "shell/TFAtmo.h"
#include "translations/Translations.h"

namespace {

// No window may wait for an answer offscreen: messages go to the terminal.
struct PrintingDialogs : Dialogs {
    void message(QWidget*, const QString& t) override { print("mensaje", t); }
    void error(QWidget*, const QString& t) override { print("error", t); }
    void warning(QWidget*, const QString& t) override { print("aviso", t); }
    int ask(QWidget*, const QString& t, const QStringList& buttons) override {
        print("pregunta", t);
        return int(buttons.size()) - 1;
    }
    QString openFile(QWidget*, const QString&) override { return {}; }
    QString saveFile(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    int exec(QDialog&) override { return 0; }
    static void print(const char* kind, const QString& t) {
        std::fprintf(stderr, "%s: %s\n", kind, qPrintable(t));
    }
};

// Each page's picture file, and the button that fills the page (none: it fills itself).
struct PagePicture {
    const char* page;
    const char* file;
    const char* computeButton;
};
constexpr PagePicture kPictures[] = {
    {"Suelo", "seleccion.png", nullptr},
    {"tsOrbita", "orbita.png", nullptr},
    {"tsAE", "ea.png", nullptr},
    {"tsTablas", "tablas.png", nullptr},
    {"tsEfe", "efemerides.png", "Button32"},
    {"tsAnti", "anticola.png", "Button5"},
    {"tsDescargas", "descargas.png", nullptr},
    {"tsConf", "configuracion.png", nullptr},
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QStringList args = application.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr,
                     "uso: vagaris-screenshot <CometsCR.dat> <carpeta de salida> [objeto] "
                     "[\"dd/mm/yyyy hh:nn:ss\"]\n");
        return 2;
    }
    const QString catalog = args[1];
    const QDir output(args[2]);
    const QString object = args.size() > 3 ? args[3] : QStringLiteral("C/2025 A6 (Lemmon)");
    const QString when = args.size() > 4 ? args[4] : QStringLiteral("21/10/2025 19:00:00");

    QTemporaryDir home;
    if (!home.isValid() || !QFile::copy(catalog, home.filePath(QStringLiteral("CometsCR.dat")))) {
        std::fprintf(stderr, "no se pudo preparar la carpeta temporal con %s\n",
                     qPrintable(catalog));
        return 1;
    }
    QFile extended(home.filePath(QStringLiteral("457.txt")));  // every page in sight
    extended.open(QIODevice::WriteOnly);
    extended.close();
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
    // VAGARIS_SCREENSHOT_LANG=en (or any code of this build) takes the pictures of that
    // interface; Spanish without it.
    if (const QByteArray code = qgetenv("VAGARIS_SCREENSHOT_LANG"); !code.isEmpty())
        UseLanguage(code.toStdString());
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

    auto* pages = window.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    for (const PagePicture& picture : kPictures) {
        auto* page = pages->findChild<QWidget*>(QString::fromLatin1(picture.page));
        if (!page) {
            std::fprintf(stderr, "no existe la página %s\n", picture.page);
            return 1;
        }
        pages->setCurrentWidget(page);
        QApplication::processEvents();
        if (picture.computeButton)
            if (auto* button =
                    page->findChild<QAbstractButton*>(QString::fromLatin1(picture.computeButton)))
                button->click();
        QApplication::processEvents();
        const QString path = output.filePath(QString::fromLatin1(picture.file));
        // Through the program's one atomic writer, as every file the program writes.
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!window.grab().save(&buffer, "PNG")) {
            std::fprintf(stderr, "no se pudo escribir %s\n", qPrintable(path));
            return 1;
        }
        try {
            vagaris::WriteFileAtomically(QFile::encodeName(path).toStdString(), png.toStdString());
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%s\n", e.what());
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
    }
    // The tonight window of the Selección page, its list computed for the loaded catalog.
    pages->setCurrentIndex(0);
    QApplication::processEvents();
    if (auto* open = window.findChild<QAbstractButton*>(QStringLiteral("btnQueObservar"))) {
        open->click();
        QWidget* tonight = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == QStringLiteral("TonightWindow")) tonight = top;
        auto* compute =
            tonight ? tonight->findChild<QAbstractButton*>(QStringLiteral("btnCalcular")) : nullptr;
        if (compute) {
            compute->click();
            QApplication::processEvents();
            while (!compute->isEnabled()) {
                QThread::msleep(20);
                QApplication::processEvents();
            }
            QApplication::processEvents();
            const QString path = output.filePath(QStringLiteral("tonight.png"));
            QByteArray png;
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            if (tonight->grab().save(&buffer, "PNG")) {
                vagaris::WriteFileAtomically(QFile::encodeName(path).toStdString(),
                                             png.toStdString());
                std::printf("%s\n", qPrintable(path));
            }
        }
    }
    return 0;
}
