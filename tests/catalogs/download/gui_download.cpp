// The "Descarga de archivos" page against a local HTTP server: files replaced only by a
// complete transfer, the progress bars, the single error message, the bright-objects year.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTcpServer>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "catalogs/download/CatalogDownloader.h"
#include "catalogs/download/DescargasPage.h"
#include "catalogs/download/LocalHttpServer.h"
#include "core/Time.h"
#include "shell/TFAtmo.h"
#include "translations/Translations.h"
#include "support/FakeDialogs.h"
#include "support/TestHome.h"
#include "support/WriteFaults.h"

namespace {

const QByteArray kCometsPath = "/iau/Ephemerides/Comets/Soft01Cmt.txt";
const QByteArray kNeosPath = "/iau/Ephemerides/Unusual/Soft01Unusual.txt";
const QString kError = QStringLiteral("Error descargando archivo");
// The page's message: the one first line, then the file and why, as vagaris-cli says it.
QString Failure(const char* file, const QString& reason) {
    return kError + u'\n' + QString::fromLatin1(file) + QStringLiteral(": ") + reason;
}

// Unix time ↔ Instant (days from 1899-12-30; 1970-01-01 is day 25569).
double InstantOfUnixSeconds(double s) { return 25569.0 + s / 86400.0; }
time_t UnixSecondsOfInstant(double t) { return time_t((t - 25569.0) * 86400.0); }

class DownloadPage : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("VAGARIS_MPC_URL", server.baseUrl().toUtf8().constData(), 1);
        ::setenv("VAGARIS_MPC_BRIGHT_URL", server.baseUrl().toUtf8().constData(), 1);
        session.clock = [this] { return now; };
        window = std::make_unique<TFAtmo>(session, dialogs);
        page = window->findChild<DescargasPage*>(QStringLiteral("tsDescargas"));
        ASSERT_NE(page, nullptr);
        dialogs.clear();
    }
    void TearDown() override {
        window.reset();
        ::unsetenv("VAGARIS_MPC_URL");
        ::unsetenv("VAGARIS_MPC_BRIGHT_URL");
    }

    QPushButton* button(const char* name) { return page->findChild<QPushButton*>(name); }
    QProgressBar* bar(int n) {
        return page->findChild<QProgressBar*>(QStringLiteral("ProgressBar%1").arg(n));
    }
    // Clicks a download button and waits for the end of the transfer (at most `guardMs`).
    bool download(const char* buttonName, int guardMs = 10000) {
        QEventLoop loop;
        bool ended = false;
        QObject::connect(page, &DescargasPage::downloadFinished, &loop, [&] {
            ended = true;
            loop.quit();
        });
        QTimer::singleShot(guardMs, &loop, &QEventLoop::quit);
        button(buttonName)->click();
        if (!ended) loop.exec();
        return ended;
    }
    // A split body's rest is sent once the page's downloader has reported the first piece:
    // the bytes it had then are recorded, with how many rests were still held at that moment.
    struct FirstProgress {
        qint64 bytes = -1;
        std::size_t restsHeld = 0;
    };
    std::shared_ptr<FirstProgress> releaseRestOnFirstProgress() {
        auto first = std::make_shared<FirstProgress>();
        auto* downloader = page->findChild<CatalogDownloader*>();
        EXPECT_NE(downloader, nullptr);
        if (downloader == nullptr) return first;
        QObject::connect(downloader, &CatalogDownloader::work, page, [this, first](qint64 bytes) {
            if (first->bytes >= 0) return;
            first->bytes = bytes;
            first->restsHeld = server.restsHeld();
            server.releaseRest();
        });
        return first;
    }
    void spin(int ms) {
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
    }
    QByteArray fileBytes(const char* name) {
        QFile f(QString::fromStdString(home.programDir()) + name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    void writeFile(const char* name, const QByteArray& bytes) {
        QFile f(QString::fromStdString(home.programDir()) + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // Files of the program folder other than the settings file: no temporary file may stay.
    QStringList folderFiles() {
        QStringList files = QDir(QString::fromStdString(home.programDir()))
                                .entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
        files.removeAll(QStringLiteral("vagaris.ini"));
        return files;
    }

    TestHome home;
    LocalHttpServer server;
    vagaris::Session session;
    double now = vagaris::EncodeDate(2011, 6, 15) + 0.5;
    FakeDialogs dialogs;
    std::unique_ptr<TFAtmo> window;
    DescargasPage* page = nullptr;
};

TEST_F(DownloadPage, SuccessReplacesTheFileAndMovesTheBar) {
    writeFile("CometsCR.dat", "old catalog\r\n");
    CannedResponse r;
    r.body = CatalogBody(2000);
    r.splitAt = 500;  // 500 of 2000 bytes first: 25 %
    server.answer(kCometsPath, r);
    QList<int> shown;
    QObject::connect(bar(1), &QProgressBar::valueChanged, [&](int v) { shown << v; });
    const auto first = releaseRestOnFirstProgress();

    ASSERT_TRUE(download("Button25"));
    EXPECT_EQ(first->bytes, 500);
    EXPECT_EQ(first->restsHeld, 1u) << "the rest waited for the first progress";
    EXPECT_EQ(fileBytes("CometsCR.dat"), r.body);
    EXPECT_EQ(shown, (QList<int>{25, 100}));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(folderFiles(), QStringList{"CometsCR.dat"});
    ASSERT_EQ(server.requests.size(), 1u);
    EXPECT_EQ(server.requests[0].path, kCometsPath);
    EXPECT_EQ(server.requests[0].headers.value("accept"), "text/html, */*");
    EXPECT_EQ(server.requests[0].headers.value("user-agent"),
              "Mozilla/3.0 (compatible; Indy Library)");
    EXPECT_TRUE(button("Button25")->isEnabled());
}

TEST_F(DownloadPage, WithoutAnnouncedSizeTheBarGoesFromZeroTo100) {
    CannedResponse r;
    r.body = CatalogBody(3000, 'x', 'A');
    r.length = CannedResponse::Length::None;
    r.splitAt = 1000;
    server.answer(kNeosPath, r);
    QList<int> shown;
    QObject::connect(bar(2), &QProgressBar::valueChanged, [&](int v) { shown << v; });
    const auto first = releaseRestOnFirstProgress();
    ASSERT_TRUE(download("Button26"));
    EXPECT_EQ(first->bytes, 1000);
    EXPECT_EQ(fileBytes("NeosAndUnusualCR.dat"), r.body);
    EXPECT_EQ(shown, QList<int>{100});
}

TEST_F(DownloadPage, FailuresKeepThePreviousFileAndShowOneMessage) {
    struct Case {
        const char* what;
        CannedResponse response;
        QString reason;
        bool arrivesWhole = false;  // refused after every announced byte came: the bar is full
    };
    std::vector<Case> cases;
    CannedResponse notFound;
    notFound.status = 404;
    notFound.body = "missing";
    cases.push_back({"404", notFound, "el servidor no tiene el archivo (HTTP 404)"});
    CannedResponse serverError;
    serverError.status = 500;
    serverError.body = CatalogBody(300);
    cases.push_back({"500", serverError, "el servidor respondió con error (HTTP 500)"});
    CannedResponse cut;
    cut.cutBeforeAnswer = true;
    cases.push_back({"cut connection", cut, "el servidor cerró la conexión antes de terminar"});
    CannedResponse shortBody;
    shortBody.body = CatalogBody(500);
    shortBody.length = CannedResponse::Length::Larger;
    shortBody.announced = 2000;
    cases.push_back({"short body", shortBody, "el servidor cerró la conexión antes de terminar"});
    CannedResponse redirect;  // to plain HTTP: not followed
    redirect.status = 301;
    redirect.location = server.baseUrl().toUtf8() + "/elsewhere.txt";
    cases.push_back({"redirect to http", redirect,
                     "redirección no seguida a " + server.baseUrl() + "/elsewhere.txt"});
    // Answers "200 OK" that are not a catalog.
    CannedResponse empty;
    cases.push_back({"200 with an empty body", empty, "el servidor envió un archivo vacío"});
    CannedResponse page;
    page.body = "<html><head><title>503</title></head><body>Try later</body></html>\r\n";
    cases.push_back({"200 with an HTML page", page,
                     "el servidor envió una página web en lugar del catálogo", true});
    CannedResponse otherKind;
    otherKind.body = CatalogBody(2000, 'x', 'A');
    cases.push_back({"minor-planet lines for the comets", otherKind,
                     "el archivo no es un catálogo de cometas (solo 0 de " +
                         QString::number(otherKind.body.count('\n')) + " líneas se leen)",
                     true});
    // Last: after a body ended by closing the connection, Qt's HTTP layer may send the next
    // request on that closing connection first and then again, which the count below forbids.
    CannedResponse cutNoLength;  // the connection ends mid-line and no length was announced
    cutNoLength.body = CatalogBody(2000).left(1900);
    cutNoLength.length = CannedResponse::Length::None;
    cases.push_back({"cut short without a length", cutNoLength,
                     "el archivo llegó cortado (su última línea no termina)"});

    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeFile("CometsCR.dat", "previous catalog\r\n");
        server.answer(kCometsPath, c.response);
        server.requests.clear();
        dialogs.clear();
        ASSERT_TRUE(download("Button25"));
        EXPECT_EQ(fileBytes("CometsCR.dat"), "previous catalog\r\n");
        EXPECT_EQ(dialogs.texts("error"), QStringList{Failure("CometsCR.dat", c.reason)})
            << dialogs.texts("error").join("|").toStdString();
        EXPECT_EQ(dialogs.shown.size(), 1u);
        if (!c.arrivesWhole) {
            EXPECT_LT(bar(1)->value(), 100);
        }
        EXPECT_EQ(folderFiles(), QStringList{"CometsCR.dat"});
        // Nothing retried and no redirect followed. Only a connection dropped before any
        // answer is sent again once, by the HTTP layer itself, as HTTP/1.1 clients do.
        EXPECT_GE(server.requests.size(), 1u);
        EXPECT_LE(server.requests.size(), c.response.cutBeforeAnswer ? 2u : 1u);
    }
}

TEST_F(DownloadPage, DiskFaultsKeepThePreviousCatalogAndShowOneMessage) {
    const QByteArray previous = CatalogBody(1000, 'p');
    std::string skipped;
    for (const auto fault : vagaris::test::AllWriteFaults()) {
        SCOPED_TRACE(vagaris::test::FaultName(fault));
        vagaris::test::FaultyFolder folder(fault, home.dir / vagaris::test::FaultName(fault),
                                           "CometsCR.dat", previous.toStdString());
        if (!folder.skipReason().empty()) {
            skipped = folder.skipReason();
            continue;
        }
        session.ProgramDir = folder.dir().string() + "/";
        CannedResponse r;
        r.body = CatalogBody(100000, 'n');
        // The folder vanishes during the transfer: after the temporary file was made.
        r.hold = fault == vagaris::test::WriteFault::FolderVanishes;
        server.answer(kCometsPath, r);
        server.requests.clear();
        dialogs.clear();
        bool ended = false;
        QObject::connect(
            page, &DescargasPage::downloadFinished, page, [&] { ended = true; },
            Qt::SingleShotConnection);
        if (!r.hold) folder.arm();
        button("Button25")->click();
        if (r.hold) {
            for (int k = 0; k < 500 && server.requests.empty(); ++k) spin(10);
            ASSERT_EQ(server.requests.size(), 1u);
            folder.arm();
            server.releaseHeld();
        }
        for (int k = 0; k < 1000 && !ended; ++k) spin(10);
        ASSERT_TRUE(ended);
        // The reason is the file layer's own message, which names the fault.
        const QStringList errors = dialogs.texts("error");
        ASSERT_EQ(errors.size(), 1);
        const QString head = Failure("CometsCR.dat", {});
        EXPECT_TRUE(errors[0].startsWith(head)) << errors[0].toStdString();
        EXPECT_GT(errors[0].size(), head.size()) << "no reason given";
        EXPECT_EQ(errors[0].count(u'\n'), 1) << errors[0].toStdString();
        EXPECT_EQ(dialogs.shown.size(), 1u);
        EXPECT_TRUE(folder.unharmed());
    }
    // The page goes on: into a sound folder the download works.
    session.ProgramDir = home.programDir();
    CannedResponse whole;
    whole.body = CatalogBody(100000, 'n');
    server.answer(kCometsPath, whole);
    dialogs.clear();
    ASSERT_TRUE(download("Button25"));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(fileBytes("CometsCR.dat"), CatalogBody(100000, 'n'));
    if (!skipped.empty()) GTEST_SKIP() << skipped;
}

// The reason a failed transfer gives (the command line prints it after the window's message).
TEST_F(DownloadPage, NetworkFailuresSayWhatWentWrong) {
    struct Case {
        const char* what;
        CannedResponse response;
        QString reason;
    };
    std::vector<Case> cases;
    CannedResponse silent;
    silent.hold = true;  // never answered
    cases.push_back({"silent server", silent, "sin respuesta del servidor tras 1 s"});
    CannedResponse notFound;
    notFound.status = 404;
    cases.push_back({"404", notFound, "el servidor no tiene el archivo (HTTP 404)"});
    CannedResponse serverError;
    serverError.status = 503;
    cases.push_back({"503", serverError, "el servidor respondió con error (HTTP 503)"});
    CannedResponse closed;
    closed.cutBeforeAnswer = true;
    cases.push_back(
        {"closed before answering", closed, "el servidor cerró la conexión antes de terminar"});
    const QString target = QString::fromStdString(home.programDir()) + "CometsCR.dat";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        server.answer(kCometsPath, c.response);
        CatalogDownloader downloader;
        downloader.setIdleTimeout(1);
        QString failure;
        EXPECT_FALSE(downloader.run(0, target, 2011, &failure));
        EXPECT_EQ(failure, c.reason);
        EXPECT_EQ(folderFiles(), QStringList{});
    }

    // Nobody listening on the port.
    quint16 port = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        port = probe.serverPort();
    }
    ::setenv("VAGARIS_MPC_URL", QStringLiteral("http://127.0.0.1:%1").arg(port).toUtf8(), 1);
    CatalogDownloader downloader;
    QString failure;
    EXPECT_FALSE(downloader.run(0, target, 2011, &failure));
    EXPECT_EQ(failure, "el servidor rechazó la conexión");
}

