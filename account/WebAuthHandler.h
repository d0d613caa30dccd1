#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QUrl>

class QTcpServer;
class QTcpSocket;
class QTimer;

namespace TandAccount {

// The one-shot listener the service's login page redirects the browser to
// after the user has signed in. It listens on the loopback addresses of both
// families on one port ("localhost" may resolve to either, and no other
// program may hold the one the browser picks), takes only "GET /callback",
// hands that address on once and stops. A callback naming another state
// than this sign-in's is answered and ignored, as is every other request;
// one naming no state is handed on for the application to confirm (a
// service need not echo the state). A request may take 8 KiB and 10 s, and
// the whole wait 5 minutes. At most 16 connections are open at once,
// counting those answered until their client closes them; stopping closes
// the unanswered ones, so nothing comes after the one callback.
class WebAuthHandler : public QObject
{
    Q_OBJECT

public:
    static constexpr quint16 kPreferredPort = 19876;
    static constexpr qsizetype kMaxRequestBytes = 8 * 1024;
    static constexpr int kConnectionTimeoutMs = 10 * 1000;
    static constexpr int kWaitTimeoutMs = 5 * 60 * 1000;
    static constexpr qsizetype kMaxConnections = 16;

    explicit WebAuthHandler(QObject* parent = nullptr);
    ~WebAuthHandler() override;

    // Starts listening (or, when it already listens, starts the wait anew)
    // and gives the redirect address; empty when no port could be opened.
    QString start();
    void stop();
    bool isListening() const;
    quint16 port() const { return m_port; }
    // "http://localhost:<port>/callback".
    QString redirectUri() const;
    // The state the login page is opened with; a callback that names
    // another one never counts.
    QString state() const { return m_state; }

    // For tests: another port to try first, and shorter limits.
    void setPreferredPort(quint16 port) { m_preferredPort = port; }
    void setConnectionTimeout(int milliseconds) { m_connectionTimeoutMs = milliseconds; }
    void setWaitTimeout(int milliseconds);

signals:
    // Once, with the address the browser asked for. The listener has stopped.
    void callbackReceived(const QUrl& url);
    // No callback came in time; the listener has stopped.
    void timedOut();

private:
    // Both families on one port; port 0 lets the system choose.
    bool listenOnBoth(quint16 port);
    void onNewConnection(QTcpServer* server);
    void onReadyRead(QTcpSocket* socket);
    void handleRequest(QTcpSocket* socket, const QByteArray& head);
    // Sends the answer and lets the connection close by itself, even if the
    // handler is deleted meanwhile.
    void answer(QTcpSocket* socket, const QByteArray& response);
    // Ends a connection without an answer.
    static void drop(QTcpSocket* socket);

    QTcpServer* m_ipv4;
    QTcpServer* m_ipv6;
    QTimer* m_waitTimer;
    // Unanswered connections and what they have sent so far.
    QHash<QTcpSocket*, QByteArray> m_requests;
    // Answered connections still open, kept until they close (10 s at most).
    QSet<QTcpSocket*> m_answered;
    QString m_state;
    quint16 m_port = 0;
    quint16 m_preferredPort = kPreferredPort;
    int m_connectionTimeoutMs = kConnectionTimeoutMs;
};

} // namespace TandAccount
