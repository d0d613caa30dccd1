#include "import/QifFileSet.h"

#include "import/ImportFile.h"
#include "import/QifParser.h"

#include <QFileInfo>

QifFileSet::QifFileSet(const QStringList& paths, const std::function<void()>& afterEachFile)
{
    QStringList texts;
    QStringList readPaths;
    for (const QString& path : paths) {
        QString failure;
        if (std::optional<QString> text = ImportFile::readText(path, &failure)) {
            texts.append(std::move(*text));
            readPaths.append(path);
        } else {
            m_failures.append(QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), failure));
        }
    }
    m_guessedOrder = guessQifDateOrder(texts);
    const DateOrder order = m_guessedOrder.value_or(DateOrder::MonthFirst);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        m_files.append(File{readPaths[i], parseQif(std::exchange(texts[i], {}), order)});
        if (afterEachFile)
            afterEachFile();
    }
}
