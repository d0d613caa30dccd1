#pragma once

#include <QByteArray>
#include <QObject>

class QNetworkReply;
class QTimer;

namespace TandAccount {

// Reads one network answer with a cap on its size and a deadline for the
// whole exchange. Qt's transfer timeout only measures silence, so a server
// that drips a byte now and then would hold a request open for ever, and
// QNetworkReply::readAll() takes whatever a server cares to send. Every
// client of a remote service reads its answers through this.
//
// Lives as a child of the reply; finished() comes exactly once, after the
// reply has finished or was aborted for passing a limit.
class BoundedReply : public QObject
{
    Q_OBJECT

public:
    enum class Failure { None, TooLarge, DeadlinePassed };

    static constexpr int kDefaultDeadlineMs = 60000;

    BoundedReply(QNetworkReply* reply, qint64 maxBytes, int deadlineMs = kDefaultDeadlineMs);

    QNetworkReply* reply() const { return m_reply; }
    // Why the reply was cut off; None when it ran its course (which may still
    // be a network error: see the reply).
    Failure failure() const { return m_failure; }
    bool withinLimits() const { return m_failure == Failure::None; }
    // The answer's body, whole; empty when a limit was passed.
    QByteArray body() const { return withinLimits() ? m_body : QByteArray(); }

Q_SIGNALS:
    void finished();

private:
    void readAvailable();
    void checkDeclaredLength();
    void cutOff(Failure failure);
    void onReplyFinished();

    QNetworkReply* m_reply;
    qint64 m_maxBytes;
    QTimer* m_deadline;
    QByteArray m_body;
    Failure m_failure = Failure::None;
    bool m_finished = false;
};

} // namespace TandAccount
