#include "tests/update/UpdateTestFeed.h"
#include "update/Client.h"
#include "update/PlatformKey.h"
#include "update/ReleaseNotesFetcher.h"

#include <QSignalSpy>
#include <QtTest>

using namespace TandUpdate;

Q_DECLARE_METATYPE(FakeResponse)

namespace {

// What one check answered.
struct Outcome
{
    explicit Outcome(Client* client)
        : available(client, &Client::updateAvailable)
        , upToDate(client, &Client::upToDate)
        , failed(client, &Client::checkFailed)
    {
    }

    int answers() const { return int(available.size() + upToDate.size() + failed.size()); }
    QString reason() const { return failed.isEmpty() ? QString() : failed.first().first().toString(); }
    Artifact artifact() const { return available.first().first().value<Artifact>(); }

    QSignalSpy available;
    QSignalSpy upToDate;
    QSignalSpy failed;
};

} // namespace

class TestUpdateClient : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void manifestUrlIsInTheChannelFolder_data();
    void manifestUrlIsInTheChannelFolder();
    void configurationFaultsFailWithoutARequest_data();
    void configurationFaultsFailWithoutARequest();
    void missingManifestIsUpToDate();
    void refusedConnectionFails();
    void invalidManifestFails();
    void offerDependsOnTheVersions_data();
    void offerDependsOnTheVersions();
    void platformNotShippedIsUpToDate();
    void secondCheckInFlightIsIgnored();
    void stuckOrOversizedFeedFails_data();
    void stuckOrOversizedFeedFails();

    void notesUrlSitsBesideTheChannel_data();
    void notesUrlSitsBesideTheChannel();
    void localizedUrlOfOtherFilesIsThePlainOne();
    void localizedNotesFallBackToPlain_data();
    void localizedNotesFallBackToPlain();
    void notesOnlyFromTheWeb_data();
    void notesOnlyFromTheWeb();
    void oversizedNotesAreUnavailable();

private:
    UpdateTestFeed* m_feed = nullptr;
};

void TestUpdateClient::init()
{
    if (platformKey().isEmpty())
        QSKIP("No update is shipped for this platform");
    m_feed = new UpdateTestFeed(this);
}

void TestUpdateClient::cleanup()
{
    delete m_feed;
    m_feed = nullptr;
}

void TestUpdateClient::manifestUrlIsInTheChannelFolder_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("manifest");
    QTest::newRow("folder") << "https://u.example.com/ledgerine/stable/" << "https://u.example.com/ledgerine/stable/latest.json";
    QTest::newRow("no slash") << "https://u.example.com/ledgerine/stable" << "https://u.example.com/ledgerine/stable/latest.json";
    QTest::newRow("root") << "https://u.example.com" << "https://u.example.com/latest.json";
    QTest::newRow("space") << "https://u.example.com/my%20feed" << "https://u.example.com/my%20feed/latest.json";
}

void TestUpdateClient::manifestUrlIsInTheChannelFolder()
{
    QFETCH(QString, base);
    QFETCH(QString, manifest);
    Client client({"ledgerine", "stable", QUrl(base), "1.1.4"}, nullptr);
    QCOMPARE(client.manifestUrl().toString(QUrl::FullyEncoded), manifest);
}

void TestUpdateClient::configurationFaultsFailWithoutARequest_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("running");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no address") << "" << "1.1.4" << "manifestBaseUrl is not valid";
    QTest::newRow("file address") << "file:///tmp/feed/" << "1.1.4" << "manifestBaseUrl is not valid";
    QTest::newRow("no version") << "feed" << "" << "currentVersion is empty";
}

void TestUpdateClient::configurationFaultsFailWithoutARequest()
{
    QFETCH(QString, base);
    QFETCH(QString, running);
    QFETCH(QString, reason);
    Config config = m_feed->config(running);
    if (base != QLatin1String("feed"))
        config.manifestBaseUrl = QUrl(base);
    Client client(config, nullptr);
    Outcome outcome(&client);
    client.check();
    // Answered from inside check() itself.
    QCOMPARE(outcome.answers(), 1);
    QCOMPARE(outcome.reason(), reason);
    QTest::qWait(50);
    QVERIFY(m_feed->requests().isEmpty());
}