// The page's second line says what went wrong, as vagaris-cli does, in the interface language:
// the reasons are the pure code's Spanish texts, translated through the catalogue with their
// values (the seconds, the status, the host) put in after translation.
TEST_F(DownloadPage, TheMessageSaysWhyInTheInterfaceLanguage) {
    quint16 deadPort = 0;  // nobody listens there
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        deadPort = probe.serverPort();
    }
    struct Case {
        const char* what;
        QString base;  // the server's address; empty: the local test server
        CannedResponse response;
        QString spanish;
        QString english;
    };
    CannedResponse canned;  // what the local server answers, case by case below
    std::vector<Case> cases;
    // RFC 6761: names under .invalid never resolve.
    cases.push_back({"server not found", "http://vagaris-test.invalid", canned,
                     "no se encontró el servidor vagaris-test.invalid",
                     "server vagaris-test.invalid not found"});
    cases.push_back({"refused connection", QStringLiteral("http://127.0.0.1:%1").arg(deadPort),
                     canned, "el servidor rechazó la conexión",
                     "the server refused the connection"});
    canned.status = 404;
    cases.push_back({"404",
                     {},
                     canned,
                     "el servidor no tiene el archivo (HTTP 404)",
                     "the server does not have the file (HTTP 404)"});
    canned.status = 503;
    cases.push_back({"503",
                     {},
                     canned,
                     "el servidor respondió con error (HTTP 503)",
                     "the server answered with an error (HTTP 503)"});
    canned = {};
    canned.body = "<!DOCTYPE html>\r\n<html><body>Mantenimiento</body></html>\r\n";
    cases.push_back({"HTML page for a catalog",
                     {},
                     canned,
                     "el servidor envió una página web en lugar del catálogo",
                     "the server sent a web page instead of the catalog"});
    canned = {};
    canned.hold = true;  // never answered
    cases.push_back({"silent server",
                     {},
                     canned,
                     "sin respuesta del servidor tras 1 s",
                     "no answer from the server after 1 s"});

    auto* downloader = page->findChild<CatalogDownloader*>();
    ASSERT_NE(downloader, nullptr);
    downloader->setIdleTimeout(1);
    struct BackToSpanish {  // for whatever runs next, even after a failed assertion
        ~BackToSpanish() { UseLanguage("es"); }
    } backToSpanish;
    for (const char* language : {"es", "en"}) {
        ASSERT_TRUE(UseLanguage(language));
        const bool english = std::string(language) == "en";
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.what) + " in " + language);
            const QString base = c.base.isEmpty() ? server.baseUrl() : c.base;
            ::setenv("VAGARIS_MPC_URL", base.toUtf8().constData(), 1);
            server.answer(kNeosPath, c.response);
            writeFile("NeosAndUnusualCR.dat", "previous catalog\r\n");
            dialogs.clear();
            ASSERT_TRUE(download("Button26", 60000));
            const QString first = english ? QStringLiteral("Error downloading file") : kError;
            EXPECT_EQ(dialogs.texts("error"),
                      QStringList{first + QStringLiteral("\nNeosAndUnusualCR.dat: ") +
                                  (english ? c.english : c.spanish)});
            EXPECT_EQ(fileBytes("NeosAndUnusualCR.dat"), "previous catalog\r\n");
            server.releaseHeld();
        }
    }
}

