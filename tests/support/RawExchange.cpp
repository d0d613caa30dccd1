#include "tests/support/RawExchange.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QTest>

namespace {

constexpr qint64 kMaxAnswerBytes = 1024 * 1024;

} // namespace

QByteArray exchangeRaw(quint16 port, const QByteArray& request, bool* refused)
{
    QTcpSocket socket;
    QByteArray answer;
    const auto take = [&] { answer += socket.read(kMaxAnswerBytes - answer.size()); };
    QObject::connect(&socket, &QTcpSocket::connected, &socket, [&] { socket.write(request); });
    QObject::connect(&socket, &QTcpSocket::readyRead, &socket, take);
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!QTest::qWaitFor([&] { return socket.state() == QAbstractSocket::UnconnectedState; }, 5000))
        socket.abort();
    take();
    if (refused)
        *refused = socket.error() == QAbstractSocket::ConnectionRefusedError;
    return answer;
}
