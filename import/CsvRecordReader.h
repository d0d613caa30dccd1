#pragma once

#include "import/CsvColumnMapping.h"
#include "import/DateFormat.h"
#include "import/ImportDate.h"
#include "storage/Enums.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The fields of a transaction as one CSV row gives them.
struct CsvRecord
{
    QDate date;
    QString payee;
    qint64 amount = 0;
    QString memo;
    QString category;
};

// Reads the rows of one CSV file by its column mapping. Dates are read by the
// mapping's format, else detected, the day/month order decided once from the
// file's whole date column so that every row is read alike. Amounts are read
// with readImportAmount in the target account's currency.
class CsvRecordReader
{
public:
    // `rows` from `firstDataRow` on are the records; their dates decide the order.
    CsvRecordReader(const CsvColumnMapping& mapping, Currency currency, const QList<QStringList>& rows,
                    qsizetype firstDataRow);

    // None when the row has no date, payee or amount field, or its date or
    // amount is unreadable: such a row is no transaction, never one of 0.
    std::optional<CsvRecord> read(const QStringList& row) const;

    DateOrder dateOrder() const { return m_order; }

private:
    QDate readDate(const QString& text) const;

    CsvColumnMapping m_mapping;
    Currency m_currency;
    std::optional<DateFormat> m_format;
    DateOrder m_order = DateOrder::MonthFirst;
};
