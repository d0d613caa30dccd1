#include "import/CsvParser.h"

namespace {

constexpr QChar kQuote = u'"';
// DOS-era programs end a text file with Ctrl-Z; it is no data.
constexpr QChar kEndOfFile = QChar(0x1A);

// The text without a final Ctrl-Z (blanks and line breaks around it included).
QStringView withoutEndOfFileMark(const QString& text)
{
    QStringView view(text);
    QStringView trimmed = view;
    while (!trimmed.isEmpty() && trimmed.back().isSpace())
        trimmed.chop(1);
    if (!trimmed.endsWith(kEndOfFile))
        return view;
    while (trimmed.endsWith(kEndOfFile))
        trimmed.chop(1);
    return trimmed;
}

class CsvSplitter
{
public:
    QList<QStringList> split(QStringView text)
    {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            if (m_quoted) {
                if (c != kQuote)
                    m_field.append(c);
                else if (i + 1 < text.size() && text[i + 1] == kQuote)
                    m_field.append(text[++i]);
                else
                    m_quoted = false;
                continue;
            }
            if (c == kQuote && !m_fieldStarted) {
                m_quoted = true;
                m_fieldStarted = true;
            } else if (c == u',') {
                endField();
            } else if (c == u'\n') {
                endRow();
            } else if (c != u'\r') {
                m_field.append(c);
                m_fieldStarted = m_fieldStarted || !c.isSpace();
            }
        }
        if (!m_field.isEmpty() || !m_row.isEmpty())
            endRow();
        return std::move(m_rows);
    }

private:
    void endField()
    {
        m_row.append(m_field.trimmed());
        m_field.clear();
        m_fieldStarted = false;
    }

    void endRow()
    {
        endField();
        const bool blank = m_row.size() == 1 && m_row.first().isEmpty();
        if (!blank)
            m_rows.append(m_row);
        m_row.clear();
    }

    QList<QStringList> m_rows;
    QStringList m_row;
    QString m_field;
    bool m_quoted = false;
    // The field holds text or a quoted part already; a quote now is text.
    bool m_fieldStarted = false;
};

} // namespace

QList<QStringList> parseCsv(const QString& text)
{
    return CsvSplitter().split(withoutEndOfFileMark(text));
}
