#include "import/CsvImportFile.h"

#include "import/CsvRecordReader.h"
#include "import/ImportFile.h"

CsvImportFile::CsvImportFile(QByteArray bytes, const CsvColumnMapping& mapping)
    : m_bytes(std::move(bytes))
    , m_mapping(mapping)
{
    qsizetype total = 0;
    forEachRecord([&](CsvRow& row) {
        total += weightOf(row);
        CsvRecordReader::voteOnDateOrder(m_mapping, row.fields, m_votes);
        return true;
    });
    m_total = int(qMin<qsizetype>(total, std::numeric_limits<int>::max()));
}

bool CsvImportFile::forEachRecord(const std::function<bool(CsvRow&)>& handle) const
{
    bool header = m_mapping.hasHeader;
    return CsvSplitter::split(m_bytes, ImportFile::kMaxRecordChars, [&](CsvRow& row) {
        if (!std::exchange(header, false))
            return handle(row);
        // A header whose quote never closed took the lines after it along.
        if (row.openQuoteLine == 0 || row.contentLines <= 1)
            return true;
        --row.contentLines;
        return handle(row);
    });
}
