#pragma once

#include "storage/Enums.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// One report as a table: texts, amounts each in its row's currency, counts
// and dates, and bold totals rows where the report has them. Cells keep
// their values and are written out only when shown, so a report of a whole
// ledger costs no more than its rows, and rows can arrive in batches. Rows
// in several currencies can have a first column that names each one's.
class ReportTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum class Format { Text, Money, Count, Date, CurrencyCode };
    struct Column
    {
        QString header;
        Format format = Format::Text;
    };
    struct Row
    {
        // By column format: QString, qint64 minor units, int, QDate. A text
        // cell in another kind of column (a totals row's caption) shows as
        // it is. The currency column has no cell: it shows `currency`.
        QVariantList cells;
        Currency currency = Currency::USD;
        bool total = false;
    };

    explicit ReportTableModel(QList<Column> columns, QObject* parent = nullptr);

    // The columns shown, the currency column included.
    const QList<Column>& columns() const { return m_columns; }
    // With `currencyColumn`, a first column names each row's currency.
    void setRows(QList<Row> rows, bool currencyColumn = false);
    void appendRows(QList<Row> rows);
    void clear() { setRows({}); }
    bool hasCurrencyColumn() const { return m_columns.size() > m_baseColumns.size(); }
    bool hasTotalsRow() const { return !m_rows.isEmpty() && m_rows.constLast().total; }

    // What a cell shows.
    QString text(int row, int column) const;
    QStringList headers() const;
    // Every row as shown, totals included: what an export writes.
    QList<QStringList> texts() const;
    // Repaints the amounts in the colours of the current palette.
    void refreshColors();
    // Greys every cell out while the rows no longer match what was asked for.
    void setOutdated(bool outdated);
    bool isOutdated() const { return m_outdated; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    // The value behind a shown cell.
    QVariant cell(int row, int column) const;

    QList<Column> m_baseColumns;
    QList<Column> m_columns;
    QList<Row> m_rows;
    bool m_outdated = false;
};
