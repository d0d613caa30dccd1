#include "account/BoundedReply.h"

#include <QDebug>
#include <QNetworkReply>
#include <QTimer>

namespace TandAccount {

BoundedReply::BoundedReply(QNetworkReply* reply, qint64 maxBytes, int deadlineMs)
    : QObject(reply)
    , m_reply(reply)
    , m_maxBytes(maxBytes)
    , m_deadline(new QTimer(this))
{
    m_deadline->setSingleShot(true);
    connect(m_deadline, &QTimer::timeout, this, [this] { cutOff(Failure::DeadlinePassed); });
    connect(reply, &QNetworkReply::metaDataChanged, this, &BoundedReply::checkDeclaredLength);
    connect(reply, &QIODevice::readyRead, this, &BoundedReply::readAvailable);
    connect(reply, &QNetworkReply::finished, this, &BoundedReply::onReplyFinished);
    m_deadline->start(deadlineMs);
}

void BoundedReply::checkDeclaredLength()
{
    const QVariant declared = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (declared.isValid() && declared.toLongLong() > m_maxBytes)
        cutOff(Failure::TooLarge);
}

void BoundedReply::readAvailable()
{
    if (m_failure != Failure::None || !m_reply->isReadable())
        return;
    // One byte beyond the cap tells an answer that is too large from one
    // that fills the cap exactly.
    m_body += m_reply->read(m_maxBytes + 1 - m_body.size());
    if (m_body.size() > m_maxBytes)
        cutOff(Failure::TooLarge);
}

void BoundedReply::cutOff(Failure failure)
{
    if (m_failure != Failure::None || m_finished)
        return;
    m_failure = failure;
    m_body.clear();
    m_body.squeeze();
    // Only the host: paths and queries carry ids, codes and cursors.
    qWarning().noquote() << "Answer from" << m_reply->url().host()
                         << (failure == Failure::TooLarge ? "exceeded its size limit" : "passed its deadline")
                         << "and was cut off";
    m_reply->abort();
}

void BoundedReply::onReplyFinished()
{
    if (m_finished)
        return;
    readAvailable();
    m_finished = true;
    m_deadline->stop();
    emit finished();
}

} // namespace TandAccount
