#include "account/JsonFieldReader.h"

#include <QJsonDocument>
#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;
using TandAccount::JsonFieldReader;
using Presence = JsonFieldReader::Presence;

namespace {

// Read from text, as an answer arrives: Qt keeps its integers exact.
QJsonObject parsed(const char* json)
{
    return QJsonDocument::fromJson(json).object();
}

} // namespace

class JsonFieldReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void readingsTellAbsentFromWrongKind();
    void wholeNumbersKeepToTheirRange();
    void flagsTakeBooleansAndWholeNumbers();
    void timesWithoutOffsetAreUtc();
    void forgivingAccessorsGiveEmptyValues();
    void listsTellNoListFromAnEmptyOne();
};

void JsonFieldReaderTest::readingsTellAbsentFromWrongKind()
{
    const JsonFieldReader fields(parsed(R"({"name": "Anna", "none": null, "count": 3, "flag": true})"));
    QCOMPARE(fields.readText("name"_L1).presence, Presence::Present);
    QCOMPARE(fields.readText("name"_L1).value, u"Anna"_s);
    // Null is a text the service left empty.
    QCOMPARE(fields.readText("none"_L1).presence, Presence::Present);
    QVERIFY(fields.readText("none"_L1).value.isEmpty());
    QCOMPARE(fields.readText("missing"_L1).presence, Presence::Absent);
    QCOMPARE(fields.readText("count"_L1).presence, Presence::WrongKind);
    QCOMPARE(fields.readInt("name"_L1).presence, Presence::WrongKind);
    QCOMPARE(fields.readInt("none"_L1).presence, Presence::WrongKind);
    QCOMPARE(fields.readBoolean("count"_L1).presence, Presence::WrongKind);
    QCOMPARE(fields.readBoolean("flag"_L1).value, true);
    QCOMPARE(fields.readDateTime("count"_L1).presence, Presence::WrongKind);
    // A value of the wrong kind reads as the empty value.
    QVERIFY(fields.readText("count"_L1).value.isEmpty());
    QCOMPARE(fields.readInt("name"_L1).value, 0);
}

void JsonFieldReaderTest::wholeNumbersKeepToTheirRange()
{
    const JsonFieldReader fields(parsed(R"({"max": 1000000000000000, "over": 1000000000000001, "cents": 10.5,
                                            "big": 9007199254740993, "beyondInt": 2147483648, "negative": -7})"));
    constexpr qint64 bound = 1'000'000'000'000'000LL;
    QCOMPARE(fields.readInteger("max"_L1, -bound, bound).value, bound);
    QCOMPARE(fields.readInteger("over"_L1, -bound, bound).presence, Presence::WrongKind);
    QCOMPARE(fields.readInteger("cents"_L1, -bound, bound).presence, Presence::WrongKind);
    // Beyond a double's exact integers, the number is read as written.
    const auto big = fields.readInteger("big"_L1, std::numeric_limits<qint64>::min(),
                                        std::numeric_limits<qint64>::max());
    QCOMPARE(big.value, 9007199254740993LL);
    QCOMPARE(fields.readInt("beyondInt"_L1).presence, Presence::WrongKind);
    QCOMPARE(fields.readInt("negative"_L1).value, -7);
}

void JsonFieldReaderTest::flagsTakeBooleansAndWholeNumbers()
{
    const JsonFieldReader fields(parsed(R"({"t": true, "f": false, "one": 1, "zero": 0, "two": 2, "half": 0.5,
                                            "text": "true"})"));
    QCOMPARE(fields.readFlag("t"_L1).value, true);
    QCOMPARE(fields.readFlag("f"_L1).presence, Presence::Present);
    QCOMPARE(fields.readFlag("f"_L1).value, false);
    QCOMPARE(fields.readFlag("one"_L1).value, true);
    QCOMPARE(fields.readFlag("zero"_L1).presence, Presence::Present);
    QCOMPARE(fields.readFlag("zero"_L1).value, false);
    QCOMPARE(fields.readFlag("two"_L1).value, true);
    QCOMPARE(fields.readFlag("half"_L1).presence, Presence::WrongKind);
    QCOMPARE(fields.readFlag("text"_L1).presence, Presence::WrongKind);
    QCOMPARE(fields.readFlag("missing"_L1).presence, Presence::Absent);
}

