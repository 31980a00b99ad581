// vagaris-cli download against a local HTTP server run by this test process.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "catalogs/download/LocalHttpServer.h"
#include "core/AtomicFile.h"
#include "support/TestHome.h"
#include "support/WriteFaults.h"

namespace {

struct Outcome {
    int exitCode = -1;
    QByteArray out, err;
};

QCoreApplication& App() {
    static int argc = 1;
    static char name[] = "cli_download";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app =
        QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv);
    return app ? *app : *QCoreApplication::instance();
}

// The application object must exist before the server's socket is made.
struct WithApplication {
    WithApplication() { App(); }
};

const QByteArray kCometsPath = "/iau/Ephemerides/Comets/Soft01Cmt.txt";

class CliDownload : public ::testing::Test, private WithApplication {
protected:
    // Runs the CLI while this process's event loop serves its requests; after `guardMs` the
    // run is given up (only a failure takes that long).
    Outcome run(const QStringList& args, int guardMs = 30000) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VAGARIS_HOME", QString::fromStdString(programDir.string()));
        env.insert("VAGARIS_MPC_URL", server.baseUrl());
        env.insert("VAGARIS_MPC_BRIGHT_URL", server.baseUrl());
        process.setProcessEnvironment(env);
        QEventLoop loop;
        QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(guardMs, &loop, &QEventLoop::quit);
        process.start(QStringLiteral(VAGARIS_CLI_PATH), QStringList{"download"} + args);
        if (!process.waitForStarted()) return {};
        if (process.state() != QProcess::NotRunning) loop.exec();
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                process.readAllStandardOutput(), process.readAllStandardError()};
    }
    // Starts `vagaris-cli download WHAT` against a server that sends 20 000 of the catalog's
    // 50 000 bytes and then stays silent, and returns once the progress line shows the download
    // half-way (its temporary file on the disk), with what stderr said by then in `err`.
    void startHalfWayDownload(QProcess& process, const QString& what, QByteArray& err) {
        CannedResponse half;
        half.body = CatalogBody(50000);
        half.splitAt = 20000;
        half.stall = true;
        server.answer(kCometsPath, half);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VAGARIS_HOME", QString::fromStdString(home.dir.string()));
        env.insert("VAGARIS_MPC_URL", server.baseUrl());
        process.setProcessEnvironment(env);
        QEventLoop loop;
        // The progress line is drawn after the bytes were written.
        QObject::connect(&process, &QProcess::readyReadStandardError, &loop, [&] {
            err += process.readAllStandardError();
            if (err.contains("40 %")) loop.quit();
        });
        QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);  // only a failure takes this long
        process.start(QStringLiteral(VAGARIS_CLI_PATH), QStringList{"download", what});
        if (!process.waitForStarted()) return;
        loop.exec();
        QObject::disconnect(&process, nullptr, &loop, nullptr);
    }
    QByteArray fileBytes(const char* name) {
        QFile f(QString::fromStdString(home.programDir()) + name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    // Lines written to a fresh file in the program folder.
    void writeFile(const char* name, const QByteArray& bytes) {
        QFile f(QString::fromStdString(home.programDir()) + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    TestHome home;
    std::filesystem::path programDir = home.dir;  // VAGARIS_HOME of the runs
    LocalHttpServer server;
};

// The lines of stderr other than the progress line, which is redrawn in place ("\r").
QList<QByteArray> MessageLines(const QByteArray& err) {
    QList<QByteArray> lines;
    for (const QByteArray& line : err.split('\n'))
        if (!line.isEmpty() && !line.startsWith('\r')) lines << line;
    return lines;
}

TEST_F(CliDownload, DownloadsOneCatalogIntoTheProgramFolder) {
    CannedResponse r;
    r.body = CatalogBody(5000);
    server.answer("/iau/Ephemerides/Comets/Soft01Cmt.txt", r);
    const Outcome o = run({"comets"});
    EXPECT_EQ(o.exitCode, 0) << o.err.constData();
    EXPECT_EQ(fileBytes("CometsCR.dat"), r.body);
    EXPECT_TRUE(o.err.contains("100 %"));
}

TEST_F(CliDownload, AllGoesOnAfterAFailureAndExits1) {
    CannedResponse ok;
    ok.body = CatalogBody(800, 'x', 'A');
    server.answer("/iau/Ephemerides/Unusual/Soft01Unusual.txt", ok);
    server.answer("/iau/Ephemerides/CritList/Soft01CritList.txt", ok);
    server.answer("/iau/Ephemerides/Distant/Soft01Distant.txt", ok);
    CannedResponse broken;
    broken.status = 500;
    server.answer("/iau/Ephemerides/Comets/Soft01Cmt.txt", broken);
    // No bright-objects file for any year: the server answers 404.
    const Outcome o = run({"all"});
    EXPECT_EQ(o.exitCode, 1);
    EXPECT_EQ(o.err.count("Error descargando archivo"), 2);
    EXPECT_EQ(fileBytes("CometsCR.dat"), "<missing>");
    EXPECT_EQ(fileBytes("NeosAndUnusualCR.dat"), ok.body);
    EXPECT_EQ(fileBytes("CriticalListCR.dat"), ok.body);
    EXPECT_EQ(fileBytes("DistantObjectsCR.dat"), ok.body);
    EXPECT_EQ(fileBytes("BrightMinorPlanetsCR.dat"), "<missing>");
}

TEST_F(CliDownload, AnAnswerThatIsNotACatalogKeepsThePreviousOneAndSaysWhy) {
    struct Case {
        const char* what;
        CannedResponse response;
        const char* reason;
    };
    std::vector<Case> cases;
    cases.push_back({"empty body", CannedResponse{}, "el servidor envió un archivo vacío"});
    CannedResponse page;
    page.body = "<!DOCTYPE html><html><body>Error</body></html>\n";
    cases.push_back({"HTML page", page, "el servidor envió una página web en lugar del catálogo"});
    CannedResponse cut;
    cut.body = CatalogBody(3000).left(2900);
    cut.length = CannedResponse::Length::None;
    cases.push_back({"cut without a length", cut, "el archivo llegó cortado"});
    CannedResponse wrongKind;
    wrongKind.body = CatalogBody(3000, 'x', 'A');
    cases.push_back(
        {"another catalog's lines", wrongKind, "el archivo no es un catálogo de cometas"});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeFile("CometsCR.dat", "previous\r\n");
        server.answer(kCometsPath, c.response);
        const Outcome o = run({"comets"});
        EXPECT_EQ(o.exitCode, 1);
        const QList<QByteArray> lines = MessageLines(o.err);
        ASSERT_EQ(lines.size(), 1) << o.err.constData();
        EXPECT_TRUE(lines[0].startsWith("Error descargando archivo CometsCR.dat: "))
            << o.err.constData();
        EXPECT_TRUE(lines[0].contains(c.reason)) << o.err.constData();
        EXPECT_EQ(fileBytes("CometsCR.dat"), "previous\r\n");
        EXPECT_EQ(vagaris::test::FolderEntries(home.dir), std::set<std::string>{"CometsCR.dat"});
    }
}

TEST_F(CliDownload, DiskFaultsKeepThePreviousCatalogAndExit1WithTheReason) {
    std::string skipped;
    // A vanished program folder is made again by the command line: not a fault here.
    for (const auto fault :
         {vagaris::test::WriteFault::DiskFull, vagaris::test::WriteFault::ReadOnlyFolder,
          vagaris::test::WriteFault::PathIsFolder}) {
        SCOPED_TRACE(vagaris::test::FaultName(fault));
        vagaris::test::FaultyFolder folder(fault, home.dir / vagaris::test::FaultName(fault),
                                           "CometsCR.dat", "previous\r\n");
        if (!folder.skipReason().empty()) {
            skipped = folder.skipReason();
            continue;
        }
        folder.arm();
        programDir = folder.dir();
        CannedResponse r;
        r.body = CatalogBody(100000);
        server.answer(kCometsPath, r);
        const Outcome o = run({"comets"});
        EXPECT_EQ(o.exitCode, 1);
        const QList<QByteArray> lines = MessageLines(o.err);
        ASSERT_EQ(lines.size(), 1) << o.err.constData();
        EXPECT_TRUE(lines[0].startsWith("Error descargando archivo CometsCR.dat: "));
        EXPECT_TRUE(lines[0].contains(folder.reason())) << o.err.constData();
        EXPECT_TRUE(folder.unharmed());
    }
    if (!skipped.empty()) GTEST_SKIP() << skipped;
}

TEST_F(CliDownload, AKilledDownloadLeavesThePreviousCatalogAndTheNextRunRemovesItsTemporary) {
    const QByteArray previous = CatalogBody(1000, 'p');
    writeFile("CometsCR.dat", previous);
    QProcess process;  // half-way, then killed
    QByteArray err;
    startHalfWayDownload(process, "comets", err);
    const qint64 pid = process.processId();
    ASSERT_TRUE(err.contains("40 %")) << err.constData();
    ASSERT_EQ(process.state(), QProcess::Running);
    process.kill();  // SIGKILL
    ASSERT_TRUE(process.waitForFinished());
    EXPECT_EQ(process.exitStatus(), QProcess::CrashExit);

    EXPECT_EQ(fileBytes("CometsCR.dat"), previous);
    std::set<std::string> temporaries;
    for (const auto& name : vagaris::test::FolderEntries(home.dir))
        if (name != "CometsCR.dat") temporaries.insert(name);
    ASSERT_EQ(temporaries.size(), 1u);
    const std::string temporary = *temporaries.begin();
    EXPECT_TRUE(vagaris::IsProgramTemporaryName(temporary)) << temporary;
    EXPECT_EQ(temporary.rfind(".CometsCR.dat.vagaris-tmp-" + std::to_string(pid) + "-", 0), 0u)
        << temporary;

    // The next start clears it away, and this time the download completes.
    CannedResponse whole;
    whole.body = CatalogBody(50000);
    server.answer(kCometsPath, whole);
    const Outcome o = run({"comets"});
    EXPECT_EQ(o.exitCode, 0) << o.err.constData();
    EXPECT_EQ(fileBytes("CometsCR.dat"), whole.body);
    EXPECT_EQ(vagaris::test::FolderEntries(home.dir), std::set<std::string>{"CometsCR.dat"});
}

// A server that never stops sending, in each form a body without a length can take: the
// transfer stops at the size cap, the memory and the disk stay bounded, nothing is left.
TEST_F(CliDownload, AnEndlessBodyStopsAtTheSizeCapAndKeepsThePreviousCatalog) {
    struct Case {
        const char* what;
        CannedResponse::Endless endless;
        QByteArray piece;
        int status = 200;
    };
    const std::vector<Case> cases = {
        {"plain, catalog lines", CannedResponse::Endless::Plain, CatalogBody(4000)},
        {"chunked", CannedResponse::Endless::Chunked, CatalogBody(4000)},
        {"without line ends", CannedResponse::Endless::Plain, QByteArray(4096, 'x')},
        // Read and dropped, never written: bounded all the same.
        {"an error answer's body", CannedResponse::Endless::Plain, QByteArray(4096, 'e'), 500},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeFile("CometsCR.dat", "previous\r\n");
        CannedResponse endless;
        endless.body = c.piece;
        endless.endless = c.endless;
        endless.status = c.status;
        server.answer(kCometsPath, endless);
        // The deadlines are far: only the size can stop it (64 MB take a while in a
        // sanitizer build on a loaded machine, hence the long guard).
        const Outcome o = run({"comets", "--timeout", "3600", "--idle-timeout", "600"}, 300000);
        EXPECT_EQ(o.exitCode, 1) << o.err.constData();
        const QList<QByteArray> lines = MessageLines(o.err);
        ASSERT_EQ(lines.size(), 1) << o.err.constData();
        EXPECT_EQ(lines[0], "Error descargando archivo CometsCR.dat: el archivo pasa de 64 MB");
        EXPECT_EQ(fileBytes("CometsCR.dat"), "previous\r\n");
        EXPECT_EQ(vagaris::test::FolderEntries(home.dir), std::set<std::string>{"CometsCR.dat"});
    }
}

// The deadlines, set short from the command line: a header that never ends and a body that
// stops half-way meet the silence bound; a body that trickles for ever meets the bound of
// the whole transfer.
TEST_F(CliDownload, DeadlinesStopServersThatNeverFinish) {
    struct Case {
        const char* what;
        CannedResponse response;
        QStringList options;
        const char* reason;
    };
    std::vector<Case> cases;
    CannedResponse header;
    header.headerNeverEnds = true;
    cases.push_back({"header never finished",
                     header,
                     {"--idle-timeout", "1"},
                     "sin respuesta del servidor tras 1 s"});
    CannedResponse half;
    half.body = CatalogBody(50000);
    half.splitAt = 20000;
    half.stall = true;
    cases.push_back(
        {"silence mid-body", half, {"--idle-timeout", "1"}, "sin respuesta del servidor tras 1 s"});
    CannedResponse trickle;
    trickle.body = CatalogBody(300);
    trickle.endless = CannedResponse::Endless::Trickle;
    cases.push_back(
        {"endless trickle", trickle, {"--timeout", "2"}, "la descarga no terminó en 2 s"});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeFile("CometsCR.dat", "previous\r\n");
        server.answer(kCometsPath, c.response);
        const Outcome o = run(QStringList{"comets"} + c.options);
        EXPECT_EQ(o.exitCode, 1) << o.err.constData();
        const QList<QByteArray> lines = MessageLines(o.err);
        ASSERT_EQ(lines.size(), 1) << o.err.constData();
        EXPECT_EQ(lines[0], QByteArray("Error descargando archivo CometsCR.dat: ") + c.reason);
        EXPECT_EQ(fileBytes("CometsCR.dat"), "previous\r\n");
        EXPECT_EQ(vagaris::test::FolderEntries(home.dir), std::set<std::string>{"CometsCR.dat"});
    }
}

// SIGTERM or SIGINT half-way: the transfer is cancelled as a failed one, the temporary file
// goes, the previous catalog stays, and the exit code is 128 + the signal.
TEST_F(CliDownload, ASignalStopsTheDownloadWithoutLeavingItsTemporary) {
    const QByteArray previous = CatalogBody(1000, 'p');
    for (const int signal : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(signal);
        writeFile("CometsCR.dat", previous);
        QProcess process;
        QByteArray err;
        startHalfWayDownload(process, "all", err);
        ASSERT_TRUE(err.contains("40 %")) << err.constData();
        ASSERT_EQ(process.state(), QProcess::Running);
        ASSERT_EQ(::kill(pid_t(process.processId()), signal), 0);
        // The server keeps the connection open and silent: only the signal ends the run.
        ASSERT_TRUE(process.waitForFinished(30000));
        err += process.readAllStandardError();
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 128 + signal);
        const QList<QByteArray> lines = MessageLines(err);
        ASSERT_EQ(lines.size(), 1) << err.constData();
        EXPECT_EQ(lines[0], QByteArray("Error descargando archivo CometsCR.dat: descarga "
                                       "interrumpida por la señal ") +
                                (signal == SIGTERM ? "SIGTERM" : "SIGINT"));
        EXPECT_EQ(fileBytes("CometsCR.dat"), previous);
        // "all" stopped at the first catalog: nothing else was asked for or written.
        EXPECT_EQ(vagaris::test::FolderEntries(home.dir), std::set<std::string>{"CometsCR.dat"});
        server.requests.clear();
    }
}