// A transfer stopped at one of its bounds: the one message says which, the catalog stays,
// the temporary file goes.
TEST_F(DownloadPage, BoundsStopTheTransferAndTheMessageSaysWhich) {
    struct Case {
        const char* what;
        CannedResponse response;
        QString message;
    };
    std::vector<Case> cases;
    CannedResponse endless;
    endless.body = CatalogBody(4000);
    endless.endless = CannedResponse::Endless::Chunked;
    cases.push_back(
        {"endless chunked body", endless, Failure("CometsCR.dat", "el archivo pasa de 64 MB")});
    CannedResponse huge;  // refused on its announced size, before any byte is written
    huge.body = CatalogBody(1000);
    huge.length = CannedResponse::Length::Larger;
    huge.announced = 100LL * 1024 * 1024;
    cases.push_back(
        {"100 MB announced", huge, Failure("CometsCR.dat", "el archivo pasa de 64 MB")});
    CannedResponse header;
    header.headerNeverEnds = true;
    cases.push_back({"header never finished", header,
                     Failure("CometsCR.dat", "sin respuesta del servidor tras 1 s")});
    CannedResponse trickle;
    trickle.body = CatalogBody(300);
    trickle.endless = CannedResponse::Endless::Trickle;
    cases.push_back(
        {"endless trickle", trickle, Failure("CometsCR.dat", "la descarga no terminó en 3 s")});

    auto* downloader = page->findChild<CatalogDownloader*>();
    ASSERT_NE(downloader, nullptr);
    downloader->setIdleTimeout(1);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeFile("CometsCR.dat", "previous catalog\r\n");
        server.answer(kCometsPath, c.response);
        dialogs.clear();
        // 64 MB take a while in a sanitizer build on a loaded machine.
        if (c.response.endless != CannedResponse::Endless::Trickle)
            downloader->setTransferTimeout(3600);
        else
            downloader->setTransferTimeout(3);
        ASSERT_TRUE(download("Button25", 300000));
        EXPECT_EQ(dialogs.texts("error"), QStringList{c.message});
        EXPECT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(fileBytes("CometsCR.dat"), "previous catalog\r\n");
        EXPECT_EQ(folderFiles(), QStringList{"CometsCR.dat"});
        EXPECT_TRUE(button("Button25")->isEnabled());
    }
    // The bounds are of one transfer: the next one, sound, completes.
    CannedResponse whole;
    whole.body = CatalogBody(5000);
    server.answer(kCometsPath, whole);
    dialogs.clear();
    ASSERT_TRUE(download("Button25"));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(fileBytes("CometsCR.dat"), whole.body);
}

