#include "storage/SplitLineRepository.h"

#include "storage/RecordSchema.h"
#include "storage/SqlStatement.h"
#include "storage/Timestamp.h"

SplitLineRepository::SplitLineRepository(Database* database, QObject* parent)
    : QObject(parent)
    , m_database(database)
{
}

bool SplitLineRepository::insert(const SplitLine& line)
{
    const QDateTime created = line.created_at.isValid() ? line.created_at : nowUtc();
    SqlStatement statement(m_database->connection(),
                           QStringLiteral("INSERT INTO split_lines (id, transaction_id, category_id, amount, memo, "
                                          "created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                           "SplitLineRepository::insert");
    return statement.bind(line.id)
        .bind(line.transaction_id)
        .bind(schema::link(line.category_id))
        .bind(line.amount)
        .bind(schema::text(line.memo))
        .bind(toIsoUtc(created))
        .bind(toIsoUtc(line.updated_at.isValid() ? line.updated_at : created))
        .exec();
}

QList<SplitLine> SplitLineRepository::listByTransaction(const QString& transactionId) const
{
    SqlStatement statement(m_database->connection(),
                           QStringLiteral("SELECT id, transaction_id, category_id, amount, memo, created_at, updated_at "
                                          "FROM split_lines WHERE transaction_id = ? ORDER BY rowid"),
                           "SplitLineRepository::listByTransaction");
    QList<SplitLine> lines;
    if (!statement.bind(transactionId).exec())
        return lines;
    while (statement.next())
        lines.append(schema::read<SplitLine>(statement.query()));
    // Some of the lines would be saved back as all of them.
    if (statement.failed())
        lines.clear();
    return lines;
}

bool SplitLineRepository::deleteByTransaction(const QString& transactionId)
{
    SqlStatement statement(m_database->connection(), QStringLiteral("DELETE FROM split_lines WHERE transaction_id = ?"),
                           "SplitLineRepository::deleteByTransaction");
    return statement.bind(transactionId).exec();
}