void JsonFieldReaderTest::timesWithoutOffsetAreUtc()
{
    const JsonFieldReader fields(parsed(R"({"plain": "2026-03-01T10:00:00", "offset": "2026-03-01T10:00:00+02:00",
                                            "ms": "2026-03-01T10:00:00.250Z", "empty": "", "none": null,
                                            "soon": "soon"})"));
    QCOMPARE(fields.readDateTime("plain"_L1).value, QDateTime(QDate(2026, 3, 1), QTime(10, 0), Qt::UTC));
    QCOMPARE(fields.readDateTime("offset"_L1).value, QDateTime(QDate(2026, 3, 1), QTime(8, 0), Qt::UTC));
    QCOMPARE(fields.readDateTime("ms"_L1).value, QDateTime(QDate(2026, 3, 1), QTime(10, 0, 0, 250), Qt::UTC));
    // No time is a time left out, not one that could not be read.
    for (const auto key : {"empty"_L1, "none"_L1}) {
        QCOMPARE(fields.readDateTime(key).presence, Presence::Present);
        QVERIFY(!fields.readDateTime(key).value.isValid());
    }
    QCOMPARE(fields.readDateTime("soon"_L1).presence, Presence::WrongKind);
}

void JsonFieldReaderTest::forgivingAccessorsGiveEmptyValues()
{
    const JsonFieldReader fields(parsed(R"({"number": 5, "text": "7", "fraction": 2.5, "huge": 3000000000,
                                            "trueText": "true", "one": 1, "when": "soon",
                                            "object": {"id": "x"}, "list": [1]})"));
    QVERIFY(fields.text("number"_L1).isEmpty());
    QCOMPARE(fields.text("text"_L1), u"7"_s);
    QCOMPARE(fields.integer("number"_L1), 5);
    QCOMPARE(fields.integer("text"_L1), 0);
    QCOMPARE(fields.integer("fraction"_L1), 0);
    QCOMPARE(fields.integer("huge"_L1), 0);
    QCOMPARE(fields.boolean("trueText"_L1), false);
    QCOMPARE(fields.boolean("one"_L1), false);
    QVERIFY(!fields.dateTime("when"_L1).isValid());
    QCOMPARE(fields.object("object"_L1).value("id"_L1).toString(), u"x"_s);
    QVERIFY(fields.object("list"_L1).isEmpty());
    QVERIFY(fields.has("list"_L1) && !fields.has("missing"_L1));
}

void JsonFieldReaderTest::listsTellNoListFromAnEmptyOne()
{
    const auto idOf = [](const QJsonObject& element) { return element.value("id"_L1).toString(); };
    QString (*read)(const QJsonObject&) = idOf;
    const JsonFieldReader fields(parsed(R"({"empty": [], "two": [{"id": "a"}, 7], "object": {"id": "a"},
                                            "none": null, "text": "[]"})"));

    QCOMPARE(fields.readList("empty"_L1, read).presence, Presence::Present);
    QVERIFY(fields.readList("empty"_L1, read).value.isEmpty());
    // An element that is no object reads as an empty record.
    QCOMPARE(fields.readList("two"_L1, read).value, (QList<QString>{u"a"_s, QString()}));
    QCOMPARE(fields.readList("missing"_L1, read).presence, Presence::Absent);
    for (const auto key : {"object"_L1, "none"_L1, "text"_L1}) {
        QCOMPARE(fields.readList(key, read).presence, Presence::WrongKind);
        QVERIFY(fields.readList(key, read).value.isEmpty());
    }
    // The forgiving reading gives no records for all of them.
    QVERIFY(fields.list("missing"_L1, read).isEmpty());
    QVERIFY(fields.list("object"_L1, read).isEmpty());
    QCOMPARE(fields.list("two"_L1, read).size(), 2);
}

QTEST_GUILESS_MAIN(JsonFieldReaderTest)
#include "tst_jsonfieldreader.moc"
