#include "screens/CsvPreview.h"

#include "import/CsvSplitter.h"
#include "import/ImportFile.h"

CsvPreview::CsvPreview(QByteArrayView bytes)
{
    bool columnsKnown = false;
    // One row more than shown tells whether the file has more.
    CsvSplitter::split(bytes, ImportFile::kMaxRecordChars, [&](CsvRow& row) {
        if (m_rows.size() == kMaxRows) {
            m_cut = true;
            return false;
        }
        const bool moreColumns = row.fields.size() > kMaxColumns;
        if (moreColumns)
            row.fields.resize(kMaxColumns);
        for (QString& field : row.fields) {
            // A copy of the start, so that the rest's memory goes now.
            if (field.size() > kMaxFieldChars)
                field = field.first(kMaxFieldChars);
        }
        if (!columnsKnown && !row.tooLong) {
            columnsKnown = true;
            m_moreColumns = moreColumns;
            m_columnRow = row.fields;
        }
        m_rows.append(std::move(row.fields));
        m_lines.append(row.line);
        return true;
    });
}

std::optional<CsvPreview> CsvPreview::read(const QString& path, QString* failure)
{
    const std::optional<QByteArray> bytes = ImportFile::readBytes(path, failure);
    if (!bytes)
        return std::nullopt;
    CsvPreview preview(*bytes);
    if (preview.columnCount() == 0) {
        if (failure)
            *failure = tr("The file holds no rows to import.");
        return std::nullopt;
    }
    return preview;
}

QStringList CsvPreview::columnNames() const
{
    QStringList names;
    for (qsizetype column = 0; column < m_columnRow.size(); ++column)
        names << tr("Col %1: %2").arg(QString::number(column), m_columnRow[column].left(kNameLength));
    return names;
}