void TestUpdateClient::missingManifestIsUpToDate()
{
    Client client(m_feed->config(), nullptr);
    Outcome outcome(&client);
    client.check();
    QTRY_COMPARE(outcome.answers(), 1);
    QCOMPARE(outcome.upToDate.size(), 1);
}

void TestUpdateClient::refusedConnectionFails()
{
    const QUrl closed = m_feed->channelUrl();
    delete m_feed;
    m_feed = nullptr;
    Client client({"ledgerine", "stable", closed, "1.1.4"}, nullptr);
    Outcome outcome(&client);
    client.check();
    QTRY_COMPARE(outcome.answers(), 1);
    QVERIFY2(outcome.reason().startsWith(QLatin1String("network error: ")) && outcome.reason().size() > 15,
             qPrintable(outcome.reason()));
}

void TestUpdateClient::invalidManifestFails()
{
    m_feed->respondAlways("GET", UpdateTestFeed::kManifestPath, FakeResponse::raw(200, R"({"schema": 2})"));
    Client client(m_feed->config(), nullptr);
    Outcome outcome(&client);
    client.check();
    QTRY_COMPARE(outcome.answers(), 1);
    QCOMPARE(outcome.reason(), QStringLiteral("manifest invalid: unsupported manifest schema: 2 (expected 1)"));

    // A server error is a failure, not a missing manifest.
    m_feed->respondAlways("GET", UpdateTestFeed::kManifestPath, FakeResponse::raw(500, "oops"));
    client.check();
    QTRY_COMPARE(outcome.answers(), 2);
    QVERIFY(outcome.failed.last().first().toString().startsWith(QLatin1String("network error: ")));
}

void TestUpdateClient::offerDependsOnTheVersions_data()
{
    QTest::addColumn<QString>("offered");
    QTest::addColumn<QString>("minimum");
    QTest::addColumn<QString>("answer");
    QTest::newRow("same") << "1.1.4" << "" << "up to date";
    QTest::newRow("older") << "1.0.9" << "" << "up to date";
    QTest::newRow("newer") << "1.2.0" << "" << "available";
    QTest::newRow("newer, reachable") << "1.2.0" << "1.0.0" << "available";
    QTest::newRow("newer, running is the minimum") << "1.2.0" << "1.1.4" << "available";
    QTest::newRow("newer, too far")
        << "1.2.0" << "1.2.0"
        << "current version 1.1.4 is older than min_upgradable_from 1.2.0; please upgrade to an intermediate "
           "release first";
    QTest::newRow("pre-release") << "1.2.0-beta" << "" << "up to date";
}

void TestUpdateClient::offerDependsOnTheVersions()
{
    QFETCH(QString, offered);
    QFETCH(QString, minimum);
    QFETCH(QString, answer);
    QJsonObject artifact = m_feed->artifact(offered);
    artifact.insert("min_upgradable_from", minimum);
    m_feed->publish(artifact);

    Client client(m_feed->config("1.1.4"), nullptr);
    Outcome outcome(&client);
    client.check();
    QTRY_COMPARE(outcome.answers(), 1);
    if (answer == QLatin1String("up to date")) {
        QCOMPARE(outcome.upToDate.size(), 1);
    } else if (answer == QLatin1String("available")) {
        QCOMPARE(outcome.available.size(), 1);
        QCOMPARE(outcome.artifact().version, offered);
        QCOMPARE(outcome.artifact().url, QUrl(artifact.value("url").toString()));
    } else {
        QCOMPARE(outcome.reason(), answer);
    }
    const RecordedRequest request = m_feed->requests().constFirst();
    QCOMPARE(request.path, QString::fromLatin1(UpdateTestFeed::kManifestPath));
    QCOMPARE(request.header("User-Agent"), QByteArray("TandUpdateQt/0.1 (ledgerine)"));
}

