#include "LocalHttpServer.h"

#include <QHostAddress>
#include <QPointer>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace {

QByteArray reasonOf(int status) {
    switch (status) {
        case 200:
            return "OK";
        case 302:
            return "Found";
        case 403:
            return "Forbidden";
        case 404:
            return "Not Found";
        default:
            return status >= 500 ? "Server Error" : "Status";
    }
}

}  // namespace

int HttpRequest::page() const {
    static const QRegularExpression pageNumber(QStringLiteral("(?:^|&)page(?:No)?=(\\d+)"));
    const QRegularExpressionMatch match = pageNumber.match(QString::fromLatin1(query));
    return match.hasMatch() ? match.captured(1).toInt() : 1;
}

LocalHttpServer::LocalHttpServer() : server_(new QTcpServer(this)) {
    server_->listen(QHostAddress::LocalHost);
    connect(server_, &QTcpServer::newConnection, this, &LocalHttpServer::accept);
}

LocalHttpServer::~LocalHttpServer() = default;

QString LocalHttpServer::url(const QByteArray& pathAndQuery) const {
    return QStringLiteral("http://127.0.0.1:%1%2")
        .arg(server_->serverPort())
        .arg(QString::fromLatin1(pathAndQuery));
}

int LocalHttpServer::requestsTo(const QByteArray& path) const {
    int count = 0;
    for (const HttpRequest& request : requests_)
        count += request.path == path ? 1 : 0;
    return count;
}

QString LocalHttpServer::closedPortUrl() {
    // A port just given up by a listener of our own: nothing listens there any more.
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("http://127.0.0.1:%1/draws?page={page}").arg(port);
}

void LocalHttpServer::accept() {
    while (QTcpSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void LocalHttpServer::readFrom(QTcpSocket* socket) {
    QByteArray read = socket->property("read").toByteArray() + socket->readAll();
    socket->setProperty("read", read);
    const qsizetype end = read.indexOf("\r\n\r\n");
    if (end < 0 || socket->property("answered").toBool())
        return;
    socket->setProperty("answered", true);
    const QList<QByteArray> lines = read.left(end).split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    const QByteArray target = requestLine.value(1);
    HttpRequest request;
    request.path = target.left(target.indexOf('?') < 0 ? target.size() : target.indexOf('?'));
    request.query = target.indexOf('?') < 0 ? QByteArray() : target.mid(target.indexOf('?') + 1);
    for (qsizetype at = 1; at < lines.size(); ++at) {
        const qsizetype colon = lines[at].indexOf(':');
        if (colon > 0)
            request.headers.insert(lines[at].left(colon).trimmed().toLower(),
                                   lines[at].mid(colon + 1).trimmed());
    }
    requests_.append(request);
    const auto route = routes_.constFind(request.path);
    const HttpReply reply =
        route == routes_.constEnd()
            ? HttpReply{.status = 404, .contentType = "text/html", .body = "<html>404</html>"}
            : (*route)(request);
    if (reply.delayMs <= 0) {
        answer(socket, reply);
        return;
    }
    QPointer<QTcpSocket> later(socket);
    QTimer::singleShot(reply.delayMs, this, [this, later, reply] {
        if (later && later->state() == QAbstractSocket::ConnectedState)
            answer(later, reply);
    });
}

void LocalHttpServer::answer(QTcpSocket* socket, const HttpReply& reply) {
    QByteArray head = "HTTP/1.1 " + QByteArray::number(reply.status) + ' ' +
                      reasonOf(reply.status) + "\r\nContent-Type: " + reply.contentType +
                      "\r\nContent-Length: " + QByteArray::number(reply.body.size()) +
                      "\r\nConnection: close\r\n";
    for (const auto& [name, value] : reply.headers)
        head += name + ": " + value + "\r\n";
    socket->write(head + "\r\n");
    socket->write(reply.cutOff ? reply.body.left(reply.body.size() / 2) : reply.body);
    socket->disconnectFromHost();
}
