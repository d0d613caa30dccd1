#include "import/CsvSplitter.h"
#include "import/ImportTextDecoder.h"

#include <QTest>

using Rows = QList<QStringList>;

namespace {

// Each record as "line/lines with text/line of an open quote/too long: fields".
QStringList describe(const QList<CsvRow>& rows)
{
    QStringList described;
    for (const CsvRow& row : rows)
        described << QStringLiteral("%1/%2/%3/%4: %5")
                         .arg(row.line)
                         .arg(row.contentLines)
                         .arg(row.openQuoteLine)
                         .arg(row.tooLong)
                         .arg(row.fields.join(u'|'));
    return described;
}

QList<CsvRow> splitInPieces(QStringView text, qsizetype pieceSize, qsizetype limit = CsvSplitter::kNoLimit)
{
    QList<CsvRow> rows;
    CsvSplitter splitter(
        [&rows](CsvRow& row) {
            rows << row;
            return true;
        },
        limit);
    for (qsizetype at = 0; at < text.size(); at += pieceSize)
        splitter.feed(text.mid(at, pieceSize));
    splitter.finish();
    return rows;
}

// The text of the bytes, its pieces joined.
QString decoded(QByteArrayView bytes)
{
    ImportTextDecoder decoder(bytes);
    QString text;
    QString piece;
    while (decoder.next(piece))
        text += piece;
    return text;
}

// The fields of each record of the text, split whole.
Rows fieldsOf(QStringView text)
{
    Rows rows;
    for (const CsvRow& row : splitInPieces(text, qMax<qsizetype>(text.size(), 1)))
        rows << row.fields;
    return rows;
}

const QString kTricky = QStringLiteral("a\r\n\"b\nc\",d\r\re,\"\"\"q\"\"\"\r\n\n \x1A\n"
                                       "f\x1A\n\"open,x\n\n  y\r\n");

} // namespace

class ImportTextTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decodes_data();
    void decodes();
    void piecesJoinIntoTheWholeText_data();
    void piecesJoinIntoTheWholeText();
    void splitsCsv_data();
    void splitsCsv();
    void tellsWhereEachRecordStands();
    void splitsAlikeInAnyPieces();
};

void ImportTextTest::decodes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("utf-8 mark") << QByteArray("\xEF\xBB\xBF" "a") << QStringLiteral("a");
    QTest::newRow("utf-16le mark") << QByteArray("\xFF\xFE" "a\0", 4) << QStringLiteral("a");
    QTest::newRow("utf-16be mark") << QByteArray("\xFE\xFF\0a", 4) << QStringLiteral("a");
    QTest::newRow("utf-16le cut short") << QByteArray("\xFF\xFE" "a\0b", 5) << QStringLiteral("a\uFFFD");
    QTest::newRow("utf-16be cut short") << QByteArray("\xFE\xFF\0a\0", 5) << QStringLiteral("a\uFFFD");
    QTest::newRow("utf-8 without mark") << QByteArray("Caf\xC3\xA9") << QStringLiteral("Café");
    QTest::newRow("utf-8 four bytes") << QByteArray("\xF0\x9F\x98\x80") << QStringLiteral("\U0001F600");
    QTest::newRow("latin letter") << QByteArray("H\xE9") << QStringLiteral("Hé");
    QTest::newRow("euro byte") << QByteArray("\x80") << QStringLiteral("€");
    QTest::newRow("unassigned byte") << QByteArray("\x81") << QString(QChar(0x81));
    QTest::newRow("quotes of 1252") << QByteArray("\x93x\x94\x9F") << QStringLiteral("“x”Ÿ");
    QTest::newRow("overlong") << QByteArray("\xC0\x80") << QStringLiteral("À€");
    QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << QStringLiteral("í\u00A0€");
    QTest::newRow("beyond U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << QStringLiteral("ô\u0090€€");
    QTest::newRow("cut off sequence") << QByteArray("ab\xE2\x82") << QStringLiteral("abâ‚");
    QTest::newRow("stray continuation") << QByteArray("a\xA9" "b") << QStringLiteral("a©b");
    QTest::newRow("utf-16 lone high surrogate")
        << QByteArray("\xFF\xFE" "A\0\x00\xD8" "B\0", 8) << QStringLiteral("A\uFFFDB");
    QTest::newRow("utf-16 lone low surrogate")
        << QByteArray("\xFE\xFF\xDC\x00\0B", 6) << QStringLiteral("\uFFFDB");
    QTest::newRow("utf-16 high surrogate at the end")
        << QByteArray("\xFF\xFE" "A\0\x3D\xD8", 6) << QStringLiteral("A\uFFFD");
    QTest::newRow("utf-16 pair kept") << QByteArray("\xFF\xFE\x3D\xD8\x00\xDE", 6) << QStringLiteral("\U0001F600");
}

void ImportTextTest::decodes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(decoded(bytes), text);
}

