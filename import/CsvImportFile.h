#pragma once

#include "import/CsvColumnMapping.h"
#include "import/CsvSplitter.h"
#include "import/DateOrderVotes.h"

#include <QByteArray>

#include <functional>
#include <optional>

// The records of one CSV file for an import, split from its bytes as they
// are needed rather than held as rows: once to count them and decide the
// day/month order from the whole date column, once more to import them. A
// record longer than ImportFile::kMaxRecordChars comes without its fields.
//
// Each record counts once, except one that a quoted field left open to the
// end of the file: it counts once for each line with text that it took, as
// each of those lines is one the user may have meant as a row. The header
// row (when the mapping has one) counts for nothing.
class CsvImportFile
{
public:
    CsvImportFile(QByteArray bytes, const CsvColumnMapping& mapping);

    // The records after the header, as counted above.
    int total() const { return m_total; }
    // The order the numeric dates were read in; none when it changed none
    // of them (see DateOrderVotes).
    std::optional<DateOrder> guessedOrder() const { return m_votes.decided(); }
    DateOrder order() const { return m_votes.order(); }

    // Hands over the records after the header in file order, each with its
    // count in contentLines when it is one a quote left open. False when
    // `handle` stopped.
    bool forEachRecord(const std::function<bool(CsvRow&)>& handle) const;

    // How many of the file's lines the record stands for (see above).
    static qsizetype weightOf(const CsvRow& row) { return row.openQuoteLine > 0 ? row.contentLines : 1; }

private:
    QByteArray m_bytes;
    CsvColumnMapping m_mapping;
    DateOrderVotes m_votes;
    int m_total = 0;
};
