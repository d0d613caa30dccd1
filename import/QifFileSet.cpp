#include "import/QifFileSet.h"

#include "import/ImportFile.h"
#include "import/QifParser.h"

#include <QFileInfo>

QifFileSet::QifFileSet(const QStringList& paths, const std::function<void()>& afterEachFile)
{
    // Held as bytes, never as text whole: each file is decoded a piece at a
    // time, once for the date order of them all, then as it is parsed.
    QList<QByteArray> files;
    QStringList readPaths;
    for (const QString& path : paths) {
        QString failure;
        if (std::optional<QByteArray> bytes = ImportFile::readBytes(path, &failure)) {
            files.append(std::move(*bytes));
            readPaths.append(path);
        } else {
            m_failures.append(QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), failure));
        }
    }
    m_guessedOrder = guessQifDateOrder(files);
    const DateOrder order = m_guessedOrder.value_or(DateOrder::MonthFirst);
    for (qsizetype i = 0; i < files.size(); ++i) {
        m_files.append(File{readPaths[i], parseQif(QByteArrayView(std::exchange(files[i], {})), order)});
        if (afterEachFile)
            afterEachFile();
    }
}
