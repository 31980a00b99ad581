#include "catalogs/download/CatalogDownloader.h"

#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include "catalogs/CatalogInfo.h"
#include "catalogs/CatalogPlausibility.h"
#include "catalogs/download/DownloadPlan.h"
#include "core/AtomicFile.h"

CatalogDownloader::CatalogDownloader(QObject* parent)
    : QObject(parent), network_(new QNetworkAccessManager(this)) {
    network_->setProxy(QNetworkProxy::NoProxy);
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
    refused_.clear();
    if (!openTarget(targetPath)) {
        // finished() must come after start() returns, as for a transfer.
        QTimer::singleShot(0, this, [this] { finish(false, refused_); });
        return true;
    }
    const auto bases = vagaris::DownloadBasesFromEnvironment();
    request(QUrl(QString::fromStdString(
        vagaris::CatalogUrl(vagaris::kCatalogs[std::size_t(catalogIndex)], bases, year))));
    return true;
}

bool CatalogDownloader::openTarget(const QString& targetPath) {
    target_ = targetPath;
    try {
        file_ = std::make_unique<vagaris::AtomicFile>(QFile::encodeName(targetPath).toStdString());
    } catch (const vagaris::EWriteError& e) {
        refused_ = QString::fromStdString(e.what());
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
    req.setTransferTimeout(idleTimeoutSeconds_ * 1000);
    reply_ = network_->get(req);
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
    if (begun_ || !isSuccessStatus()) return;
    begun_ = true;
    const QVariant length = reply_->header(QNetworkRequest::ContentLengthHeader);
    announced_ = length.isValid() ? length.toLongLong() : -1;
    emit workBegin(announced_);
}

void CatalogDownloader::onReadyRead() {
    const QByteArray bytes = reply_->readAll();
    // Bodies of error answers and redirects are not the catalog.
    if (bytes.isEmpty() || !isSuccessStatus() || !refused_.isEmpty()) return;
    if (!begun_) onMetaData();
    try {
        file_->write(bytes.constData(), std::size_t(bytes.size()));
    } catch (const vagaris::EWriteError& e) {
        refused_ = QString::fromStdString(e.what());
        reply_->abort();
        return;
    }
    check_->feed(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    received_ += bytes.size();
    emit work(received_);
}

void CatalogDownloader::onRedirected(const QUrl& target) {
    // Followed only when security is kept: the new address must be HTTPS too.
    if (reply_->url().scheme() == QLatin1String("https") &&
        target.scheme() == QLatin1String("https")) {
        emit reply_->redirectAllowed();
        return;
    }
    refused_ = QStringLiteral("redirección no seguida a ") + target.toString();
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
    QString failure;
    if (!refused_.isEmpty())
        failure = refused_;
    else if (reply->error() != QNetworkReply::NoError || status < 200 || status >= 300)
        failure = networkFailure(status);
    else if (announced_ >= 0 && received_ != announced_)
        failure =
            QStringLiteral("cuerpo incompleto: %1 de %2 bytes").arg(received_).arg(announced_);
    else
        failure = QString::fromStdString(check_->problem());
    reply_ = nullptr;
    if (!failure.isEmpty()) {
        finish(false, failure);
        return;
    }
    try {
        file_->commit();
    } catch (const vagaris::EWriteError& e) {
        finish(false, QString::fromStdString(e.what()));
        return;
    }
    finish(true, {});
}

QString CatalogDownloader::networkFailure(int status) const {
    switch (reply_->error()) {
        case QNetworkReply::OperationCanceledError:
            // Our own aborts set refused_; the only other canceller is the idle timer.
        case QNetworkReply::TimeoutError:
            return QStringLiteral("sin respuesta del servidor tras %1 s").arg(idleTimeoutSeconds_);
        case QNetworkReply::ConnectionRefusedError:
            return QStringLiteral("el servidor rechazó la conexión");
        case QNetworkReply::RemoteHostClosedError:
            return QStringLiteral("el servidor cerró la conexión antes de terminar");
        case QNetworkReply::HostNotFoundError:
            return QStringLiteral("no se encontró el servidor %1").arg(reply_->url().host());
        case QNetworkReply::SslHandshakeFailedError:
            return QStringLiteral("no se pudo establecer la conexión segura con el servidor");
        case QNetworkReply::TemporaryNetworkFailureError:
        case QNetworkReply::NetworkSessionFailedError:
            return QStringLiteral("la red no está disponible");
        case QNetworkReply::ProtocolFailure:
            return QStringLiteral("respuesta no válida del servidor");
        default: break;
    }
    if (status == 404) return QStringLiteral("el servidor no tiene el archivo (HTTP 404)");
    if (status == 403) return QStringLiteral("el servidor no permite descargarlo (HTTP 403)");
    if (status != 0) return QStringLiteral("el servidor respondió con error (HTTP %1)").arg(status);
    return QStringLiteral("error de red (código %1)").arg(int(reply_->error()));
}

void CatalogDownloader::finish(bool ok, const QString& failure) {
    // Without a commit the temporary file is removed and the catalog stays as it was.
    file_.reset();
    check_.reset();
    busy_ = false;
    emit finished(ok, failure);
}
