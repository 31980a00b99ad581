#pragma once
// One catalog transfer over HTTP(S): GET with the program's headers, the body into a
// temporary file beside the catalog, which replaces the catalog only after a complete,
// successful transfer whose body is plausibly a catalog of its kind. Every transfer is bounded
// (DownloadPlan.h): its size, its whole duration and its silences; Qt holds at most a small
// buffer of the body, which goes to the temporary file as it arrives. Used by the download page
// (asynchronously, the window stays usable) and by the command line (run(), which waits in a local
// event loop).
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <memory>
#include <vector>

#include "catalogs/download/DownloadPlan.h"
#include "core/Message.h"

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;
namespace vagaris {
class AtomicFile;
class CatalogPlausibility;
}  // namespace vagaris

// Why a transfer failed, kept apart from its values so that the window can show it in the
// interface language: `reason` is a Spanish text of the translation catalogue (UTF-8, "%1",
// "%2"... standing for `values` in order), or a message that is not in it (a disk error's, a
// cancel's), which then shows as it is. `texts`, after the values, are phrases of their own
// (a disk error's reason), translated with it.
struct DownloadFailure {
    QByteArray reason;
    QStringList values;
    std::vector<vagaris::Message> texts = {};

    // A failure the pure code tells as a message: a write error, a body that is no catalog.
    static DownloadFailure Of(const vagaris::Message& message);

    bool isEmpty() const { return reason.isEmpty(); }
    // The reason with its values put in, after `translate` (TrCore's signature) when given:
    // "el servidor no tiene el archivo (HTTP 404)". Values are put in at once, so a "%" inside
    // one (an address) is never taken for a placeholder.
    QString text(QString (*translate)(const char*) = nullptr) const;
};

class CatalogDownloader : public QObject {
    Q_OBJECT
public:
    explicit CatalogDownloader(QObject* parent = nullptr);
    ~CatalogDownloader() override;

    // How long a silent server is waited for before the transfer fails [s] (60 by default):
    // no byte of the answer's body, no complete header, for that long.
    void setIdleTimeout(int seconds) { idleTimeoutSeconds_ = seconds; }
    // How long the whole transfer may take [s] (1800 by default).
    void setTransferTimeout(int seconds) { transferTimeoutSeconds_ = seconds; }

    // Why the last transfer failed (empty after a success or while one runs): the reason
    // finished() gave, as its template and values. A bound that stopped it is one of the
    // templates of DownloadPlan.h with the bound [MB or s].
    const DownloadFailure& lastFailure() const { return failure_; }

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

    // Stops the transfer in progress: finished(false, reason) follows (at once, or after
    // start() returned when it has not begun) and the temporary file is removed. Nothing
    // happens when no transfer runs.
    void cancel(const QString& reason);

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
    void finish(bool ok, const DownloadFailure& failure);
    void refuseAtBound(const char* reason, qint64 value);
    bool isSuccessStatus() const;
    bool openTarget(const QString& targetPath);
    DownloadFailure networkFailure(int status) const;

    QNetworkAccessManager* network_ = nullptr;
    QNetworkReply* reply_ = nullptr;
    QTimer* deadline_ = nullptr;  // the whole transfer
    QTimer* silence_ = nullptr;   // restarted by every sign of progress
    QString target_;
    std::unique_ptr<vagaris::AtomicFile> file_;
    std::unique_ptr<vagaris::CatalogPlausibility> check_;
    bool busy_ = false;
    int idleTimeoutSeconds_ = vagaris::kDefaultIdleSeconds;
    int transferTimeoutSeconds_ = vagaris::kDefaultTransferSeconds;
    DownloadFailure failure_;
    int catalogIndex_ = 0;
    int year_ = 0;
    bool triedPreviousYear_ = false;
    bool begun_ = false;
    qint64 announced_ = -1;    // [bytes]
    qint64 received_ = 0;      // [bytes] written to the temporary file
    qint64 discarded_ = 0;     // [bytes] of an error answer's body, read and dropped
    DownloadFailure refused_;  // why the transfer was stopped from here (redirect, disk, bound)
};
