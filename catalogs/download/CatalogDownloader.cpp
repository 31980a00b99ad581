#include "catalogs/download/CatalogDownloader.h"

#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <chrono>

#include "catalogs/CatalogInfo.h"
#include "catalogs/CatalogPlausibility.h"
#include "catalogs/download/DownloadPlan.h"
#include "core/AtomicFile.h"

DownloadFailure DownloadFailure::Of(const vagaris::Message& message) {
    QStringList values;
    for (const std::string& value : message.values())
        values.push_back(QString::fromStdString(value));
    return {QByteArray(message.pattern()), values, message.texts()};
}

QString DownloadFailure::text(QString (*translate)(const char*)) const {
    const QString spanish = QString::fromUtf8(reason);
    const QString pattern = translate ? translate(reason.constData()) : spanish;
    QStringList args = values;
    for (const vagaris::Message& part : texts) args.push_back(Of(part).text(translate));
    QString out;
    out.reserve(pattern.size());
    for (qsizetype k = 0; k < pattern.size(); ++k) {
        const QChar c = pattern[k];
        if (c == u'%' && k + 1 < pattern.size() && pattern[k + 1] >= u'1' &&
            pattern[k + 1] <= u'9') {
            const int n = pattern[k + 1].unicode() - u'1';
            if (n < args.size()) {
                out += args[n];
                ++k;
                continue;
            }
        }
        out += c;
    }
    return out;
}

CatalogDownloader::CatalogDownloader(QObject* parent)
    : QObject(parent),
      network_(new QNetworkAccessManager(this)),
      deadline_(new QTimer(this)),
      silence_(new QTimer(this)) {
    network_->setProxy(QNetworkProxy::NoProxy);
    deadline_->setSingleShot(true);
    silence_->setSingleShot(true);
    connect(deadline_, &QTimer::timeout, this,
            [this] { refuseAtBound(vagaris::kTooSlowReason, transferTimeoutSeconds_); });
    connect(silence_, &QTimer::timeout, this,
            [this] { refuseAtBound(vagaris::kSilentReason, idleTimeoutSeconds_); });
}

CatalogDownloader::~CatalogDownloader() {
    if (reply_) {
        reply_->disconnect(this);
        reply_->abort();
        reply_->deleteLater();
    }
}

bool CatalogDownloader::start(int catalogIndex, const QString& targetPath, int year) {
    if (busy_ || catalogIndex < 0 || catalogIndex >= int(vagaris::kCatalogs.size())) return false;
    busy_ = true;
    catalogIndex_ = catalogIndex;
    year_ = year;
    triedPreviousYear_ = false;
    refused_ = {};
    failure_ = {};
    if (!openTarget(targetPath)) {
        // finished() must come after start() returns, as for a transfer.
        QTimer::singleShot(0, this, [this] { finish(false, refused_); });
        return true;
    }
    deadline_->start(std::chrono::seconds(transferTimeoutSeconds_));
    const auto bases = vagaris::DownloadBasesFromEnvironment();
    request(QUrl(QString::fromStdString(
        vagaris::CatalogUrl(vagaris::kCatalogs[std::size_t(catalogIndex)], bases, year))));
    return true;
}

void CatalogDownloader::cancel(const QString& reason) {
    if (!busy_ || !refused_.isEmpty()) return;
    refused_ = {reason.toUtf8(), {}};
    // Without a reply the transfer has not begun: the pending finish() reports refused_.
    if (reply_) reply_->abort();
}

void CatalogDownloader::refuseAtBound(const char* reason, qint64 value) {
    if (!busy_ || !refused_.isEmpty() || !reply_) return;
    refused_ = {reason, {QString::number(value)}};
    reply_->abort();
}

bool CatalogDownloader::openTarget(const QString& targetPath) {
    target_ = targetPath;
    try {
        file_ = std::make_unique<vagaris::AtomicFile>(QFile::encodeName(targetPath).toStdString());
    } catch (const vagaris::EWriteError& e) {
        refused_ = DownloadFailure::Of(e.message());
        return false;
    }
    check_ = std::make_unique<vagaris::CatalogPlausibility>(
        vagaris::kCatalogs[std::size_t(catalogIndex_)].kind);
    return true;
}