TEST_F(DownloadPage, TheWindowsStartRemovesTemporariesOfKilledWrites) {
    // A process that has ended: its temporary files are of no use any more.
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    const std::string stale = ".CometsCR.dat.vagaris-tmp-" + std::to_string(child) + "-Ab12Cd";
    const std::string running =
        ".NeosAndUnusualCR.dat.vagaris-tmp-" + std::to_string(::getppid()) + "-Ab12Cd";
    std::ofstream(home.dir / stale) << "half";
    std::ofstream(home.dir / running) << "half";
    window.reset();
    window = std::make_unique<TFAtmo>(session, dialogs);
    EXPECT_FALSE(std::filesystem::exists(home.dir / stale));
    EXPECT_TRUE(std::filesystem::exists(home.dir / running));  // its writer still runs
}

TEST_F(DownloadPage, BrightObjectsPathCarriesTheYearOrFallsBackOneYear) {
    CannedResponse r;
    r.body = CatalogBody(700, 'b', 'A');
    server.answer("/iau/Ephemerides/Bright/2011/Soft01Bright.txt", r);
    ASSERT_TRUE(download("Button29"));
    EXPECT_EQ(fileBytes("BrightMinorPlanetsCR.dat"), r.body);
    ASSERT_EQ(server.requests.size(), 1u);

    // On 1 January the new year's file may not exist yet: last year's is taken.
    now = vagaris::EncodeDate(2012, 1, 1) + 0.1;
    server.requests.clear();
    r.body = CatalogBody(900, 'c', 'A');
    server.answer("/iau/Ephemerides/Bright/2011/Soft01Bright.txt", r);
    ASSERT_TRUE(download("Button29"));
    ASSERT_EQ(server.requests.size(), 2u);
    EXPECT_EQ(server.requests[0].path, "/iau/Ephemerides/Bright/2012/Soft01Bright.txt");
    EXPECT_EQ(server.requests[1].path, "/iau/Ephemerides/Bright/2011/Soft01Bright.txt");
    EXPECT_EQ(fileBytes("BrightMinorPlanetsCR.dat"), r.body);
    EXPECT_EQ(bar(5)->value(), 100);
    EXPECT_TRUE(dialogs.shown.empty());

    // Neither year there: one message, the file as it was.
    now = vagaris::EncodeDate(2014, 3, 1);
    ASSERT_TRUE(download("Button29"));
    EXPECT_EQ(dialogs.texts("error"),
              QStringList{Failure("BrightMinorPlanetsCR.dat",
                                  "el servidor no tiene el archivo (HTTP 404)")});
    EXPECT_EQ(fileBytes("BrightMinorPlanetsCR.dat"), r.body);
}