void ImportTextTest::piecesJoinIntoTheWholeText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    // A character or a surrogate pair across the end of the first piece.
    const qsizetype edge = ImportTextDecoder::kPieceBytes;
    for (int before = 1; before <= 3; ++before) {
        QByteArray utf8(edge - before, 'a');
        utf8 += "\xF0\x9F\x98\x80z";
        QTest::addRow("utf-8, %d bytes before the edge", before)
            << utf8 << QString(edge - before, u'a') + QStringLiteral("\U0001F600z");
    }
    QByteArray utf16("\xFF\xFE", 2);
    for (qsizetype i = 2; i < edge; i += 2)
        utf16 += QByteArray("a\0", 2);
    utf16 += QByteArray("\x3D\xD8\x00\xDE" "b\0", 6);
    QTest::newRow("utf-16 pair across the edge")
        << utf16 << QString((edge - 2) / 2, u'a') + QStringLiteral("\U0001F600b");
    QByteArray windows(edge + 10, '\x80');
    QTest::newRow("windows-1252") << windows << QString(edge + 10, QChar(0x20AC));
}

void ImportTextTest::piecesJoinIntoTheWholeText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    ImportTextDecoder decoder(bytes);
    QString joined;
    QString piece;
    int pieces = 0;
    while (decoder.next(piece)) {
        joined += piece;
        ++pieces;
    }
    QVERIFY(pieces > 1);
    QCOMPARE(joined, text);
}

void ImportTextTest::splitsCsv_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Rows>("rows");

    QTest::newRow("empty") << QString() << Rows{};
    QTest::newRow("lf") << "a,b\nc,d" << Rows{{"a", "b"}, {"c", "d"}};
    QTest::newRow("cr lf") << "a,b\r\nc,d\r\n" << Rows{{"a", "b"}, {"c", "d"}};
    QTest::newRow("lone cr ends a line") << "a,b\rc,d\r" << Rows{{"a", "b"}, {"c", "d"}};
    QTest::newRow("cr lf across lines") << "a\r\n\r\nb" << Rows{{"a"}, {"b"}};
    QTest::newRow("blank lines and blanks") << "\n\n a , b \n   \n" << Rows{{"a", "b"}};
    QTest::newRow("blank last line") << "x\n  " << Rows{{"x"}};
    QTest::newRow("comma alone") << "," << Rows{{"", ""}};
    QTest::newRow("ctrl-z at the end") << "a,b\r\n\x1A" << Rows{{"a", "b"}};
    QTest::newRow("ctrl-z after the last field") << "a,b\x1A\r\n" << Rows{{"a", "b"}};
    QTest::newRow("ctrl-z before more text is text") << "a\x1A\nb" << Rows{{"a\x1A"}, {"b"}};
    QTest::newRow("quoted comma") << "\"a,b\",c" << Rows{{"a,b", "c"}};
    QTest::newRow("quote after blanks") << "x, \"a,b\" " << Rows{{"x", "a,b"}};
    QTest::newRow("doubled quotes") << "\"he said, \"\"hi\"\"\"" << Rows{{"he said, \"hi\""}};
    QTest::newRow("blanks inside quotes") << "\"  a  \",b" << Rows{{"a", "b"}};
    QTest::newRow("line break inside quotes") << "\"a\r\nb\",c\nd" << Rows{{"a\r\nb", "c"}, {"d"}};
    QTest::newRow("unterminated quote") << "a,\"b,c\nd" << Rows{{"a", "b,c\nd"}};
    QTest::newRow("quote in mid-field is text")
        << "12\" pizza,5.00\nSoda,1.00" << Rows{{"12\" pizza", "5.00"}, {"Soda", "1.00"}};
    QTest::newRow("quote after a quoted part is text") << "\"a\"b\",c" << Rows{{"ab\"", "c"}};
}

void ImportTextTest::splitsCsv()
{
    QFETCH(QString, text);
    QFETCH(Rows, rows);
    QCOMPARE(fieldsOf(text), rows);
}

void ImportTextTest::tellsWhereEachRecordStands()
{
    // CR, LF and CR LF each end one line; a quoted line break is a line too;
    // a Ctrl-Z with text after it is text; a quote left open takes the lines
    // with text to the end.
    QCOMPARE(describe(splitInPieces(kTricky, kTricky.size())),
             (QStringList{"1/1/0/0: a", "2/2/0/0: b\nc|d", "5/1/0/0: e|\"q\"", "7/1/0/0: \x1A",
                          "8/1/0/0: f\x1A",
                          "9/2/9/0: open,x\n\n  y"}));

    // A record beyond the limit keeps its place and none of its text.
    QCOMPARE(describe(splitInPieces(QStringLiteral("ab,c\nabcdef\n\"ab\ncd\"\nx"), 4, 5)),
             (QStringList{"1/1/0/0: ab|c", "2/1/0/1: ", "3/2/0/1: ", "5/1/0/0: x"}));
    // Separators count too: a row of nothing but commas is no row of fields.
    QCOMPARE(describe(splitInPieces(QStringLiteral(",,,,,,\n,,,,,x\nx"), 4, 5)),
             (QStringList{"1/1/0/1: ", "2/1/0/1: ", "3/1/0/0: x"}));
}

void ImportTextTest::splitsAlikeInAnyPieces()
{
    const QStringList whole = describe(splitInPieces(kTricky, kTricky.size()));
    for (qsizetype pieceSize = 1; pieceSize < 8; ++pieceSize)
        QCOMPARE(describe(splitInPieces(kTricky, pieceSize)), whole);
}

QTEST_GUILESS_MAIN(ImportTextTest)
#include "tst_importtext.moc"
