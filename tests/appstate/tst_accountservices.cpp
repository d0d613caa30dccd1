#include "account/ApiClient.h"
#include "account/TokenManager.h"
#include "appstate/ServiceEndpoints.h"
#include "appstate/SyncCursorOwner.h"
#include "storage/PreferencesRepository.h"
#include "sync/SyncEngine.h"
#include "tests/support/TestStore.h"
#include "tests/support/TestTokens.h"

#include <QRegularExpression>
#include <QtTest>

namespace {

const char* const kAddressVariables[] = {"AUTH_BASE_URL", "ACCOUNT_API_URL", "SYNC_API_URL"};

} // namespace

// Where the services are, and whose sync cursor is kept.
class TestAccountServices : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void testsNeverReachTheMakersServices();
    void endpointsComeFromTheEnvironmentWhenSet();
    void cursorOwnerChangesOnlyForAnotherUser();
};

// Every test program runs with the service addresses on a closed port of
// this machine, so none can reach the real services by accident.
void TestAccountServices::testsNeverReachTheMakersServices()
{
    for (const char* variable : kAddressVariables)
        QCOMPARE(QUrl(qEnvironmentVariable(variable)).host(), QStringLiteral("127.0.0.1"));
    const TandAccount::ClientConfig config = ServiceEndpoints::clientConfig();
    QCOMPARE(QUrl(config.authBaseUrl).host(), QStringLiteral("127.0.0.1"));
    QCOMPARE(QUrl(config.accountApiUrl).host(), QStringLiteral("127.0.0.1"));
    QCOMPARE(ServiceEndpoints::syncApiUrl().host(), QStringLiteral("127.0.0.1"));
}

void TestAccountServices::endpointsComeFromTheEnvironmentWhenSet()
{
    QHash<QByteArray, QByteArray> saved;
    for (const char* variable : kAddressVariables)
        saved.insert(variable, qgetenv(variable));

    qputenv("AUTH_BASE_URL", "http://127.0.0.1:4000");
    qputenv("AUTH_REALM_SLUG", "staging");
    qputenv("AUTH_CLIENT_ID", "");
    qputenv("SYNC_API_URL", "http://127.0.0.1:4001/sync");
    // Set but empty counts as not set.
    qputenv("ACCOUNT_API_URL", "");
    TandAccount::ClientConfig config = ServiceEndpoints::clientConfig();
    QCOMPARE(config.authBaseUrl, QStringLiteral("http://127.0.0.1:4000"));
    QCOMPARE(config.realm, QStringLiteral("staging"));
    const QString clientIdWhenEmpty = config.clientId;
    QCOMPARE(ServiceEndpoints::syncApiUrl(), QUrl(QStringLiteral("http://127.0.0.1:4001/sync")));
    QCOMPARE(QUrl(config.accountApiUrl).scheme(), QStringLiteral("https"));
    QCOMPARE(config.appId, QString::fromLatin1(ServiceEndpoints::kApplicationId));
    QVERIFY(config.platform.isEmpty());

    // Without the environment: the maker's services, over https only.
    qunsetenv("AUTH_REALM_SLUG");
    qunsetenv("AUTH_CLIENT_ID");
    for (const char* variable : kAddressVariables)
        qunsetenv(variable);
    config = ServiceEndpoints::clientConfig();
    QCOMPARE(config.realm, QStringLiteral("tandrel"));
    // The program's own client id, which goes into the login page's address.
    QCOMPARE(clientIdWhenEmpty, config.clientId);
    QVERIFY2(QRegularExpression(QStringLiteral("^[A-Za-z0-9_-]+$")).match(config.clientId).hasMatch(),
             qPrintable(config.clientId));
    for (const QString& address : {config.authBaseUrl, config.accountApiUrl, ServiceEndpoints::syncApiUrl().toString()}) {
        QCOMPARE(QUrl(address).scheme(), QStringLiteral("https"));
        QVERIFY2(QUrl(address).host().endsWith(QLatin1String(".tandrel.com")), qPrintable(address));
    }

    for (auto it = saved.cbegin(); it != saved.cend(); ++it)
        qputenv(it.key().constData(), it.value());
}

void TestAccountServices::cursorOwnerChangesOnlyForAnotherUser()
{
    TestStore store;
    PreferencesRepository& preferences = store.preferences;
    const QString cursorKey = QString::fromLatin1(PreferencesRepository::kSyncCursorKey);
    const QString lastSyncKey = QString::fromLatin1(SyncEngine::kLastSyncTimestampKey);
    QHash<QString, QString> tokens;
    TandAccount::TokenManager tokenManager(std::make_unique<MemoryTokenStore>(&tokens));
    TandAccount::ApiClient api(&tokenManager);
    SyncEngine engine(&api, &store.accounts, &store.transactions, &store.categories, &store.recurring,
                      &store.reconciliations, &store.splitLines, &preferences);
    SyncCursorOwner owner(&preferences, &engine);

    // A cursor kept from before owners were recorded belongs to nobody known.
    QVERIFY(preferences.set(cursorKey, QStringLiteral("41")));
    QVERIFY(owner.claimFor(QStringLiteral("user-1")));
    QVERIFY(!preferences.get(cursorKey));
    QCOMPARE(owner.owner(), QStringLiteral("user-1"));

    QVERIFY(preferences.set(cursorKey, QStringLiteral("42")));
    QVERIFY(preferences.set(lastSyncKey, QStringLiteral("2026-03-05T14:30:00Z")));
    QVERIFY(!owner.claimFor(QStringLiteral("user-1")));
    // An unknown user (a token without a subject) tells nothing either way.
    QVERIFY(!owner.claimFor(QString()));
    QCOMPARE(preferences.getString(cursorKey), QStringLiteral("42"));

    QVERIFY(owner.claimFor(QStringLiteral("user-2")));
    QVERIFY(!preferences.get(cursorKey));
    QVERIFY(!preferences.get(lastSyncKey));
    QCOMPARE(owner.owner(), QStringLiteral("user-2"));
}

QTEST_GUILESS_MAIN(TestAccountServices)
#include "tst_accountservices.moc"
