// vagaris-cli download against a local HTTP server run by this test process.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTimer>

#include "catalogs/download/LocalHttpServer.h"
#include "support/TestHome.h"

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

class CliDownload : public ::testing::Test, private WithApplication {
protected:
    // Runs the CLI while this process's event loop serves its requests.
    Outcome run(const QStringList& args) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VAGARIS_HOME", QString::fromStdString(home.dir.string()));
        env.insert("VAGARIS_MPC_URL", server.baseUrl());
        env.insert("VAGARIS_MPC_BRIGHT_URL", server.baseUrl());
        process.setProcessEnvironment(env);
        QEventLoop loop;
        QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);
        process.start(QStringLiteral(VAGARIS_CLI_PATH), QStringList{"download"} + args);
        if (!process.waitForStarted()) return {};
        if (process.state() != QProcess::NotRunning) loop.exec();
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                process.readAllStandardOutput(), process.readAllStandardError()};
    }
    QByteArray fileBytes(const char* name) {
        QFile f(QString::fromStdString(home.programDir()) + name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    TestHome home;
    LocalHttpServer server;
};

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
    ok.body = CatalogBody(800);
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

TEST_F(CliDownload, UsageErrors) {
    EXPECT_EQ(run({}).exitCode, 2);
    EXPECT_EQ(run({"planets"}).exitCode, 2);
    EXPECT_EQ(run({"comets", "neos"}).exitCode, 2);
    EXPECT_TRUE(server.requests.empty());
}

}  // namespace
