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
#include <functional>
#include <vector>

struct CannedResponse {
    int status = 200;
    QByteArray body;
    enum class Length { Announced, None, Larger } length = Length::Announced;
    qint64 announced = 0;          // with Length::Larger: the size announced (more than sent)
    bool cutBeforeAnswer = false;  // the connection is dropped right after the request
    int splitAt = -1;              // send the first splitAt bytes, the rest on releaseRest()
    bool stall = false;            // with splitAt: the rest never comes, even on releaseRest()
    bool hold = false;             // answer only on releaseHeld()
    QByteArray location;           // Location header (redirects)
    // A body that never ends, never with a length: `body` repeated as fast as the client takes
    // it (Plain, or Chunked in chunks of it), or one piece of it every 50 ms (Trickle).
    enum class Endless { No, Plain, Chunked, Trickle } endless = Endless::No;
    bool headerNeverEnds = false;  // after the status line, one more header line every 50 ms
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

    // Sends the rest of every split body held so far and closes those connections. Tests call
    // it once the client has reported the first piece, so the two pieces reach it apart
    // whatever the machine's load: no timer decides the order.
    void releaseRest() {
        auto rests = std::move(rests_);
        rests_.clear();
        for (auto& [socket, rest] : rests)
            if (socket) {
                socket->write(rest);
                socket->disconnectFromHost();
            }
    }
    // How many split bodies wait for releaseRest().
    std::size_t restsHeld() const { return rests_.size(); }

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

    void send(QTcpSocket* socket, const CannedResponse& r) {
        QByteArray head = "HTTP/1.1 " + QByteArray::number(r.status) + " " +
                          (r.status < 300   ? "OK"
                           : r.status < 400 ? "Moved"
                                            : "Error") +
                          "\r\n";
        if (r.length == CannedResponse::Length::Announced &&
            r.endless == CannedResponse::Endless::No)
            head += "Content-Length: " + QByteArray::number(r.body.size()) + "\r\n";
        else if (r.length == CannedResponse::Length::Larger)
            head += "Content-Length: " + QByteArray::number(r.announced) + "\r\n";
        if (!r.location.isEmpty()) head += "Location: " + r.location + "\r\n";
        if (r.headerNeverEnds) {
            socket->write(head);
            every50ms(socket, [socket] { socket->write("X-Filler: still coming\r\n"); });
            return;
        }
        if (r.endless == CannedResponse::Endless::Chunked) head += "Transfer-Encoding: chunked\r\n";
        head += "Content-Type: text/plain\r\nConnection: close\r\n\r\n";
        if (r.endless != CannedResponse::Endless::No) {
            socket->write(head);
            sendForEver(socket, r);
            return;
        }
        if (r.splitAt < 0) {
            socket->write(head + r.body);
            socket->disconnectFromHost();
            return;
        }
        socket->write(head + r.body.left(r.splitAt));
        socket->flush();
        if (r.stall) return;  // the connection stays open, silent
        rests_.push_back({QPointer<QTcpSocket>(socket), r.body.mid(r.splitAt)});
    }

    static void every50ms(QTcpSocket* socket, std::function<void()> piece) {
        auto* timer = new QTimer(socket);  // goes with the connection
        QObject::connect(timer, &QTimer::timeout, socket, piece);
        timer->start(50);
    }
    // Keeps about 1 MB queued on the socket, for as long as the client reads.
    static void sendForEver(QTcpSocket* socket, const CannedResponse& r) {
        QByteArray piece = r.body;
        if (r.endless == CannedResponse::Endless::Chunked)
            piece = QByteArray::number(r.body.size(), 16) + "\r\n" + r.body + "\r\n";
        if (r.endless == CannedResponse::Endless::Trickle) {
            every50ms(socket, [socket, piece] { socket->write(piece); });
            return;
        }
        QByteArray block;
        while (block.size() < 256 * 1024) block += piece;
        const auto refill = [socket, block] {
            while (socket->bytesToWrite() < 1024 * 1024) socket->write(block);
        };
        QObject::connect(socket, &QTcpSocket::bytesWritten, socket, refill);
        refill();
    }

    QTcpServer server_;
    QHash<QByteArray, CannedResponse> responses_;
    std::vector<std::pair<QPointer<QTcpSocket>, CannedResponse>> held_;
    std::vector<std::pair<QPointer<QTcpSocket>, QByteArray>> rests_;  // split bodies' second pieces
};

// A catalog of exactly `bytes` bytes (at least one line's worth): real lines of the layout
// of `kind` ('C' comets, 'A' minor planets) named after `fill`, each ended by CR LF, the
// last one padded with blanks to the size.
inline QByteArray CatalogBody(int bytes, char fill = 'x', char kind = 'C') {
    const QByteArray name = "Objeto " + QByteArray(8, fill) + QByteArray(25, ' ');
    const QByteArray elements =
        kind == 'C' ? QByteArray(
                          "       1997 03 29.0299  0.922046       0.994905 130.6979 "
                          "281.7618  89.7572   -2.0   4.0")
                    : QByteArray(
                          "       2025 11 21.0 231.5397  2.76562  0.079576  73.2997  "
                          "80.2496  10.5879  3.35   0.15");
    const QByteArray line = name + elements;
    const int lineBytes = int(line.size()) + 2;
    const int count = bytes / lineBytes > 0 ? bytes / lineBytes : 1;
    QByteArray out;
    for (int k = 0; k < count; ++k) {
        out += line;
        if (k == count - 1) out += QByteArray(bytes - count * lineBytes, ' ');
        out += "\r\n";
    }
    return out;
}
