#include "services/ZipReader.h"
#include "services/ZipWriter.h"

#include <QBuffer>
#include <QtGui/private/qzipreader_p.h>
#include <QtGui/private/qzipwriter_p.h>
#include <QtTest>

namespace {

const QDateTime kModified(QDate(2026, 3, 14), QTime(9, 26, 54), Qt::UTC);

// An archive of one deflated entry, as other tools write them.
QByteArray deflatedArchive(const QString& name, const QByteArray& data)
{
    QByteArray zip;
    QBuffer buffer(&zip);
    buffer.open(QIODevice::WriteOnly);
    QZipWriter writer(&buffer);
    writer.setCompressionPolicy(QZipWriter::AlwaysCompress);
    writer.addFile(name, data);
    writer.close();
    return zip;
}

// The offset of the first central directory header.
qsizetype centralHeader(const QByteArray& zip)
{
    return zip.indexOf(QByteArray("PK\x01\x02", 4));
}

void patchUInt32(QByteArray& zip, qsizetype at, quint32 value)
{
    qToLittleEndian(value, zip.data() + at);
}

} // namespace

class TestZipArchive : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void entriesReadBackAsWritten();
    void moreThan65535EntriesAllReadBack();
    void namesPastTheirSixteenBitFieldAreRefused();
    void otherZipToolsReadAndWriteTheSameFormat();
    void damagedEntriesAreRefused_data();
    void damagedEntriesAreRefused();
    void brokenDirectoriesAreRefused_data();
    void brokenDirectoriesAreRefused();
};

void TestZipArchive::entriesReadBackAsWritten()
{
    const QList<QPair<QString, QByteArray>> files = {
        {QStringLiteral("empty.json"), QByteArray()},
        {QStringLiteral("repeats.json"), QByteArray("{\"memo\":\"rent\"}").repeated(2000)},
        {QStringLiteral("accounts/caf\u00e9.json"), QByteArray("{}")},
    };
    ZipWriter writer(kModified);
    for (const auto& [name, data] : files)
        writer.addFile(name, data);
    const QByteArray zip = writer.finish();

    ZipReader reader;
    QVERIFY(reader.open(zip));
    QCOMPARE(reader.entries().size(), files.size());
    for (qsizetype i = 0; i < files.size(); ++i) {
        const ZipReader::Entry& entry = reader.entries().at(i);
        QCOMPARE(entry.name, files.at(i).first);
        QCOMPARE(entry.size, files.at(i).second.size());
        QCOMPARE(reader.read(entry), std::optional<QByteArray>(files.at(i).second));
    }
}

void TestZipArchive::moreThan65535EntriesAllReadBack()
{
    // Plain ZIP counts entries in 16 bits; a backup of 100,000 rows must not wrap.
    constexpr int count = 70000;
    ZipWriter writer(kModified);
    for (int i = 0; i < count; ++i)
        writer.addFile(QStringLiteral("transactions/%1.json").arg(i), QByteArray::number(i));
    const QByteArray zip = writer.finish();

    ZipReader reader;
    QVERIFY(reader.open(zip));
    QCOMPARE(reader.entries().size(), count);
    const ZipReader::Entry& last = reader.entries().last();
    QCOMPARE(last.name, QStringLiteral("transactions/69999.json"));
    QCOMPARE(reader.read(last), std::optional<QByteArray>("69999"));
}

