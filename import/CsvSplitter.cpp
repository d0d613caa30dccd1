#include "import/CsvSplitter.h"

#include "import/ImportTextDecoder.h"

#include <algorithm>

namespace {

constexpr QChar kQuote = u'"';
constexpr QChar kComma = u',';
constexpr QChar kLineFeed = u'\n';
constexpr QChar kCarriageReturn = u'\r';
// DOS-era programs end a text file with Ctrl-Z; it is no data.
constexpr QChar kEndOfFile = QChar(0x1A);

bool endsRun(QChar c)
{
    return c == kQuote || c == kComma || c == kLineFeed || c == kCarriageReturn || c == kEndOfFile;
}

bool endsQuotedRun(QChar c) { return c == kQuote || c == kLineFeed || c == kCarriageReturn; }

bool hasText(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return !c.isSpace(); });
}

} // namespace

CsvSplitter::CsvSplitter(RecordHandler handler, qsizetype maxRecordChars)
    : m_handler(std::move(handler))
    , m_maxRecordChars(maxRecordChars)
{
}

bool CsvSplitter::split(QByteArrayView bytes, qsizetype maxRecordChars, const RecordHandler& handler)
{
    CsvSplitter splitter(handler, maxRecordChars);
    ImportTextDecoder decoder(bytes);
    QString piece;
    while (decoder.next(piece)) {
        if (!splitter.feed(piece))
            return false;
    }
    return splitter.finish();
}

bool CsvSplitter::feed(QStringView text)
{
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size && !m_stopped;) {
        const QChar c = text[i];
        if (!m_endMark.isEmpty()) {
            if (c == kEndOfFile || c.isSpace()) {
                m_endMark.append(c);
                ++i;
                continue;
            }
            // Text after it: the Ctrl-Z was text too.
            for (const QChar marked : std::exchange(m_endMark, {}))
                take(marked, true);
            continue;
        }
        // Runs of plain text go in whole.
        qsizetype end = i;
        if (m_quoted && !m_quotePending) {
            while (end < size && !endsQuotedRun(text[end]))
                ++end;
        } else if (!m_quoted) {
            while (end < size && !endsRun(text[end]))
                ++end;
        }
        if (end > i) {
            const QStringView run = text.sliced(i, end - i);
            m_afterCr = false;
            noteText(run);
            if (!m_quoted && !m_fieldStarted)
                m_fieldStarted = hasText(run);
            appendText(run);
            i = end;
            continue;
        }
        take(c, false);
        ++i;
    }
    return !m_stopped;
}

bool CsvSplitter::finish()
{
    m_endMark.clear();
    if (m_quotePending) {
        m_quotePending = false;
        m_quoted = false;
    }
    if (m_stopped)
        return false;
    if (m_quoted) {
        if (m_recordContentLines > 0)
            emitRecord(false);
    } else if (!m_field.isEmpty() || !m_row.isEmpty() || m_tooLong) {
        emitRecord(true);
    }
    return !m_stopped;
}

void CsvSplitter::take(QChar c, bool endMarkIsText)
{
    if (!m_quoted) {
        takeUnquoted(c, endMarkIsText);
        return;
    }
    if (m_quotePending) {
        m_quotePending = false;
        if (c == kQuote) {
            appendText(QStringView(&kQuote, 1));
            return;
        }
        m_quoted = false;
        takeUnquoted(c, endMarkIsText);
        return;
    }
    if (c == kQuote) {
        m_afterCr = false;
        m_quotePending = true;
        return;
    }
    // Line breaks inside quotes are the field's text, but lines of the file all the same.
    if (c == kCarriageReturn || (c == kLineFeed && !m_afterCr))
        newLine();
    m_afterCr = c == kCarriageReturn;
    if (c != kLineFeed && c != kCarriageReturn)
        noteText(QStringView(&c, 1));
    appendText(QStringView(&c, 1));
}

void CsvSplitter::takeUnquoted(QChar c, bool endMarkIsText)
{
    if (c == kLineFeed && m_afterCr) {
        m_afterCr = false;
        return;
    }
    m_afterCr = c == kCarriageReturn;
    if (c == kLineFeed || c == kCarriageReturn) {
        endLine();
        return;
    }
    if (c == kEndOfFile && !endMarkIsText) {
        m_endMark.append(c);
        return;
    }
    noteText(QStringView(&c, 1));
    if (c == kQuote && !m_fieldStarted) {
        m_quoted = true;
        m_fieldStarted = true;
        m_quoteLine = m_line;
        countChars(1);
    } else if (c == kComma) {
        countChars(1);
        endField();
    } else {
        m_fieldStarted = m_fieldStarted || !c.isSpace();
        appendText(QStringView(&c, 1));
    }
}

void CsvSplitter::appendText(QStringView text)
{
    countChars(text.size());
    if (!m_tooLong)
        m_field.append(text);
}

void CsvSplitter::countChars(qsizetype chars)
{
    m_recordChars += chars;
    if (m_maxRecordChars != kNoLimit && m_recordChars > m_maxRecordChars && !m_tooLong) {
        m_tooLong = true;
        m_row.clear();
        m_field.clear();
    }
}

void CsvSplitter::noteText(QStringView text)
{
    if (!m_lineHasText && hasText(text)) {
        m_lineHasText = true;
        ++m_recordContentLines;
    }
}

void CsvSplitter::newLine()
{
    ++m_line;
    m_lineHasText = false;
}

void CsvSplitter::endField()
{
    if (!m_tooLong)
        m_row.append(m_field.trimmed());
    m_field.clear();
    m_fieldStarted = false;
}

void CsvSplitter::endLine()
{
    emitRecord(true);
    newLine();
    m_recordLine = m_line;
}

void CsvSplitter::emitRecord(bool blankTest)
{
    endField();
    const bool blank = !m_tooLong && m_row.size() == 1 && m_row.first().isEmpty();
    if (!blankTest || !blank) {
        CsvRow row;
        row.fields = std::exchange(m_row, {});
        row.line = m_recordLine;
        row.contentLines = m_recordContentLines;
        row.openQuoteLine = m_quoted ? m_quoteLine : 0;
        row.tooLong = m_tooLong;
        m_stopped = !m_handler(row);
    }
    m_row.clear();
    m_recordContentLines = 0;
    m_recordChars = 0;
    m_tooLong = false;
    m_quoted = false;
}
