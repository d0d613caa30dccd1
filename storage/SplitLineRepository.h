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

private:
    Database* m_database;
};
