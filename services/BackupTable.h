#pragma once

#include <QCoreApplication>
#include <QJsonObject>
#include <QList>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <optional>

// How the rows of one table travel in a backup: one JSON object per row,
// keyed by column name, holding the stored values (dates and UTC timestamps
// as ISO text, enumerations as their stored text, flags as JSON booleans,
// amounts and counts as JSON numbers, NULL as null). Reading a row back
// checks every value against its column, so nothing the archive says
// reaches the database unchecked.
class BackupTable
{
    Q_DECLARE_TR_FUNCTIONS(BackupTable)

public:
    virtual ~BackupTable() = default;

    // The six tables in restore order: every parent before its children.
    static const QList<const BackupTable*>& all();

    // The archive folder ("recurring") and the table ("recurring_transactions").
    QString folder() const { return m_folder; }
    QString table() const { return m_table; }
    // The table's columns in stored order.
    const QStringList& columns() const { return m_columns; }
    int indexOf(const QString& column) const { return m_columns.indexOf(column); }
    // The column holding the parent row's id and the parent's table, or two
    // empty texts for a table without a parent.
    QString parentColumn() const { return m_parentColumn; }
    QString parentTable() const { return m_parentTable; }
    // Whether the table carries the sync columns (version, sync status, server id).
    bool isSynced() const { return indexOf(QStringLiteral("sync_status")) >= 0; }

    // Reads every row with its columns in columns() order.
    QString selectStatement() const;

    // The row the query stands on, as selected by selectStatement().
    virtual QJsonObject toJson(const QSqlQuery& query) const = 0;

    // The stored values of a row from the archive, in columns() order; empty
    // when the row lacks a required column or holds a value its column
    // cannot take, with `problem` saying which (`entry` names the row there).
    virtual std::optional<QVariantList> fromJson(const QJsonObject& row, const QString& entry,
                                                 QString* problem) const = 0;

protected:
    BackupTable(const char* folder, const char* table, QStringList columns, const char* parentColumn,
                const char* parentTable);

private:
    QString m_folder;
    QString m_table;
    QStringList m_columns;
    QString m_parentColumn;
    QString m_parentTable;
};
