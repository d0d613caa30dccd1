#include "update/Manifest.h"
#include "update/PlatformKey.h"
#include "update/Version.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using namespace TandUpdate;

namespace {

QJsonObject goodArtifact()
{
    return {{"version", "1.2.0"},
            {"released_at", "2026-03-01T12:00:00Z"},
            {"url", "https://downloads.example.com/ledgerine-1.2.0.tar.gz"},
            {"size", 1234567},
            {"sha256", QString(64, QLatin1Char('a'))}};
}

QJsonObject manifestWith(const QJsonObject& artifacts)
{
    return {{"schema", 1}, {"app", "ledgerine"}, {"channel", "stable"}, {"artifacts", artifacts}};
}

QByteArray bytes(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QJsonObject with(QJsonObject object, const QString& key, const QJsonValue& value)
{
    if (value.isUndefined())
        object.remove(key);
    else
        object.insert(key, value);
    return object;
}

} // namespace

class TestUpdateManifest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void versionTexts_data();
    void versionTexts();
    void versionsComparePartByPart();
    void manifestFaultsNameTheFirstOne_data();
    void manifestFaultsNameTheFirstOne();
    void manifestReadsEveryField();
    void platformKeyNamesShippedBuildsOnly_data();
    void platformKeyNamesShippedBuildsOnly();
};

void TestUpdateManifest::versionTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("patch");
    QTest::newRow("three parts") << "1.2.3" << 1 << 2 << 3;
    QTest::newRow("one part") << "10" << 10 << 0 << 0;
    QTest::newRow("two parts") << "1.2" << 1 << 2 << 0;
    QTest::newRow("four parts") << "1.2.3.4" << 0 << 0 << 0;
    QTest::newRow("empty middle") << "1..3" << 0 << 0 << 0;
    QTest::newRow("empty") << "" << 0 << 0 << 0;
    QTest::newRow("letter") << "1.x" << 0 << 0 << 0;
    QTest::newRow("pre-release") << "1.2.0-beta" << 0 << 0 << 0;
    // A sign or blank is no part of a version number, though toInt takes them.
    QTest::newRow("minus") << "-1.0.0" << 0 << 0 << 0;
    QTest::newRow("plus") << "+1.0.0" << 0 << 0 << 0;
    QTest::newRow("blank") << "1. 2" << 0 << 0 << 0;
    QTest::newRow("beyond int") << "1.99999999999" << 0 << 0 << 0;
}

void TestUpdateManifest::versionTexts()
{
    QFETCH(QString, text);
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, patch);
    const Version version = Version::parse(text);
    QCOMPARE(version.major, major);
    QCOMPARE(version.minor, minor);
    QCOMPARE(version.patch, patch);
}

void TestUpdateManifest::versionsComparePartByPart()
{
    const auto v = [](int major, int minor, int patch) { return Version{major, minor, patch}; };
    QVERIFY(v(1, 2, 3) < v(1, 10, 0));
    QVERIFY(!(v(1, 10, 0) < v(1, 2, 3)));
    QVERIFY(!(v(1, 2, 3) < v(1, 2, 3)));
    QVERIFY(v(1, 2, 3) == v(1, 2, 3));
    QVERIFY(!(v(1, 2, 3) == v(1, 2, 4)));
    QVERIFY(Version() < v(0, 0, 1));
    QVERIFY(v(1, 9, 9) < v(2, 0, 0));
}

