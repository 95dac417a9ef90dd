#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPair>
#include <QString>
#include <functional>

class QTcpServer;
class QTcpSocket;

// A request as the local server read it.
struct HttpRequest {
    QByteArray path;                       // without the query
    QByteArray query;                      // after "?"
    QMap<QByteArray, QByteArray> headers;  // names in lower case

    QByteArray header(const char* name) const { return headers.value(QByteArray(name)); }
    // The number after "pageNo=" or "page=" in the query; 1 without one.
    int page() const;
};

// What the local server answers.
struct HttpReply {
    int status = 200;
    QByteArray contentType = "application/json;charset=UTF-8";
    QByteArray body;
    QList<QPair<QByteArray, QByteArray>> headers{};  // "Set-Cookie", "Location", ...
    int delayMs = 0;                                 // the answer comes this late
    bool cutOff = false;  // the connection closes half way through the body
};

// An HTTP server on 127.0.0.1 that plays a draw source from recorded bodies: a handler per path
// decides each answer. One request per connection, as the program's client is told by
// "Connection: close". Tests never reach past the loopback address.
class LocalHttpServer : public QObject {
  public:
    using Handler = std::function<HttpReply(const HttpRequest&)>;

    LocalHttpServer();
    ~LocalHttpServer() override;

    void route(const QByteArray& path, Handler handler) { routes_[path] = std::move(handler); }
    QString url(const QByteArray& pathAndQuery) const;
    const QList<HttpRequest>& requests() const { return requests_; }
    int requestsTo(const QByteArray& path) const;

    // A URL on a local port where nothing listens: a source that cannot be reached.
    static QString closedPortUrl();

  private:
    void accept();
    void readFrom(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const HttpReply& reply);

    QTcpServer* server_ = nullptr;
    QMap<QByteArray, Handler> routes_;
    QList<HttpRequest> requests_;
};
