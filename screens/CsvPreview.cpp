#include "screens/CsvPreview.h"

#include "import/CsvParser.h"
#include "import/ImportFile.h"

namespace {

// Where the text's line `lines` ends (just past its line feed), or -1 when
// the text has fewer lines.
qsizetype endOfLine(const QString& text, qsizetype lines)
{
    qsizetype at = -1;
    for (qsizetype line = 0; line < lines; ++line) {
        at = text.indexOf(u'\n', at + 1);
        if (at < 0)
            return -1;
    }
    return at + 1;
}

} // namespace

CsvPreview::CsvPreview(const QString& text)
{
    // Only the start of a large file is parsed: enough lines for one row
    // more than shown, so the last one shown is known to be whole. A quoted
    // field may hold line breaks, so the cut moves on until it is.
    for (qsizetype lines = kMaxRows + 1;; lines *= 2) {
        const qsizetype cut = endOfLine(text, lines);
        m_rows = parseCsv(cut < 0 ? text : text.left(cut));
        if (m_rows.size() > kMaxRows || cut < 0)
            break;
    }
    m_cut = m_rows.size() > kMaxRows;
    if (m_cut)
        m_rows.resize(kMaxRows);
}

std::optional<CsvPreview> CsvPreview::read(const QString& path, QString* failure)
{
    const std::optional<QString> text = ImportFile::readText(path, failure);
    if (!text)
        return std::nullopt;
    CsvPreview preview(*text);
    if (preview.isEmpty()) {
        if (failure)
            *failure = tr("The file holds no rows to import.");
        return std::nullopt;
    }
    return preview;
}

QStringList CsvPreview::columnNames() const
{
    QStringList names;
    if (m_rows.isEmpty())
        return names;
    const QStringList& first = m_rows.first();
    for (qsizetype column = 0; column < first.size(); ++column)
        names << tr("Col %1: %2").arg(QString::number(column), first[column].left(kNameLength));
    return names;
}
