#pragma once

#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QUrl>
#include <QUrlQuery>

#include <functional>

class QTcpServer;
class QTcpSocket;

// One request as the server read it, kept for tests to inspect.
struct RecordedRequest
{
    QByteArray method;
    QString path;
    // The request target as it came, percent-encoding and all.
    QByteArray target;
    QUrlQuery query;
    bool hasQuery = false;
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;

    // Header names compare case-insensitively, as in HTTP.
    bool hasHeader(const QByteArray& name) const;
    QByteArray header(const QByteArray& name) const;
    QJsonObject json() const;
};

// What the server sends back. `noAnswer` holds the connection open without
// a byte, for timeout tests; `delayMs` holds the answer back that long;
// `dripIntervalMs` sends the body one byte at a time with that pause between;
// `undeclaredLength` sends no Content-Length and ends the body by closing
// the connection.
struct FakeResponse
{
    int status = 200;
    QByteArray body;
    QByteArray contentType = QByteArrayLiteral("application/json");
    // Sent as given, after the content type.
    QList<QPair<QByteArray, QByteArray>> headers;
    int delayMs = 0;
    bool noAnswer = false;
    int dripIntervalMs = 0;
    bool undeclaredLength = false;

    static FakeResponse json(int status, const QJsonObject& body);
    static FakeResponse raw(int status, const QByteArray& body, const QByteArray& contentType = "text/plain");
    static FakeResponse empty(int status);
    static FakeResponse silence();
};

// An HTTP/1.1 server for tests, bound to 127.0.0.1 on a free port. Routes are
// answered by handlers; a test can impose an answer on a route for the next
// request or for all of them. Unknown routes get 404.
class FakeHttpServer : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<FakeResponse(const RecordedRequest&)>;

    explicit FakeHttpServer(QObject* parent = nullptr);
    ~FakeHttpServer() override;

    bool listen();
    quint16 port() const;
    // "http://127.0.0.1:<port>", without a trailing slash.
    QUrl baseUrl() const;

    void route(const QByteArray& method, const QString& path, Handler handler);
    // Answers every path below `prefix` (ids in the path, say) that has no
    // route of its own; the longest matching prefix wins.
    void routePrefix(const QByteArray& method, const QString& prefix, Handler handler);
    // Imposed answers take precedence over the handler: queued ones are used
    // one per request in order, then a standing one, then the handler.
    void respondOnce(const QByteArray& method, const QString& path, const FakeResponse& response);
    void respondAlways(const QByteArray& method, const QString& path, const FakeResponse& response);
    // Holds back every answer of a route, the handler's included.
    void delayRoute(const QByteArray& method, const QString& path, int delayMs);

    QList<RecordedRequest> requests() const { return m_log; }
    QList<RecordedRequest> requestsTo(const QByteArray& method, const QString& path) const;
    void clearLog() { m_log.clear(); }

signals:
    // Emitted after a request is logged and before it is answered, so a test
    // can act while the client waits.
    void requestReceived(const RecordedRequest& request);

private:
    using RouteKey = QPair<QByteArray, QString>;

    void onNewConnection();
    void onReadyRead(QTcpSocket* socket);
    // Takes one complete request off the front of the buffer, if there is one.
    bool takeRequest(QByteArray& buffer, RecordedRequest& request);
    FakeResponse answerFor(const RecordedRequest& request);
    const Handler* prefixHandlerFor(const RecordedRequest& request) const;
    void send(QTcpSocket* socket, const FakeResponse& response);
    void drip(QTcpSocket* socket, const QByteArray& body, int intervalMs);

    QTcpServer* m_server;
    QHash<QTcpSocket*, QByteArray> m_buffers;
    QHash<RouteKey, Handler> m_handlers;
    QHash<RouteKey, Handler> m_prefixHandlers;
    QHash<RouteKey, QList<FakeResponse>> m_queued;
    QHash<RouteKey, FakeResponse> m_standing;
    QHash<RouteKey, int> m_delays;
    QList<RecordedRequest> m_log;
};
