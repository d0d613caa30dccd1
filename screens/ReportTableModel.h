#pragma once

#include "storage/Enums.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// One report as a table: texts, amounts each in its row's currency, counts
// and dates, and a bold totals row where the report has one. Cells keep
// their values and are written out only when shown, so a report of a whole
// ledger costs no more than its rows, and rows can arrive in batches.
class ReportTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum class Format { Text, Money, Count, Date };
    struct Column
    {
        QString header;
        Format format = Format::Text;
    };
    struct Row
    {
        // By column format: QString, qint64 minor units, int, QDate. A text
        // cell in another kind of column (a totals row's caption) shows as
        // it is.
        QVariantList cells;
        Currency currency = Currency::USD;
        bool total = false;
    };

    explicit ReportTableModel(QList<Column> columns, QObject* parent = nullptr);

    const QList<Column>& columns() const { return m_columns; }
    void setRows(QList<Row> rows);
    void appendRows(QList<Row> rows);
    void clear() { setRows({}); }
    bool hasTotalsRow() const { return !m_rows.isEmpty() && m_rows.constLast().total; }

    // What a cell shows.
    QString text(int row, int column) const;
    QStringList headers() const;
    // Every row as shown, totals included: what an export writes.
    QList<QStringList> texts() const;
    // Repaints the amounts in the colours of the current palette.
    void refreshColors();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<Column> m_columns;
    QList<Row> m_rows;
};
