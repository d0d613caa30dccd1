#pragma once

#include <QByteArray>
#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

class BackupTable;

// The rows a table holds when its restore begins, read in one pass and kept
// as their stored values in a compact form (a few hundred bytes a row), so
// that the restore can tell whether and in which columns an archived row
// differs without a query per row. They are read straight from SQLite, as
// stored, rather than through Qt's driver, which turns every text into a
// UTF-16 copy first.
class BackupLocalRows
{
public:
    // Reads every row of `table` in stored order. With a `groupColumn`, the
    // ids are also listed by that column's value (a transaction's split
    // lines). False on a database error, which error() then holds.
    bool load(const QSqlDatabase& db, const BackupTable& table, const QString& groupColumn = {});
    QString error() const { return m_error; }

    bool contains(const QString& id) const { return m_rows.contains(id); }
    // The stored value of one column (columns() order) of the row: null, a
    // qint64 or a QString. Null for an id the table does not hold.
    QVariant value(const QString& id, int column) const;
    // The columns, as bits by their index in columns() order, whose stored
    // value differs from the value `values` holds for them. A value differs
    // also in kind: 1 is not "1", and NULL is not "".
    quint64 differences(const QString& id, const QVariantList& values) const;

    // The ids whose group column holds `key`, in stored order.
    QStringList group(const QString& key) const { return m_groups.value(key); }
    // Forgets a row that was deleted (its group keeps listing it).
    void remove(const QString& id) { m_rows.remove(id); }

private:
    QHash<QString, QByteArray> m_rows;
    QHash<QString, QStringList> m_groups;
    QString m_error;
};
