#include "app/MessageFilter.h"

#include <cstdio>

namespace {

void writeQuietly(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    const QString line = quietLogLine(type, message);
    if (line.isEmpty())
        return;
    const QByteArray bytes = line.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

} // namespace

QString quietLogLine(QtMsgType type, const QString& message)
{
    switch (type) {
    case QtDebugMsg:
    case QtInfoMsg:
        return QString();
    case QtWarningMsg:
        return QStringLiteral("WARN: ") + message + QLatin1Char('\n');
    case QtCriticalMsg:
    case QtFatalMsg:
        break;
    }
    return message + QLatin1Char('\n');
}

void installMessageFilter()
{
    if (qEnvironmentVariableIsEmpty("LEDGERINE_VERBOSE"))
        qInstallMessageHandler(writeQuietly);
}