void TestZipArchive::namesPastTheirSixteenBitFieldAreRefused()
{
    // The limit counts bytes of UTF-8, not characters.
    const QString longest = QString(65535 - 5, u'n') + QStringLiteral(".json");
    const QString oneByteOver = QString(65536 - 5, u'n') + QStringLiteral(".json");
    const QString twoByteCharsOver = QString(32768, QChar(0x00e9));
    ZipWriter writer(kModified);
    QVERIFY(writer.addFile(QStringLiteral("before.json"), "1"));
    QVERIFY(writer.addFile(longest, "2"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^ZIP entry refused: .* 65536 bytes")));
    QVERIFY(!writer.addFile(oneByteOver, "3"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^ZIP entry refused: .* 65536 bytes")));
    QVERIFY(!writer.addFile(twoByteCharsOver, "4"));
    QVERIFY(writer.addFile(QStringLiteral("after.json"), "5"));
    QByteArray zip = writer.finish();

    ZipReader reader;
    QVERIFY(reader.open(zip));
    QCOMPARE(reader.entries().size(), 3);
    QCOMPARE(reader.entries().at(1).name, longest);
    QCOMPARE(reader.read(reader.entries().at(1)), std::optional<QByteArray>("2"));
    QCOMPARE(reader.read(reader.entries().at(2)), std::optional<QByteArray>("5"));

    QBuffer buffer(&zip);
    QZipReader qtReader(&buffer);
    QCOMPARE(qtReader.fileData(longest), QByteArray("2"));
    QCOMPARE(qtReader.fileData(QStringLiteral("after.json")), QByteArray("5"));
}

void TestZipArchive::otherZipToolsReadAndWriteTheSameFormat()
{
    const QByteArray text = QByteArray("{\"payee\":\"Grocer\"}").repeated(50);

    ZipWriter ours(kModified);
    ours.addFile(QStringLiteral("a.json"), text);
    QByteArray oursZip = ours.finish();
    QBuffer oursBuffer(&oursZip);
    QZipReader qtReader(&oursBuffer);
    QCOMPARE(qtReader.status(), QZipReader::NoError);
    QCOMPARE(qtReader.fileData(QStringLiteral("a.json")), text);

    ZipReader reader;
    QVERIFY(reader.open(deflatedArchive(QStringLiteral("b.json"), text)));
    QCOMPARE(reader.entries().size(), 1);
    QVERIFY(reader.entries().first().compressedSize < text.size() / 10);
    QCOMPARE(reader.read(reader.entries().first()), std::optional<QByteArray>(text));
}

void TestZipArchive::damagedEntriesAreRefused_data()
{
    QTest::addColumn<QByteArray>("zip");

    const QByteArray zeros(1 << 20, '0');
    const QByteArray deflated = deflatedArchive(QStringLiteral("zeros.json"), zeros);
    const qsizetype header = centralHeader(deflated);

    // Inflating must stop at the declared size, however far the data would go.
    QByteArray understated = deflated;
    patchUInt32(understated, header + 24, 100);
    QTest::newRow("declared size below the real one") << understated;

    QByteArray overstated = deflated;
    patchUInt32(overstated, header + 24, zeros.size() + 1);
    QTest::newRow("declared size above the real one") << overstated;

    QByteArray wrongCrc = deflated;
    patchUInt32(wrongCrc, header + 16, 0xDEADBEEF);
    QTest::newRow("checksum mismatch") << wrongCrc;

    ZipWriter writer(kModified);
    writer.addFile(QStringLiteral("stored.json"), zeros);
    QByteArray storedShort = writer.finish();
    patchUInt32(storedShort, centralHeader(storedShort) + 24, 100);
    QTest::newRow("stored entry of another size") << storedShort;

    QByteArray encrypted = deflated;
    encrypted[header + 8] = char(encrypted.at(header + 8) | 1);
    QTest::newRow("encrypted") << encrypted;

    QByteArray beyondEnd = deflated;
    patchUInt32(beyondEnd, header + 20, 0x7FFFFFFF);
    QTest::newRow("compressed size beyond the archive") << beyondEnd;

    QByteArray badOffset = deflated;
    patchUInt32(badOffset, header + 42, 12345);
    QTest::newRow("local header offset elsewhere") << badOffset;
}

void TestZipArchive::damagedEntriesAreRefused()
{
    QFETCH(QByteArray, zip);
    ZipReader reader;
    QVERIFY(reader.open(zip));
    QCOMPARE(reader.entries().size(), 1);
    QCOMPARE(reader.read(reader.entries().first()), std::nullopt);
}

void TestZipArchive::brokenDirectoriesAreRefused_data()
{
    QTest::addColumn<QByteArray>("zip");

    ZipWriter writer(kModified);
    writer.addFile(QStringLiteral("a.json"), QByteArray("{}"));
    const QByteArray valid = writer.finish();
    const qsizetype end = valid.size() - 22;

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not a ZIP archive") << QByteArray("this is plain text, not an archive");
    QTest::newRow("truncated") << valid.left(valid.size() / 2);

    QByteArray tooManyEntries = valid;
    tooManyEntries[end + 10] = char(0xFF);
    tooManyEntries[end + 11] = char(0xFF);
    QTest::newRow("count the directory cannot hold") << tooManyEntries;

    QByteArray directoryOutside = valid;
    patchUInt32(directoryOutside, end + 16, 0xFFFFFF00);
    QTest::newRow("directory offset outside the archive") << directoryOutside;

    QByteArray spanned = valid;
    spanned[end + 4] = 1;
    QTest::newRow("spanned over disks") << spanned;
}

void TestZipArchive::brokenDirectoriesAreRefused()
{
    QFETCH(QByteArray, zip);
    ZipReader reader;
    QVERIFY(!reader.open(zip));
}

QTEST_GUILESS_MAIN(TestZipArchive)
#include "tst_ziparchive.moc"
