#include "catalogs/download/CatalogDownloader.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QTimer>

#include "catalogs/CatalogInfo.h"
#include "catalogs/download/DownloadPlan.h"

namespace {

// A server that stops sending for this long ends the transfer with a failure.
constexpr int kIdleTimeoutMs = 60'000;

}  // namespace

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
    file_ = std::make_unique<QSaveFile>(targetPath);
    if (!file_->open(QIODevice::WriteOnly)) {
        const QString reason = file_->errorString();
        // finished() must come after start() returns, as for a transfer.
        QTimer::singleShot(0, this, [this, reason] { finish(false, reason); });
        return true;
    }
    const auto bases = vagaris::DownloadBasesFromEnvironment();
    request(QUrl(QString::fromStdString(
        vagaris::CatalogUrl(vagaris::kCatalogs[std::size_t(catalogIndex)], bases, year))));
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
    req.setTransferTimeout(kIdleTimeoutMs);
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
    if (file_->write(bytes) != bytes.size()) {
        refused_ = file_->errorString();
        reply_->abort();
        return;
    }
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
        // This year's file is not published yet: take last year's.
        triedPreviousYear_ = true;
        const QString target = file_->fileName();
        file_ = std::make_unique<QSaveFile>(target);
        if (!file_->open(QIODevice::WriteOnly)) {
            reply_ = nullptr;
            finish(false, file_->errorString());
            return;
        }
        const auto bases = vagaris::DownloadBasesFromEnvironment();
        request(QUrl(QString::fromStdString(vagaris::CatalogUrl(
            vagaris::kCatalogs[std::size_t(catalogIndex_)], bases, year_ - 1))));
        return;
    }
    QString failure;
    if (!refused_.isEmpty())
        failure = refused_;
    else if (reply->error() != QNetworkReply::NoError)
        failure = status ? QStringLiteral("HTTP %1: %2").arg(status).arg(reply->errorString())
                         : reply->errorString();
    else if (status < 200 || status >= 300)
        failure = QStringLiteral("HTTP %1").arg(status);
    else if (announced_ >= 0 && received_ != announced_)
        failure =
            QStringLiteral("cuerpo incompleto: %1 de %2 bytes").arg(received_).arg(announced_);
    reply_ = nullptr;
    if (!failure.isEmpty()) {
        finish(false, failure);
        return;
    }
    if (!file_->commit()) {
        finish(false, file_->errorString());
        return;
    }
    finish(true, {});
}

void CatalogDownloader::finish(bool ok, const QString& failure) {
    // Without a commit the temporary file is removed and the catalog stays as it was.
    file_.reset();
    busy_ = false;
    emit finished(ok, failure);
}