void TestUpdateManifest::manifestFaultsNameTheFirstOne_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("error");

    const QJsonObject good = manifestWith({{"linux-x64", goodArtifact()}});
    QTest::newRow("not JSON") << QByteArray("{\"schema\": 1,") << "JSON parse error: ";
    QTest::newRow("array root") << QByteArray("[1]") << "manifest root is not a JSON object";
    QTest::newRow("schema text") << bytes(with(good, "schema", "1")) << "missing or non-integer field: schema";
    QTest::newRow("schema 2") << bytes(with(good, "schema", 2)) << "unsupported manifest schema: 2 (expected 1)";
    QTest::newRow("no app, no channel") << bytes(with(with(good, "app", QJsonValue::Undefined), "channel",
                                                      QJsonValue::Undefined))
                                        << "missing or non-string field: app";
    QTest::newRow("channel a number") << bytes(with(good, "channel", 3)) << "missing or non-string field: channel";
    QTest::newRow("artifacts a list") << bytes(with(good, "artifacts", QJsonArray{}))
                                      << "missing or non-object field: artifacts";
    QTest::newRow("no artifacts") << bytes(manifestWith({})) << "manifest failed validation";
    QTest::newRow("artifact a text") << bytes(manifestWith({{"linux-x64", "x"}})) << "artifact linux-x64 is not an object";

    const auto bad = [](const QString& key, const QJsonValue& value) {
        return bytes(manifestWith({{"linux-x64", with(goodArtifact(), key, value)}}));
    };
    QTest::newRow("size 0") << bad("size", 0) << "artifact linux-x64 failed validation";
    QTest::newRow("size a text") << bad("size", "100") << "artifact linux-x64 failed validation";
    QTest::newRow("size beyond 64 bits") << bad("size", 1e19) << "artifact linux-x64 failed validation";
    QTest::newRow("sha256 of 63") << bad("sha256", QString(63, QLatin1Char('a')))
                                  << "artifact linux-x64 failed validation";
    QTest::newRow("date not ISO") << bad("released_at", "March 1, 2026") << "artifact linux-x64 failed validation";
    QTest::newRow("empty version") << bad("version", "") << "artifact linux-x64 failed validation";
    QTest::newRow("no url") << bad("url", QJsonValue::Undefined) << "missing or non-string field: url";
    QTest::newRow("sha256 a number") << bad("sha256", 5) << "missing or non-string field: sha256";

    const QJsonObject broken = with(goodArtifact(), "size", 0);
    QTest::newRow("first key bad") << bytes(manifestWith({{"a-first", broken}, {"linux-x64", goodArtifact()}}))
                                   << "artifact a-first failed validation";
    QTest::newRow("last key bad") << bytes(manifestWith({{"a-first", goodArtifact()}, {"z-last", broken}}))
                                  << "artifact z-last failed validation";
}

void TestUpdateManifest::manifestFaultsNameTheFirstOne()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, error);
    QString reported;
    parseManifest(json, &reported);
    if (error.endsWith(QLatin1Char(' ')))
        QVERIFY2(reported.startsWith(error) && reported.size() > error.size(), qPrintable(reported));
    else
        QCOMPARE(reported, error);
}

void TestUpdateManifest::manifestReadsEveryField()
{
    QJsonObject entry = goodArtifact();
    entry.insert("size", 1.9);
    entry.insert("mandatory", true);
    entry.insert("min_upgradable_from", "1.0.0");
    entry.insert("release_notes_url", "https://downloads.example.com/1.2.0/release-notes.md");
    QJsonObject loose = goodArtifact();
    loose.insert("mandatory", "yes");
    loose.insert("min_upgradable_from", 5);
    loose.insert("release_notes_url", "");

    QString error;
    const Manifest manifest = parseManifest(bytes(manifestWith({{"linux-x64", entry}, {"windows-x64", loose}})), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(manifest.isValid());
    QCOMPARE(manifest.app, QStringLiteral("ledgerine"));
    QCOMPARE(manifest.channel, QStringLiteral("stable"));
    QCOMPARE(manifest.artifacts.size(), 2);

    const Artifact linux = manifest.artifacts.value("linux-x64");
    QCOMPARE(linux.version, QStringLiteral("1.2.0"));
    QCOMPARE(linux.released_at, QDateTime(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC));
    QCOMPARE(linux.url, QUrl("https://downloads.example.com/ledgerine-1.2.0.tar.gz"));
    QCOMPARE(linux.size, 1);
    QVERIFY(linux.mandatory);
    QCOMPARE(linux.min_upgradable_from, QStringLiteral("1.0.0"));
    QCOMPARE(linux.release_notes_url, QUrl("https://downloads.example.com/1.2.0/release-notes.md"));

    const Artifact windows = manifest.artifacts.value("windows-x64");
    QCOMPARE(windows.size, 1234567);
    QVERIFY(!windows.mandatory);
    QVERIFY(windows.min_upgradable_from.isEmpty());
    QVERIFY(windows.release_notes_url.isEmpty());
}

void TestUpdateManifest::platformKeyNamesShippedBuildsOnly_data()
{
    QTest::addColumn<QString>("kernel");
    QTest::addColumn<QString>("architecture");
    QTest::addColumn<QString>("key");
    QTest::newRow("linux x86_64") << "linux" << "x86_64" << "linux-x64";
    QTest::newRow("windows x86_64") << "winnt" << "x86_64" << "windows-x64";
    QTest::newRow("linux arm64") << "linux" << "arm64" << "";
    QTest::newRow("windows i386") << "winnt" << "i386" << "";
    QTest::newRow("darwin x86_64") << "darwin" << "x86_64" << "";
}

void TestUpdateManifest::platformKeyNamesShippedBuildsOnly()
{
    QFETCH(QString, kernel);
    QFETCH(QString, architecture);
    QFETCH(QString, key);
    QCOMPARE(platformKeyFor(kernel, architecture), key);
}

QTEST_APPLESS_MAIN(TestUpdateManifest)
#include "tst_updatemanifest.moc"