bool CatalogDownloader::run(int catalogIndex, const QString& targetPath, int year,
                            QString* failure) {
    QEventLoop loop;
    bool ok = false;
    const auto connection =
        connect(this, &CatalogDownloader::finished, &loop, [&](bool success, const QString& why) {
            ok = success;
            if (failure) *failure = why;
            loop.quit();
        });
    if (!start(catalogIndex, targetPath, year)) {
        disconnect(connection);
        if (failure) *failure = QStringLiteral("otra descarga en curso");
        return false;
    }
    loop.exec();
    disconnect(connection);
    return ok;
}

void CatalogDownloader::request(const QUrl& url) {
    begun_ = false;
    announced_ = -1;
    received_ = 0;
    discarded_ = 0;
    QNetworkRequest req(url);
    req.setRawHeader("Accept", vagaris::kDownloadAccept);
    req.setRawHeader("User-Agent", vagaris::kDownloadUserAgent);
    // The body must arrive as stored, so that its length is the announced one and the file
    // holds the catalog's own bytes (Qt would otherwise ask for, and unpack, gzip).
    req.setRawHeader("Accept-Encoding", "identity");
    req.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    req.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                     QNetworkRequest::UserVerifiedRedirectPolicy);
    req.setMaximumRedirectsAllowed(5);
    reply_ = network_->get(req);
    // Qt reads no further ahead than this; the rest waits in the socket until the body read
    // so far is on the disk, so memory stays bounded however fast the server sends.
    reply_->setReadBufferSize(vagaris::kDownloadReadBufferBytes);
    // Silence is timed here, not by Qt's transfer timeout, so that a header that never ends
    // counts as silence too (Qt reports no progress before the header is complete).
    silence_->start(std::chrono::seconds(idleTimeoutSeconds_));
    const auto heard = [this] {
        if (silence_->isActive()) silence_->start();
    };
    connect(reply_, &QNetworkReply::downloadProgress, this, heard);
    connect(reply_, &QNetworkReply::metaDataChanged, this, &CatalogDownloader::onMetaData);
    connect(reply_, &QIODevice::readyRead, this, &CatalogDownloader::onReadyRead);
    connect(reply_, &QNetworkReply::redirected, this, &CatalogDownloader::onRedirected);
    connect(reply_, &QNetworkReply::finished, this, &CatalogDownloader::onFinished);
}

bool CatalogDownloader::isSuccessStatus() const {
    const int status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    return status >= 200 && status < 300;
}

void CatalogDownloader::onMetaData() {
    if (silence_->isActive()) silence_->start();
    if (begun_ || !isSuccessStatus() || !refused_.isEmpty()) return;
    begun_ = true;
    const QVariant length = reply_->header(QNetworkRequest::ContentLengthHeader);
    announced_ = length.isValid() ? length.toLongLong() : -1;
    if (announced_ > vagaris::kMaxDownloadBytes) {
        refuseAtBound(vagaris::kTooLargeReason, vagaris::kMaxDownloadBytes / (1024 * 1024));
        return;
    }
    emit workBegin(announced_);
}

