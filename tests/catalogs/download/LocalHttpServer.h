#pragma once
// A tiny HTTP/1.1 server on 127.0.0.1 inside the test process, answering canned responses
// by path, so the download tests never touch the network. It runs on the test's event loop.
#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QPointer>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <vector>

struct CannedResponse {
    int status = 200;
    QByteArray body;
    enum class Length { Announced, None, Larger } length = Length::Announced;
    qint64 announced = 0;          // with Length::Larger: the size announced (more than sent)
    bool cutBeforeAnswer = false;  // the connection is dropped right after the request
    int splitAt = -1;              // send the body in two pieces, the second one later
    bool hold = false;             // answer only on releaseHeld()
    QByteArray location;           // Location header (redirects)
};

class LocalHttpServer {
public:
    struct Request {
        QByteArray path;
        QHash<QByteArray, QByteArray> headers;  // names in lower case
    };

    LocalHttpServer() {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) serve(socket);
        });
    }
    QString baseUrl() const {
        return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort());
    }
    void answer(const QByteArray& path, CannedResponse response) { responses_[path] = response; }
    void releaseHeld() {
        auto held = std::move(held_);
        held_.clear();
        for (auto& [socket, response] : held)
            if (socket) send(socket, response);
    }

    std::vector<Request> requests;

private:
    void serve(QTcpSocket* socket) {
        auto* buffer = new QByteArray;
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QObject::destroyed, [buffer] { delete buffer; });
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
            *buffer += socket->readAll();
            const int end = buffer->indexOf("\r\n\r\n");
            if (end < 0) return;
            const QList<QByteArray> lines = buffer->left(end).split('\n');
            buffer->clear();
            Request request;
            const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
            request.path = first.value(1);
            for (int k = 1; k < lines.size(); ++k) {
                const int colon = lines[k].indexOf(':');
                if (colon > 0)
                    request.headers[lines[k].left(colon).trimmed().toLower()] =
                        lines[k].mid(colon + 1).trimmed();
            }
            requests.push_back(request);
            CannedResponse response;
            if (responses_.contains(request.path))
                response = responses_[request.path];
            else
                response.status = 404, response.body = "not here";
            if (response.cutBeforeAnswer) {
                socket->abort();
                return;
            }
            if (response.hold) {
                held_.push_back({QPointer<QTcpSocket>(socket), response});
                return;
            }
            send(socket, response);
        });
    }

    static void send(QTcpSocket* socket, const CannedResponse& r) {
        QByteArray head = "HTTP/1.1 " + QByteArray::number(r.status) + " " +
                          (r.status < 300   ? "OK"
                           : r.status < 400 ? "Moved"
                                            : "Error") +
                          "\r\n";
        if (r.length == CannedResponse::Length::Announced)
            head += "Content-Length: " + QByteArray::number(r.body.size()) + "\r\n";
        else if (r.length == CannedResponse::Length::Larger)
            head += "Content-Length: " + QByteArray::number(r.announced) + "\r\n";
        if (!r.location.isEmpty()) head += "Location: " + r.location + "\r\n";
        head += "Content-Type: text/plain\r\nConnection: close\r\n\r\n";
        if (r.splitAt < 0) {
            socket->write(head + r.body);
            socket->disconnectFromHost();
            return;
        }
        socket->write(head + r.body.left(r.splitAt));
        socket->flush();
        QPointer<QTcpSocket> guard(socket);
        const QByteArray rest = r.body.mid(r.splitAt);
        QTimer::singleShot(150, socket, [guard, rest] {
            if (!guard) return;
            guard->write(rest);
            guard->disconnectFromHost();
        });
    }

    QTcpServer server_;
    QHash<QByteArray, CannedResponse> responses_;
    std::vector<std::pair<QPointer<QTcpSocket>, CannedResponse>> held_;
};

// Catalog-like content of `bytes` bytes: lines of 127 characters and CR LF.
inline QByteArray CatalogBody(int bytes, char fill = 'x') {
    QByteArray line(127, fill);
    line += "\r\n";
    QByteArray out;
    while (out.size() < bytes) out += line;
    return out.left(bytes);
}