void TestUpdateClient::platformNotShippedIsUpToDate()
{
    const QJsonObject manifest{{"schema", 1},
                               {"app", "ledgerine"},
                               {"channel", "stable"},
                               {"artifacts", QJsonObject{{"plan9-mips", m_feed->artifact("9.0.0")}}}};
    m_feed->respondAlways("GET", UpdateTestFeed::kManifestPath,
                          FakeResponse::raw(200, QJsonDocument(manifest).toJson()));
    Client client(m_feed->config(), nullptr);
    Outcome outcome(&client);
    client.check();
    QTRY_COMPARE(outcome.answers(), 1);
    QCOMPARE(outcome.upToDate.size(), 1);
}

void TestUpdateClient::secondCheckInFlightIsIgnored()
{
    m_feed->publish(m_feed->artifact("1.2.0"));
    m_feed->delayRoute("GET", UpdateTestFeed::kManifestPath, 200);
    Client client(m_feed->config(), nullptr);
    Outcome outcome(&client);
    QTest::ignoreMessage(QtDebugMsg, "check already in flight, ignoring");
    client.check();
    client.check();
    QTRY_COMPARE(outcome.answers(), 1);
    QTest::qWait(300);
    QCOMPARE(outcome.answers(), 1);
    QCOMPARE(m_feed->requests().size(), 1);

    // Once answered, the same client may check again.
    client.check();
    QTRY_COMPARE(outcome.answers(), 2);
}

void TestUpdateClient::stuckOrOversizedFeedFails_data()
{
    QTest::addColumn<FakeResponse>("response");
    FakeResponse silent = FakeResponse::silence();
    const QByteArray huge = "{\"pad\":\"" + QByteArray(300 * 1024, 'x') + "\"}";
    FakeResponse undeclared = FakeResponse::raw(200, huge);
    undeclared.undeclaredLength = true;
    QTest::newRow("silent") << silent;
    QTest::newRow("too large") << undeclared;
}

void TestUpdateClient::stuckOrOversizedFeedFails()
{
    QFETCH(FakeResponse, response);
    m_feed->respondAlways("GET", UpdateTestFeed::kManifestPath, response);
    Client client(m_feed->config(), nullptr);
    client.setDeadline(500);
    Outcome outcome(&client);
    client.check();
    QTRY_COMPARE_WITH_TIMEOUT(outcome.answers(), 1, 10000);
    QVERIFY2(outcome.reason().startsWith(QLatin1String("network error: ")), qPrintable(outcome.reason()));
}

void TestUpdateClient::notesUrlSitsBesideTheChannel_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("notes");
    QTest::newRow("folder") << "https://u.example.com/ledgerine/stable/" << "https://u.example.com/ledgerine/1.1.4/release-notes.md";
    QTest::newRow("no slash") << "https://u.example.com/ledgerine/stable" << "https://u.example.com/ledgerine/1.1.4/release-notes.md";
    QTest::newRow("channel at the root") << "https://u.example.com/stable/" << "https://u.example.com/1.1.4/release-notes.md";
    QTest::newRow("feed at the root") << "https://u.example.com/" << "https://u.example.com/1.1.4/release-notes.md";
    QTest::newRow("bare host") << "https://u.example.com" << "https://u.example.com/1.1.4/release-notes.md";
}

void TestUpdateClient::notesUrlSitsBesideTheChannel()
{
    QFETCH(QString, base);
    QFETCH(QString, notes);
    const QUrl url = ReleaseNotesFetcher::notesUrlFor({"ledgerine", "stable", QUrl(base), "1.1.4"});
    QVERIFY(url.isValid());
    QCOMPARE(url.toString(), notes);
}

void TestUpdateClient::localizedUrlOfOtherFilesIsThePlainOne()
{
    // Only a Markdown file has a translation beside it.
    const QUrl notes("https://u.example.com/notes.txt");
    QCOMPARE(ReleaseNotesFetcher::localizedUrl(notes, QLocale(QLocale::German)), notes);
}