void CatalogDownloader::onReadyRead() {
    const QByteArray bytes = reply_->readAll();
    if (bytes.isEmpty() || !refused_.isEmpty()) return;
    if (silence_->isActive()) silence_->start();
    // Bodies of error answers and redirects are not the catalog; an endless one is bounded
    // all the same.
    if (!isSuccessStatus()) {
        discarded_ += bytes.size();
        if (discarded_ > vagaris::kMaxDownloadBytes)
            refuseAtBound(vagaris::kTooLargeReason, vagaris::kMaxDownloadBytes / (1024 * 1024));
        return;
    }
    if (!begun_) onMetaData();
    if (!refused_.isEmpty()) return;
    if (received_ + bytes.size() > vagaris::kMaxDownloadBytes) {
        refuseAtBound(vagaris::kTooLargeReason, vagaris::kMaxDownloadBytes / (1024 * 1024));
        return;
    }
    try {
        file_->write(bytes.constData(), std::size_t(bytes.size()));
    } catch (const vagaris::EWriteError& e) {
        refused_ = DownloadFailure::Of(e.message());
        reply_->abort();
        return;
    }
    check_->feed(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    received_ += bytes.size();
    emit work(received_);
}

void CatalogDownloader::onRedirected(const QUrl& target) {
    if (silence_->isActive()) silence_->start();
    // Followed only when security is kept: the new address must be HTTPS too.
    if (reply_->url().scheme() == QLatin1String("https") &&
        target.scheme() == QLatin1String("https")) {
        emit reply_->redirectAllowed();
        return;
    }
    refused_ = {"redirección no seguida a %1", {target.toString()}};
    reply_->abort();
}

void CatalogDownloader::onFinished() {
    QNetworkReply* reply = reply_;
    reply->deleteLater();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool bright = vagaris::kCatalogs[std::size_t(catalogIndex_)].brightHost;
    if (status == 404 && bright && !triedPreviousYear_ && refused_.isEmpty()) {
        // This year's file is not published yet: take last year's. Nothing of the 404
        // answer went into the temporary file, which serves again.
        triedPreviousYear_ = true;
        const auto bases = vagaris::DownloadBasesFromEnvironment();
        request(QUrl(QString::fromStdString(vagaris::CatalogUrl(
            vagaris::kCatalogs[std::size_t(catalogIndex_)], bases, year_ - 1))));
        return;
    }
    DownloadFailure failure;
    if (!refused_.isEmpty())
        failure = refused_;
    else if (reply->error() != QNetworkReply::NoError || status < 200 || status >= 300)
        failure = networkFailure(status);
    else if (announced_ >= 0 && received_ != announced_)
        failure = {"cuerpo incompleto: %1 de %2 bytes",
                   {QString::number(received_), QString::number(announced_)}};
    else if (const auto problem = check_->problem())
        failure = DownloadFailure::Of(*problem);
    reply_ = nullptr;
    if (!failure.isEmpty()) {
        finish(false, failure);
        return;
    }
    try {
        file_->commit();
    } catch (const vagaris::EWriteError& e) {
        finish(false, DownloadFailure::Of(e.message()));
        return;
    }
    finish(true, {});
}

DownloadFailure CatalogDownloader::networkFailure(int status) const {
    // The reasons are catalogued in translations/Translations.cpp.
    switch (reply_->error()) {
        case QNetworkReply::OperationCanceledError:
            // Our own aborts, the timers' included, set refused_: this is Qt's own timeout.
        case QNetworkReply::TimeoutError:
            return {vagaris::kSilentReason, {QString::number(idleTimeoutSeconds_)}};
        case QNetworkReply::ConnectionRefusedError: return {"el servidor rechazó la conexión", {}};
        case QNetworkReply::RemoteHostClosedError:
            return {"el servidor cerró la conexión antes de terminar", {}};
        case QNetworkReply::HostNotFoundError:
            return {"no se encontró el servidor %1", {reply_->url().host()}};
        case QNetworkReply::SslHandshakeFailedError:
            return {"no se pudo establecer la conexión segura con el servidor", {}};
        case QNetworkReply::TemporaryNetworkFailureError:
        case QNetworkReply::NetworkSessionFailedError: return {"la red no está disponible", {}};
        case QNetworkReply::ProtocolFailure: return {"respuesta no válida del servidor", {}};
        default: break;
    }
    if (status == 404) return {"el servidor no tiene el archivo (HTTP 404)", {}};
    if (status == 403) return {"el servidor no permite descargarlo (HTTP 403)", {}};
    if (status != 0)
        return {"el servidor respondió con error (HTTP %1)", {QString::number(status)}};
    return {"error de red (código %1)", {QString::number(int(reply_->error()))}};
}

void CatalogDownloader::finish(bool ok, const DownloadFailure& failure) {
    // Without a commit the temporary file is removed and the catalog stays as it was.
    deadline_->stop();
    silence_->stop();
    file_.reset();
    check_.reset();
    busy_ = false;
    failure_ = failure;
    emit finished(ok, failure.text());
}
