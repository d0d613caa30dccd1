#pragma once

#include "import/CsvColumnMapping.h"
#include "import/DateFormat.h"
#include "import/ImportDate.h"
#include "storage/Enums.h"

#include <QDate>
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

// Why a row is no transaction.
enum class CsvRowFault {
    // No field at the date, payee or amount column.
    MissingField,
    Date,
    Amount,
    // The amount has more decimals than the currency (see readImportAmount).
    AmountDecimals,
};

class DateOrderVotes;

// Reads the rows of one CSV file by its column mapping. Dates are read by the
// mapping's format when it gives one, and only by it: the user chose it for
// this file, and a date it does not read is a row the user should hear of,
// not one read otherwise without a word. Without a format they are detected,
// numeric ones in the day/month order decided once from the file's whole date
// column (see voteOnDateOrder), so that every row is read alike. Amounts are
// read with readImportAmount in the target account's currency.
class CsvRecordReader
{
public:
    CsvRecordReader(const CsvColumnMapping& mapping, Currency currency, DateOrder order);

    // Counts the date of the row, if it has one, towards the file's order.
    static void voteOnDateOrder(const CsvColumnMapping& mapping, const QStringList& row, DateOrderVotes& votes);

    // None when the row has no date, payee or amount field, or its date or
    // amount is unreadable: such a row is no transaction, never one of 0.
    // `fault`, when given, tells why.
    std::optional<CsvRecord> read(const QStringList& row, CsvRowFault* fault = nullptr) const;

private:
    QDate readDate(const QString& text) const;

    CsvColumnMapping m_mapping;
    Currency m_currency;
    std::optional<DateFormat> m_format;
    DateOrder m_order = DateOrder::MonthFirst;
};