void TestUpdateClient::localizedNotesFallBackToPlain_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QByteArray>("localizedNotes");
    QTest::addColumn<QByteArray>("plainNotes");
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<QString>("shown");
    const QString de = UpdateTestFeed::notesPath("1.1.4", "de");
    const QString plain = UpdateTestFeed::notesPath("1.1.4");
    QTest::newRow("German found") << "de_DE" << QByteArray("# Neu\n") << QByteArray("# New") << QStringList{de}
                                  << "# Neu";
    QTest::newRow("German missing") << "de_DE" << QByteArray() << QByteArray("\n  # New\n\n") << QStringList{de, plain}
                                    << "# New";
    QTest::newRow("German blank") << "de_DE" << QByteArray("\n \n\t\n") << QByteArray("# New")
                                  << QStringList{de, plain} << "# New";
    QTest::newRow("English") << "en_US" << QByteArray("# Neu") << QByteArray("# New") << QStringList{plain} << "# New";
    QTest::newRow("C") << "C" << QByteArray() << QByteArray("# New") << QStringList{plain} << "# New";
    QTest::newRow("none") << "de_DE" << QByteArray() << QByteArray("  \n") << QStringList{de, plain} << "";
}

void TestUpdateClient::localizedNotesFallBackToPlain()
{
    QFETCH(QString, locale);
    QFETCH(QByteArray, localizedNotes);
    QFETCH(QByteArray, plainNotes);
    QFETCH(QStringList, asked);
    QFETCH(QString, shown);
    if (!localizedNotes.isNull())
        m_feed->publishNotes("1.1.4", localizedNotes, "de");
    m_feed->publishNotes("1.1.4", plainNotes);

    ReleaseNotesFetcher fetcher(m_feed->config("1.1.4"), nullptr, QLocale(locale));
    QSignalSpy ready(&fetcher, &ReleaseNotesFetcher::notesReady);
    QSignalSpy unavailable(&fetcher, &ReleaseNotesFetcher::notesUnavailable);
    fetcher.fetch();
    QTRY_COMPARE(ready.size() + unavailable.size(), 1);
    if (shown.isEmpty())
        QCOMPARE(unavailable.size(), 1);
    else
        QCOMPARE(ready.first().first().toString(), shown);

    QStringList paths;
    for (const RecordedRequest& request : m_feed->requests())
        paths << request.path;
    QCOMPARE(paths, asked);
    QCOMPARE(m_feed->requests().first().header("User-Agent"), QByteArray("TandUpdateQt/0.1 (ledgerine)"));
}

void TestUpdateClient::notesOnlyFromTheWeb_data()
{
    QTest::addColumn<QUrl>("url");
    QTest::newRow("file") << QUrl("file:///etc/hostname");
    QTest::newRow("qrc") << QUrl("qrc:/i18n/ledgerine_en.qm");
    QTest::newRow("file on a host") << QUrl("file://fileserver/notes/release-notes.md");
    QTest::newRow("ftp") << QUrl("ftp://downloads.example.com/release-notes.md");
    QTest::newRow("smb") << QUrl("smb://fileserver/notes/release-notes.md");
    QTest::newRow("relative") << QUrl("release-notes.md");
}

void TestUpdateClient::notesOnlyFromTheWeb()
{
    QFETCH(QUrl, url);
    ReleaseNotesFetcher fetcher(url, QStringLiteral("update-dialog"), nullptr, QLocale(QLocale::German));
    QSignalSpy ready(&fetcher, &ReleaseNotesFetcher::notesReady);
    QSignalSpy unavailable(&fetcher, &ReleaseNotesFetcher::notesUnavailable);
    fetcher.fetch();
    QTRY_COMPARE(unavailable.size(), 1);
    QTest::qWait(50);
    QCOMPARE(ready.size(), 0);
    QCOMPARE(unavailable.size(), 1);
}

void TestUpdateClient::oversizedNotesAreUnavailable()
{
    FakeResponse huge = FakeResponse::raw(200, QByteArray(2 * 1024 * 1024 + 1, '#'), "text/markdown");
    huge.undeclaredLength = true;
    m_feed->respondAlways("GET", UpdateTestFeed::notesPath("1.1.4"), huge);
    ReleaseNotesFetcher fetcher(m_feed->config("1.1.4"), nullptr, QLocale(QLocale::English));
    QSignalSpy unavailable(&fetcher, &ReleaseNotesFetcher::notesUnavailable);
    fetcher.fetch();
    QTRY_COMPARE(unavailable.size(), 1);
}

QTEST_MAIN(TestUpdateClient)
#include "tst_updateclient.moc"
