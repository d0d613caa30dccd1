#pragma once

#include "import/ImportDate.h"
#include "import/QifParseResult.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The QIF files of one scan or one import, read and parsed together. Numeric
// dates are read in one order guessed over all of them: the files of one
// export share it, and a transfer's two sides keep one date.
class QifFileSet
{
public:
    struct File
    {
        QString path;
        QifParseResult parsed;
    };

    // Reads the files (see ImportFile::readBytes); `afterEachFile` runs after
    // each file that was parsed.
    explicit QifFileSet(const QStringList& paths, const std::function<void()>& afterEachFile = {});

    // The files that could be read, in the given order.
    const QList<File>& files() const { return m_files; }
    // One sentence for the user for each file that could not be read.
    const QStringList& failures() const { return m_failures; }
    // The order the files' numeric dates were read in; none when it changed
    // none of them (see DateOrderVotes).
    std::optional<DateOrder> guessedOrder() const { return m_guessedOrder; }

private:
    QList<File> m_files;
    QStringList m_failures;
    std::optional<DateOrder> m_guessedOrder;
};
