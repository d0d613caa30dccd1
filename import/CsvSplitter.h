#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

// One record of a CSV file as the splitter found it.
struct CsvRow
{
    QStringList fields;
    // The line of the file the record starts on, counting from 1.
    qsizetype line = 0;
    // How many lines of the file with text on them the record takes: more
    // than one when a quoted field holds line breaks.
    qsizetype contentLines = 0;
    // Not 0: a quoted field opened on this line was never closed, so the
    // record took every line from its start to the end of the file.
    qsizetype openQuoteLine = 0;
    // Longer than the splitter's limit; fields is then empty.
    bool tooLong = false;
};

// Splits CSV text into records, a piece of text at a time, so that a file is
// never held as a whole list of rows. Fields are separated by commas and
// trimmed; records keep as many fields as their line has. A double quote at
// the start of a field (blanks before it aside) quotes it, so that it may
// hold commas and line breaks, with "" for a quote inside; anywhere else a
// quote is text ("12" pizza"). LF, CR LF and a CR alone (as old Macintosh
// programs write) each end a line. Blank lines and a Ctrl-Z that ends the
// file yield no record. Never fails.
class CsvSplitter
{
public:
    // Takes each record as it is completed; false stops the splitting.
    using RecordHandler = std::function<bool(CsvRow&)>;
    static constexpr qsizetype kNoLimit = -1;

    // A record of more than `maxRecordChars` characters (separators and
    // line breaks included) is handed over without its fields.
    explicit CsvSplitter(RecordHandler handler, qsizetype maxRecordChars = kNoLimit);

    // Splits the next piece of the text. False once the handler has stopped.
    bool feed(QStringView text);
    // Ends the text: hands over the last record, if any.
    bool finish();

    // Decodes the bytes of a file (see ImportTextDecoder) and splits them.
    static bool split(QByteArrayView bytes, qsizetype maxRecordChars, const RecordHandler& handler);

private:
    void take(QChar c, bool endMarkIsText);
    void takeUnquoted(QChar c, bool endMarkIsText);
    void appendText(QStringView text);
    // Counts characters of the record, separators too, against the limit.
    void countChars(qsizetype chars);
    void noteText(QStringView text);
    void newLine();
    void endField();
    void endLine();
    void emitRecord(bool blankTest);

    RecordHandler m_handler;
    qsizetype m_maxRecordChars;
    bool m_stopped = false;

    QStringList m_row;
    QString m_field;
    bool m_quoted = false;
    // A quote inside a quoted field was the last character seen: the next
    // tells whether it closes the field or doubles a quote.
    bool m_quotePending = false;
    // The field holds text or a quoted part already; a quote now is text.
    bool m_fieldStarted = false;
    // The last character was a CR: an LF now ends no second line.
    bool m_afterCr = false;
    // A Ctrl-Z outside quotes and the blanks and Ctrl-Zs after it: the end
    // of the file, unless more text follows.
    QString m_endMark;

    qsizetype m_line = 1;
    bool m_lineHasText = false;
    qsizetype m_recordLine = 1;
    qsizetype m_recordContentLines = 0;
    qsizetype m_recordChars = 0;
    qsizetype m_quoteLine = 0;
    bool m_tooLong = false;
};