TEST_F(DownloadPage, ProgressRoundsHalfToEvenAndNeedsTheSize) {
    page->DownloadSlot = 3;
    page->IdHTTP1WorkBegin(2000);
    page->IdHTTP1Work(500);
    EXPECT_EQ(bar(3)->value(), 25);
    page->IdHTTP1Work(5);  // 0.25 % → 0
    EXPECT_EQ(bar(3)->value(), 0);
    page->IdHTTP1Work(1010);  // 50.5 % → 50
    EXPECT_EQ(bar(3)->value(), 50);
    page->IdHTTP1Work(1030);  // 51.5 % → 52
    EXPECT_EQ(bar(3)->value(), 52);
    page->IdHTTP1WorkBegin(-1);  // no size: the bar stays
    page->IdHTTP1Work(1900);
    EXPECT_EQ(bar(3)->value(), 52);
    EXPECT_EQ(bar(1)->value(), 0);
}

TEST_F(DownloadPage, ASecondDownloadCannotStartWhileOneRuns) {
    CannedResponse slow;
    slow.body = CatalogBody(400);
    slow.hold = true;
    server.answer(kCometsPath, slow);
    CannedResponse other;
    other.body = CatalogBody(300, 'n', 'A');
    server.answer(kNeosPath, other);

    bool ended = false;
    QObject::connect(page, &DescargasPage::downloadFinished, [&] { ended = true; });
    button("Button25")->click();
    for (int k = 0; k < 50 && server.requests.empty(); ++k) spin(20);
    ASSERT_EQ(server.requests.size(), 1u);
    EXPECT_FALSE(button("Button26")->isEnabled());
    button("Button26")->click();
    spin(100);
    EXPECT_EQ(server.requests.size(), 1u);
    EXPECT_FALSE(ended);

    server.releaseHeld();
    for (int k = 0; k < 250 && !ended; ++k) spin(20);
    ASSERT_TRUE(ended);
    EXPECT_EQ(fileBytes("CometsCR.dat"), slow.body);
    EXPECT_EQ(fileBytes("NeosAndUnusualCR.dat"), "<missing>");
    ASSERT_TRUE(download("Button26"));
    EXPECT_EQ(fileBytes("NeosAndUnusualCR.dat"), other.body);
}

