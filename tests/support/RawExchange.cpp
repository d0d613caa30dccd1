#include "tests/support/RawExchange.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QTest>

namespace {

constexpr qint64 kMaxAnswerBytes = 1024 * 1024;
constexpr int kWaitMs = 5000;

} // namespace

QByteArray exchangeRaw(quint16 port, const QByteArray& request, bool* refused)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    const auto settled = [&] {
        return socket.state() == QAbstractSocket::ConnectedState || socket.state() == QAbstractSocket::UnconnectedState;
    };
    // A socket still connecting after the wait is written nothing and ends
    // with no answer, which the caller sees.
    (void)QTest::qWaitFor(settled, kWaitMs);
    const QByteArray answer = exchangeOn(socket, request);
    if (refused)
        *refused = socket.error() == QAbstractSocket::ConnectionRefusedError;
    return answer;
}

QByteArray exchangeOn(QTcpSocket& socket, const QByteArray& request)
{
    QByteArray answer;
    const auto take = [&] { answer += socket.read(kMaxAnswerBytes - answer.size()); };
    const QMetaObject::Connection reading = QObject::connect(&socket, &QTcpSocket::readyRead, &socket, take);
    if (socket.state() == QAbstractSocket::ConnectedState)
        socket.write(request);
    if (!QTest::qWaitFor([&] { return socket.state() == QAbstractSocket::UnconnectedState; }, kWaitMs))
        socket.abort();
    QObject::disconnect(reading);
    take();
    return answer;
}