// A program folder shared as /tmp is (sticky, writable by all) where another user put a link
// in the catalog's place: the download refuses to follow it, the link's target stays whole.
TEST_F(CliDownload, AnotherUsersLinkInASharedProgramFolderIsNotFollowed) {
    if (::geteuid() != 0) GTEST_SKIP() << "giving a link to another user needs root";
    const std::filesystem::path shared = home.dir / "shared";
    std::filesystem::create_directory(shared);
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    const std::filesystem::path victim = home.dir / "victim.txt";
    std::ofstream(victim) << "a file only root may write";
    const std::filesystem::path link = shared / "CometsCR.dat";
    std::filesystem::create_symlink(victim, link);
    ASSERT_EQ(::lchown(link.c_str(), 65534, gid_t(-1)), 0);
    CannedResponse r;
    r.body = CatalogBody(5000);
    server.answer(kCometsPath, r);
    programDir = shared;
    const Outcome o = run({"comets"});
    EXPECT_EQ(o.exitCode, 1);
    const QList<QByteArray> lines = MessageLines(o.err);
    ASSERT_EQ(lines.size(), 1) << o.err.constData();
    EXPECT_EQ(lines[0].toStdString(),
              "Error descargando archivo CometsCR.dat: No se pudo escribir '" + link.string() +
                  "': enlace simbólico de otro usuario en una carpeta compartida");
    EXPECT_TRUE(server.requests.empty()) << "refused before asking the server";
    std::ifstream in(victim);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "a file only root may write");
    EXPECT_EQ(vagaris::test::FolderEntries(shared), std::set<std::string>{"CometsCR.dat"});
}

TEST_F(CliDownload, DeadlineOptionsTakeWholeSecondsFrom1To86400) {
    for (const char* value : {"0", "86401", "-5", "1.5", "abc", ""}) {
        SCOPED_TRACE(value);
        EXPECT_EQ(run({"comets", "--timeout", value}).exitCode, 2);
        EXPECT_EQ(run({"comets", "--idle-timeout", value}).exitCode, 2);
    }
    EXPECT_TRUE(server.requests.empty());
}

TEST_F(CliDownload, UsageErrors) {
    EXPECT_EQ(run({}).exitCode, 2);
    EXPECT_EQ(run({"planets"}).exitCode, 2);
    EXPECT_EQ(run({"comets", "neos"}).exitCode, 2);
    EXPECT_TRUE(server.requests.empty());
}

}  // namespace
