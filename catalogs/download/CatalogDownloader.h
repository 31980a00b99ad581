#pragma once
// One catalog transfer over HTTP(S): GET with the program's headers, the body into a
// temporary file beside the catalog, which replaces the catalog only after a complete,
// successful transfer whose body is plausibly a catalog of its kind. Used by the download page
// (asynchronously, the window stays usable) and by the command line (run(), which waits in a local
// event loop).
#include <QObject>
#include <QString>
#include <QUrl>
#include <memory>

class QNetworkAccessManager;
class QNetworkReply;
namespace vagaris {
class AtomicFile;
class CatalogPlausibility;
}  // namespace vagaris

class CatalogDownloader : public QObject {
    Q_OBJECT
public:
    explicit CatalogDownloader(QObject* parent = nullptr);
    ~CatalogDownloader() override;

    // How long a silent server is waited for before the transfer fails [s] (60 by default).
    void setIdleTimeout(int seconds) { idleTimeoutSeconds_ = seconds; }

    // True from start() until finished() has been emitted.
    bool busy() const { return busy_; }

    // Starts fetching catalog `catalogIndex` (0..4 of kCatalogs) into `targetPath`; `year` is
    // the one the bright-objects path carries (when it answers 404, the previous year's file
    // is fetched instead: the Center publishes a new year's file some days late). Base
    // addresses come from the environment. Returns false and does nothing while another
    // transfer runs; otherwise finished() follows, always after start() has returned.
    bool start(int catalogIndex, const QString& targetPath, int year);

    // start() and wait for the end. Returns success; `failure` receives the reason, one
    // Spanish phrase ("disco lleno", "sin respuesta del servidor tras 60 s", ...).
    bool run(int catalogIndex, const QString& targetPath, int year, QString* failure = nullptr);

signals:
    // Start of the body: the announced size [bytes], -1 when the answer gives none.
    void workBegin(qint64 announcedSize);
    // Body bytes written so far.
    void work(qint64 bytesSoFar);
    // The end of the transfer; on failure the catalog file is as it was before and `failure`
    // says why.
    void finished(bool ok, const QString& failure);

private:
    void request(const QUrl& url);
    void onMetaData();
    void onReadyRead();
    void onRedirected(const QUrl& target);
    void onFinished();
    void finish(bool ok, const QString& failure);
    bool isSuccessStatus() const;
    bool openTarget(const QString& targetPath);
    QString networkFailure(int status) const;

    QNetworkAccessManager* network_ = nullptr;
    QNetworkReply* reply_ = nullptr;
    QString target_;
    std::unique_ptr<vagaris::AtomicFile> file_;
    std::unique_ptr<vagaris::CatalogPlausibility> check_;
    bool busy_ = false;
    int idleTimeoutSeconds_ = 60;
    int catalogIndex_ = 0;
    int year_ = 0;
    bool triedPreviousYear_ = false;
    bool begun_ = false;
    qint64 announced_ = -1;  // [bytes]
    qint64 received_ = 0;    // [bytes] written to the temporary file
    QString refused_;        // why the transfer was stopped from here (redirect, disk)
};
