#include "tests/support/TestDataDir.h"

#include <QFile>
#include <QtGlobal>

TestDataDir::TestDataDir()
    : m_previous(qgetenv("LEDGERINE_DATA_DIR"))
    , m_hadPrevious(qEnvironmentVariableIsSet("LEDGERINE_DATA_DIR"))
{
    // An empty LEDGERINE_DATA_DIR means "the default", which is the user's
    // real data: a test without its own folder must not run at all.
    if (!m_dir.isValid())
        qFatal("Cannot create a temporary data directory: %s", qPrintable(m_dir.errorString()));
    qputenv("LEDGERINE_DATA_DIR", m_dir.path().toUtf8());
}

TestDataDir::~TestDataDir()
{
    if (m_hadPrevious)
        qputenv("LEDGERINE_DATA_DIR", m_previous);
    else
        qunsetenv("LEDGERINE_DATA_DIR");
}

QString TestDataDir::writeFile(const QString& name, const QByteArray& bytes) const
{
    const QString path = filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("Cannot write %s: %s", qPrintable(path), qPrintable(file.errorString()));
    return path;
}