TEST_F(DownloadPage, ReleasingTheRadioButtonAfterADownloadLoadsTheNewFileWithoutWarning) {
    // An old copy, a month older than the session's present: loading it warns.
    home.copySample("NeosAndUnusualCR.dat");
    const std::string path = home.programDir() + "NeosAndUnusualCR.dat";
    const utimbuf old{UnixSecondsOfInstant(now - 30), UnixSecondsOfInstant(now - 30)};
    ASSERT_EQ(::utime(path.c_str(), &old), 0);
    auto* radio = window->findChild<QRadioButton*>(QStringLiteral("rbNEO"));
    auto* combo = window->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    ASSERT_TRUE(radio && combo);
    const auto release = [&] {
        radio->setChecked(true);
        QMouseEvent up(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                       Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(radio, &up);
    };
    release();
    EXPECT_EQ(dialogs.texts("warning"), QStringList{"Archivo descargado hace 30 días"});
    const int neosCount = combo->count();
    ASSERT_GT(neosCount, 0);

    // The server now holds another catalog (the bright objects, other names).
    QFile bright(QStringLiteral(VAGARIS_SAMPLES_DIR "/BrightMinorPlanetsCR.dat"));
    ASSERT_TRUE(bright.open(QIODevice::ReadOnly));
    CannedResponse r;
    r.body = bright.readAll();
    server.answer(kNeosPath, r);
    ASSERT_TRUE(download("Button26"));
    EXPECT_EQ(combo->count(), neosCount);  // a download does not reload the selectors

    // A few hours after the download, by the file's own time.
    now = InstantOfUnixSeconds(
              double(QFileInfo(QString::fromStdString(path)).lastModified().toSecsSinceEpoch())) +
          0.2;
    dialogs.clear();
    release();
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(combo->count(), r.body.count('\n'));
    EXPECT_NE(combo->count(), neosCount);
    EXPECT_EQ(combo->itemText(0).toUtf8(), r.body.left(40).trimmed());
}

}  // namespace
