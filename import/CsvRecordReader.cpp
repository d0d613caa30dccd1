#include "import/CsvRecordReader.h"

#include "import/DateOrderVotes.h"
#include "storage/Money.h"

namespace {

bool hasColumn(const QStringList& row, int column) { return column >= 0 && column < row.size(); }

} // namespace

CsvRecordReader::CsvRecordReader(const CsvColumnMapping& mapping, Currency currency, DateOrder order)
    : m_mapping(mapping)
    , m_currency(currency)
    , m_order(order)
{
    if (!mapping.dateFormat.isEmpty())
        m_format.emplace(mapping.dateFormat);
}

void CsvRecordReader::voteOnDateOrder(const CsvColumnMapping& mapping, const QStringList& row, DateOrderVotes& votes)
{
    if (!hasColumn(row, mapping.dateColumn))
        return;
    const QString& text = row[mapping.dateColumn];
    votes.add(readNumericDate(text, DateOrder::DayFirst), readNumericDate(text, DateOrder::MonthFirst));
}

std::optional<CsvRecord> CsvRecordReader::read(const QStringList& row, CsvRowFault* fault) const
{
    const auto fail = [fault](CsvRowFault why) {
        if (fault)
            *fault = why;
        return std::nullopt;
    };
    if (!hasColumn(row, m_mapping.dateColumn) || !hasColumn(row, m_mapping.payeeColumn)
        || !hasColumn(row, m_mapping.amountColumn))
        return fail(CsvRowFault::MissingField);
    CsvRecord record;
    record.date = readDate(row[m_mapping.dateColumn]);
    if (!record.date.isValid())
        return fail(CsvRowFault::Date);
    bool beyondDecimals = false;
    const std::optional<qint64> amount = readImportAmount(row[m_mapping.amountColumn], m_currency, &beyondDecimals);
    if (!amount)
        return fail(beyondDecimals ? CsvRowFault::AmountDecimals : CsvRowFault::Amount);
    record.amount = *amount;
    record.payee = row[m_mapping.payeeColumn];
    if (hasColumn(row, m_mapping.memoColumn))
        record.memo = row[m_mapping.memoColumn];
    if (hasColumn(row, m_mapping.categoryColumn))
        record.category = row[m_mapping.categoryColumn];
    return record;
}

QDate CsvRecordReader::readDate(const QString& text) const
{
    if (m_format)
        return withinImportYears(m_format->read(text));
    return readDateAuto(text, m_order);
}
