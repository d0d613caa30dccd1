#pragma once

#include "storage/Database.h"
#include "storage/SplitLine.h"

#include <QList>
#include <QObject>

// The category shares of split transactions. Split lines change only with
// their transaction, whose own signal announces the change, so this
// repository emits nothing.
class SplitLineRepository : public QObject
{
    Q_OBJECT

public:
    explicit SplitLineRepository(Database* database, QObject* parent = nullptr);

    bool insert(const SplitLine& line);
    // In the order they were stored, which is the order they were entered.
    QList<SplitLine> listByTransaction(const QString& transactionId) const;
    bool deleteByTransaction(const QString& transactionId);

    enum class Balance {
        Whole,
        RemainderAdded,
        // The lines are so far from the amount that no line can hold the
        // difference; they are left as they are (logged).
        BeyondAnyAmount,
        // The lines could not be read or the line could not be written.
        Failed,
    };
    // A split is whole only when its lines add up to its amount, as the split
    // editor keeps them. Lines that came from outside the editor (a backup,
    // the sync service) and do not get one more, uncategorized, for the
    // difference, stamped with `stamp`.
    Balance balance(const QString& transactionId, qint64 amount, const QDateTime& stamp);

private:
    Database* m_database;
};
