#include "account/CredentialManagerTokenStore.h"
#include "account/TokenClaims.h"
#include "account/TokenManager.h"
#include "tests/support/TestDataDir.h"
#include "tests/support/TestTokens.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace TandAccount;

namespace {

mode_t modeOf(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return 0;
    return info.st_mode & 07777;
}

// A refresher the test completes by hand, counting how often it was started.
struct ManualRefresher
{
    int started = 0;
    QString lastRefreshToken;
    TokenManager::RefreshSucceeded succeed;
    TokenManager::RefreshFailed fail;

    TokenManager::Refresher function()
    {
        return [this](const QString& refreshToken, TokenManager::RefreshSucceeded ok, TokenManager::RefreshFailed no) {
            ++started;
            lastRefreshToken = refreshToken;
            succeed = std::move(ok);
            fail = std::move(no);
        };
    }
};

} // namespace

class TokensTest : public QObject
{
    Q_OBJECT

private slots:
    void readsClaimsFromBase64UrlPayloads();
    void malformedTokensGiveEmptyReadings();
    void expiryBeyond2038StaysValid();
    void tokenIsDroppedThirtySecondsBeforeExpiry();
    void needsRefreshFollowsValidityAndRefreshToken();

    void credentialFilesArePrivateAndClearRemovesThem();
    void storedTokensLoadBackAndMissingOnesAreEmpty();
    void credentialTargetsCannotEscapeTheFolder();
    void credentialsThatAreNotTheUsersOwnFilesGiveNoToken_data();
    void credentialsThatAreNotTheUsersOwnFilesGiveNoToken();
    void defaultStoreKeepsCredentialsInTheDataDirectory();

    void concurrentRefreshesShareOneRequest();
    void failedRefreshKeepsTokensAndReportsKind();
    void refreshWithoutRefreshTokenIsRejectedAtOnce();
    void waiterMayStartTheNextRefresh();
    void lateOrRepeatedCompletionIsIgnored();
    void signOutDuringARefreshStaysSignedOut();
    void signInDuringARefreshKeepsTheNewPair();
    void refusalOfASupersededRefreshSignsNobodyOut();
    void callersOfAnotherUsersRefreshFailWithoutSigningOut();
};

void TokensTest::readsClaimsFromBase64UrlPayloads()
{
    // Chosen so the Base64URL text holds both "-" and "_" and needs padding
    // that the token leaves out.
    const QByteArray payload =
        R"({"sub":"u>>?~","exp":1900000000,"custom":{"tnd":{"group_id":"g-1","role":"owner"}},"n":"x???>>>"})";
    const QByteArray encoded = payload.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
    QVERIFY(encoded.contains('-'));
    QVERIFY(encoded.contains('_'));
    QVERIFY(payload.toBase64().endsWith('='));

    const QString token = makeToken(payload);
    QCOMPARE(jwtExpiry(token), qint64(1900000000));
    QCOMPARE(jwtSubject(token), QStringLiteral("u>>?~"));
    QCOMPARE(decodeClaims(token), (TndClaims{QStringLiteral("g-1"), QStringLiteral("owner")}));

    // A "custom" object without "tnd" leaves the claims empty.
    QCOMPARE(decodeClaims(makeToken(QJsonObject{{"custom", QJsonObject{{"other", 1}}}})), TndClaims{});
}

void TokensTest::malformedTokensGiveEmptyReadings()
{
    const QStringList tokens{
        QString(),
        QStringLiteral("no-dots"),
        QStringLiteral("a.!!!not-base64!!!.c"),
        makeToken(QByteArrayLiteral("[1,2,3]")),
        makeToken(QByteArrayLiteral("{not json")),
        makeToken(QJsonObject{{"sub", "x"}}),
        makeToken(QJsonObject{{"exp", "1900000000"}}),
        makeToken(QJsonObject{{"exp", 1900000000.5}}),
    };
    for (const QString& token : tokens) {
        QCOMPARE(jwtExpiry(token), qint64(0));
        QVERIFY(!isTokenUsableAt(token, 0));
        QCOMPARE(decodeClaims(token), TndClaims{});
    }
    QCOMPARE(jwtSubject(tokens.at(4)), QString());
}

void TokensTest::expiryBeyond2038StaysValid()
{
    const qint64 in2100 = 4102444800;
    const QString token = makeToken(QJsonObject{{"exp", in2100}});
    QCOMPARE(jwtExpiry(token), in2100);
    QVERIFY(isTokenUsableAt(token, QDateTime::currentSecsSinceEpoch()));
}

void TokensTest::tokenIsDroppedThirtySecondsBeforeExpiry()
{
    const qint64 now = 1800000000;
    QVERIFY(isTokenUsableAt(makeToken(QJsonObject{{"exp", now + 31}}), now));
    QVERIFY(!isTokenUsableAt(makeToken(QJsonObject{{"exp", now + 30}}), now));
}

void TokensTest::needsRefreshFollowsValidityAndRefreshToken()
{
    QHash<QString, QString> entries;
    TokenManager manager(std::make_unique<MemoryTokenStore>(&entries));
    QVERIFY(!manager.needsRefresh());

    const QString fresh = tokenExpiringIn(3600);
    manager.setTokens(fresh, QStringLiteral("r1"));
    QCOMPARE(manager.accessToken(), fresh);
    QVERIFY(!manager.needsRefresh());

    const QString nearExpiry = tokenExpiringIn(30);
    manager.setTokens(nearExpiry, QStringLiteral("r1"));
    QCOMPARE(manager.accessToken(), QString());
    QCOMPARE(manager.heldAccessToken(), nearExpiry);
    QVERIFY(manager.needsRefresh());

    manager.setTokens(nearExpiry, QString());
    QVERIFY(!manager.needsRefresh());
}

void TokensTest::credentialFilesArePrivateAndClearRemovesThem()
{
    TestDataDir data;
    const QString folder = data.filePath(QStringLiteral("credentials"));
    CredentialManagerTokenStore store(QStringLiteral("ledgerine"), folder);

    QVERIFY(store.write(TokenStore::kAccessTokenKey, QStringLiteral("acc€ss")));
    QVERIFY(store.write(TokenStore::kRefreshTokenKey, QStringLiteral("refresh")));

    QCOMPARE(modeOf(folder), mode_t(0700));
    const QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(files.size(), 2);
    for (const QString& file : files)
        QCOMPARE(modeOf(QDir(folder).filePath(file)), mode_t(0600));

    // The blob is the token's UTF-8, nothing more.
    QFile blob(CredentialVault(folder).filePathFor(store.targetName(TokenStore::kAccessTokenKey)));
    QVERIFY(blob.open(QIODevice::ReadOnly));
    QCOMPARE(blob.readAll(), QStringLiteral("acc€ss").toUtf8());
    blob.close();

    // Modes someone widened are narrowed before a token is read.
    QCOMPARE(::chmod(QFile::encodeName(folder).constData(), 0777), 0);
    QCOMPARE(::chmod(QFile::encodeName(blob.fileName()).constData(), 0644), 0);
    QCOMPARE(store.read(TokenStore::kAccessTokenKey), std::optional<QString>(QStringLiteral("acc€ss")));
    QCOMPARE(modeOf(folder), mode_t(0700));
    QCOMPARE(modeOf(blob.fileName()), mode_t(0600));

    // Replacing keeps the mode; a folder someone widened is narrowed again.
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                              | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther));
    QVERIFY(store.write(TokenStore::kAccessTokenKey, QStringLiteral("second")));
    QCOMPARE(modeOf(folder), mode_t(0700));
    QCOMPARE(modeOf(blob.fileName()), mode_t(0600));
    QCOMPARE(store.read(TokenStore::kAccessTokenKey), std::optional<QString>(QStringLiteral("second")));

    {
        TokenManager manager(std::make_unique<CredentialManagerTokenStore>(QStringLiteral("ledgerine"), folder));
        manager.loadTokens();
        QCOMPARE(manager.refreshToken(), QStringLiteral("refresh"));
        manager.clear();
        QCOMPARE(manager.refreshToken(), QString());
        QVERIFY(!manager.needsRefresh());
    }
    QVERIFY(QDir(folder).entryList(QDir::Files | QDir::Hidden).isEmpty());
    QVERIFY(!store.read(TokenStore::kAccessTokenKey).has_value());
    QVERIFY(!store.remove(TokenStore::kAccessTokenKey));
}

void TokensTest::storedTokensLoadBackAndMissingOnesAreEmpty()
{
    TestDataDir data;
    const QString folder = data.filePath(QStringLiteral("credentials"));

    TokenManager empty(std::make_unique<CredentialManagerTokenStore>(QStringLiteral("app"), folder));
    empty.loadTokens();
    QCOMPARE(empty.heldAccessToken(), QString());
    QCOMPARE(empty.refreshToken(), QString());

    const QString access = tokenExpiringIn(3600);
    TokenManager writer(std::make_unique<CredentialManagerTokenStore>(QStringLiteral("app"), folder));
    writer.setTokens(access, QStringLiteral("r-9"));

    // Another store name is another set of credentials.
    TokenManager other(std::make_unique<CredentialManagerTokenStore>(QStringLiteral("other"), folder));
    other.loadTokens();
    QCOMPARE(other.refreshToken(), QString());

    TokenManager reader(std::make_unique<CredentialManagerTokenStore>(QStringLiteral("app"), folder));
    reader.loadTokens();
    QCOMPARE(reader.accessToken(), access);
    QCOMPARE(reader.refreshToken(), QStringLiteral("r-9"));
}

void TokensTest::credentialTargetsCannotEscapeTheFolder()
{
    TestDataDir data;
    const QString folder = data.filePath(QStringLiteral("credentials"));
    CredentialVault vault(folder);
    for (const QString& target : {QStringLiteral(".."), QStringLiteral("../x"), QStringLiteral("a/../../b")}) {
        QVERIFY(vault.write(target, "secret"));
        QCOMPARE(QFileInfo(vault.filePathFor(target)).absolutePath(), QFileInfo(folder).absoluteFilePath());
    }
    QCOMPARE(QDir(data.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"credentials"});
}

void TokensTest::credentialsThatAreNotTheUsersOwnFilesGiveNoToken_data()
{
    QTest::addColumn<QString>("kind");
    for (const char* kind : {"too large", "named pipe", "link to /dev/zero", "linked folder", "folder of another user",
                             "file of another user"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

void TokensTest::credentialsThatAreNotTheUsersOwnFilesGiveNoToken()
{
    QFETCH(QString, kind);
    TestDataDir data;
    const QString folder = data.filePath(QStringLiteral("credentials"));
    CredentialManagerTokenStore store(QStringLiteral("ledgerine"), folder);
    QVERIFY(store.write(TokenStore::kRefreshTokenKey, QStringLiteral("r-1")));
    const QByteArray file =
        QFile::encodeName(CredentialVault(folder).filePathFor(store.targetName(TokenStore::kRefreshTokenKey)));
    const QByteArray dir = QFile::encodeName(folder);
    const QByteArray real = dir + "-real";

    bool made = true;
    if (kind == u"too large") // sparse: read whole, it would take 100 MB
        made = ::truncate(file.constData(), 100 << 20) == 0;
    else if (kind == u"named pipe")
        made = ::unlink(file.constData()) == 0 && ::mkfifo(file.constData(), 0600) == 0;
    else if (kind == u"link to /dev/zero")
        made = ::unlink(file.constData()) == 0 && ::symlink("/dev/zero", file.constData()) == 0;
    else if (kind == u"linked folder")
        made = ::rename(dir.constData(), real.constData()) == 0 && ::symlink(real.constData(), dir.constData()) == 0;
    else if (::chown(kind.startsWith(u"folder") ? dir.constData() : file.constData(), 54321, 54321) != 0)
        QSKIP("Only root may give a file to another user");
    QVERIFY(made);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^CredentialVault: ")));
    QVERIFY(!store.read(TokenStore::kRefreshTokenKey).has_value());
}

void TokensTest::defaultStoreKeepsCredentialsInTheDataDirectory()
{
    TestDataDir data;
    const QString folder = data.filePath(QStringLiteral("credentials"));
    CredentialManagerTokenStore store(QStringLiteral("ledgerine"));
    QVERIFY(store.write(TokenStore::kRefreshTokenKey, QStringLiteral("r-1")));

    QVERIFY(QFileInfo::exists(CredentialVault(folder).filePathFor(store.targetName(TokenStore::kRefreshTokenKey))));
    QCOMPARE(CredentialManagerTokenStore(QStringLiteral("ledgerine"), folder).read(TokenStore::kRefreshTokenKey),
             std::optional<QString>(QStringLiteral("r-1")));
}

void TokensTest::concurrentRefreshesShareOneRequest()
{
    QHash<QString, QString> entries;
    TokenManager manager(std::make_unique<MemoryTokenStore>(&entries));
    manager.setTokens(QString(), QStringLiteral("old-refresh"));
    ManualRefresher refresher;
    manager.setRefresher(refresher.function());

    QList<QPair<int, RefreshResult>> answers;
    for (int i = 0; i < 3; ++i)
        manager.refresh([&answers, i](RefreshResult result) { answers.append({i, result}); });
    manager.refresh({});

    QCOMPARE(refresher.started, 1);
    QCOMPARE(refresher.lastRefreshToken, QStringLiteral("old-refresh"));
    QVERIFY(answers.isEmpty());

    const QString access = tokenExpiringIn(3600);
    refresher.succeed(access, QStringLiteral("new-refresh"));
    QCOMPARE(answers, (QList<QPair<int, RefreshResult>>{
                          {0, RefreshResult::Success}, {1, RefreshResult::Success}, {2, RefreshResult::Success}}));
    QCOMPARE(manager.accessToken(), access);
    QCOMPARE(entries.value(TokenStore::kRefreshTokenKey), QStringLiteral("new-refresh"));
}

void TokensTest::failedRefreshKeepsTokensAndReportsKind()
{
    QHash<QString, QString> entries;
    TokenManager manager(std::make_unique<MemoryTokenStore>(&entries));
    const QString access = tokenExpiringIn(10);
    manager.setTokens(access, QStringLiteral("r"));
    ManualRefresher refresher;
    manager.setRefresher(refresher.function());

    QList<RefreshResult> answers;
    const auto record = [&answers](RefreshResult result) { answers.append(result); };

    manager.refresh(record);
    refresher.fail(false);
    manager.refresh(record);
    refresher.fail(true);

    QCOMPARE(refresher.started, 2);
    QCOMPARE(answers, (QList<RefreshResult>{RefreshResult::TransientFailure, RefreshResult::Rejected}));
    QCOMPARE(manager.heldAccessToken(), access);
    QCOMPARE(manager.refreshToken(), QStringLiteral("r"));
}

void TokensTest::refreshWithoutRefreshTokenIsRejectedAtOnce()
{
    QHash<QString, QString> entries;
    TokenManager manager(std::make_unique<MemoryTokenStore>(&entries));
    ManualRefresher refresher;

    QList<RefreshResult> answers;
    // No refresher installed yet, although a refresh token is held.
    manager.setTokens(QString(), QStringLiteral("r"));
    manager.refresh([&answers](RefreshResult result) { answers.append(result); });

    manager.setRefresher(refresher.function());
    manager.setTokens(QString(), QString());
    manager.refresh([&answers](RefreshResult result) { answers.append(result); });

    QCOMPARE(answers, (QList<RefreshResult>{RefreshResult::Rejected, RefreshResult::Rejected}));
    QCOMPARE(refresher.started, 0);

    // Nothing was left in flight: with a token the next one does start.
    manager.setTokens(QString(), QStringLiteral("r"));
    manager.refresh({});
    QCOMPARE(refresher.started, 1);
}

void TokensTest::waiterMayStartTheNextRefresh()
{
    QHash<QString, QString> entries;
    TokenManager manager(std::make_unique<MemoryTokenStore>(&entries));
    manager.setTokens(QString(), QStringLiteral("r1"));
    ManualRefresher refresher;
    manager.setRefresher(refresher.function());

    QList<RefreshResult> second;
    manager.refresh([&](RefreshResult first) {
        QCOMPARE(first, RefreshResult::Success);
        // The lock is free while a waiter runs, so this starts a new refresh
        // instead of deadlocking or joining the finished one.
        manager.refresh([&second](RefreshResult result) { second.append(result); });
    });
    refresher.succeed(tokenExpiringIn(5), QStringLiteral("r2"));

    QCOMPARE(refresher.started, 2);
    QCOMPARE(refresher.lastRefreshToken, QStringLiteral("r2"));
    QVERIFY(second.isEmpty());
    refresher.succeed(tokenExpiringIn(3600), QStringLiteral("r3"));
    QCOMPARE(second, QList<RefreshResult>{RefreshResult::Success});
}

void TokensTest::lateOrRepeatedCompletionIsIgnored()
{
    QHash<QString, QString> entries;
    TokenManager manager(std::make_unique<MemoryTokenStore>(&entries));
    manager.setTokens(QString(), QStringLiteral("r1"));
    ManualRefresher refresher;
    manager.setRefresher(refresher.function());

    QList<RefreshResult> answers;
    manager.refresh([&answers](RefreshResult result) { answers.append(result); });
    const auto firstSucceed = refresher.succeed;
    const auto firstFail = refresher.fail;
    firstFail(false);

    manager.refresh([&answers](RefreshResult result) { answers.append(result); });
    // The first refresh answering again must not end the second one.
    firstSucceed(QStringLiteral("stale"), QStringLiteral("stale"));
    firstFail(true);
    QCOMPARE(answers, QList<RefreshResult>{RefreshResult::TransientFailure});
    QCOMPARE(manager.refreshToken(), QStringLiteral("r1"));

    refresher.fail(true);
    QCOMPARE(answers, (QList<RefreshResult>{RefreshResult::TransientFailure, RefreshResult::Rejected}));
}

void TokensTest::signOutDuringARefreshStaysSignedOut()
{
    QHash<QString, QString> entries;
    TokenManager manager(std::make_unique<MemoryTokenStore>(&entries));
    manager.setTokens(tokenExpiringIn(10), QStringLiteral("r1"));
    ManualRefresher refresher;
    manager.setRefresher(refresher.function());

    QList<RefreshResult> answers;
    manager.refresh([&answers](RefreshResult result) { answers.append(result); });
    manager.clear();
    // Asked after the sign-out: nothing to refresh with, so refused at once.
    manager.refresh([&answers](RefreshResult result) { answers.append(result); });
    QCOMPARE(answers, QList<RefreshResult>{RefreshResult::Rejected});

    refresher.succeed(tokenExpiringIn(3600), QStringLiteral("r2"));
    QCOMPARE(answers, (QList<RefreshResult>{RefreshResult::Rejected, RefreshResult::Rejected}));
    QCOMPARE(manager.heldAccessToken(), QString());
    QCOMPARE(manager.refreshToken(), QString());
    QVERIFY(entries.isEmpty());
    QCOMPARE(refresher.started, 1);

    // A refresh that ends after the pair was loaded again, even refused,
    // says nothing about the pair now held: its caller waits for a refresh
    // of that pair instead.
    entries.insert(TokenStore::kRefreshTokenKey, QStringLiteral("r3"));
    manager.loadTokens();
    manager.refresh([&answers](RefreshResult result) { answers.append(result); });
    manager.loadTokens();
    refresher.fail(true);
    QCOMPARE(answers.size(), 2);
    QCOMPARE(refresher.started, 3);
    QCOMPARE(refresher.lastRefreshToken, QStringLiteral("r3"));
    QCOMPARE(manager.refreshToken(), QStringLiteral("r3"));
    refresher.fail(false);
    QCOMPARE(answers.last(), RefreshResult::TransientFailure);
}

void TokensTest::signInDuringARefreshKeepsTheNewPair()
{
    QHash<QString, QString> entries;
    TokenManager manager(std::make_unique<MemoryTokenStore>(&entries));
    manager.setTokens(tokenExpiringIn(10), QStringLiteral("old-refresh"));
    ManualRefresher refresher;
    manager.setRefresher(refresher.function());

    QList<RefreshResult> oldSession;
    manager.refresh([&oldSession](RefreshResult result) { oldSession.append(result); });
    const TokenManager::RefreshSucceeded oldSucceed = refresher.succeed;

    // The same user signs in again.
    const QString signedIn = tokenExpiringIn(10);
    manager.setTokens(signedIn, QStringLiteral("new-refresh"));
    // The new session's refresh does not join the old one: it sends its own token.
    QList<RefreshResult> newSession;
    manager.refresh([&newSession](RefreshResult result) { newSession.append(result); });
    QCOMPARE(refresher.started, 2);
    QCOMPARE(refresher.lastRefreshToken, QStringLiteral("new-refresh"));

    oldSucceed(tokenExpiringIn(3600), QStringLiteral("old-refresh-2"));
    // Nothing of the old session is stored, and its callers are not refused
    // (that would sign out the user who has just signed in): the new pair's
    // access token is about to expire, so they wait for its refresh.
    QVERIFY(oldSession.isEmpty());
    QVERIFY(newSession.isEmpty());
    QCOMPARE(refresher.started, 2);
    QCOMPARE(manager.heldAccessToken(), signedIn);
    QCOMPARE(manager.refreshToken(), QStringLiteral("new-refresh"));
    QCOMPARE(entries.value(TokenStore::kRefreshTokenKey), QStringLiteral("new-refresh"));

    const QString refreshed = tokenExpiringIn(3600);
    refresher.succeed(refreshed, QStringLiteral("new-refresh-2"));
    QCOMPARE(newSession, QList<RefreshResult>{RefreshResult::Success});
    QCOMPARE(oldSession, QList<RefreshResult>{RefreshResult::Success});
    QCOMPARE(manager.accessToken(), refreshed);
    QCOMPARE(entries.value(TokenStore::kRefreshTokenKey), QStringLiteral("new-refresh-2"));
}

void TokensTest::refusalOfASupersededRefreshSignsNobodyOut()
{
    QHash<QString, QString> entries;
    TokenManager manager(std::make_unique<MemoryTokenStore>(&entries));
    manager.setTokens(tokenExpiringIn(10), QStringLiteral("old-refresh"));
    ManualRefresher refresher;
    manager.setRefresher(refresher.function());

    QList<RefreshResult> answers;
    manager.refresh([&answers](RefreshResult result) { answers.append(result); });
    manager.refresh([&answers](RefreshResult result) { answers.append(result); });

    // A new sign-in of the same user with a usable token: the old session's
    // refusal only means its callers go on with the new token, at once and
    // with no request.
    const QString signedIn = tokenExpiringIn(3600);
    manager.setTokens(signedIn, QStringLiteral("new-refresh"));
    refresher.fail(true);
    QCOMPARE(answers, (QList<RefreshResult>{RefreshResult::Success, RefreshResult::Success}));
    QCOMPARE(refresher.started, 1);
    QCOMPARE(manager.accessToken(), signedIn);
    QCOMPARE(entries.value(TokenStore::kRefreshTokenKey), QStringLiteral("new-refresh"));
}

void TokensTest::callersOfAnotherUsersRefreshFailWithoutSigningOut()
{
    QHash<QString, QString> entries;
    TokenManager manager(std::make_unique<MemoryTokenStore>(&entries));
    ManualRefresher refresher;
    manager.setRefresher(refresher.function());

    // Whether the new user's token is usable or not, and whether the old
    // refresh is refused or succeeds, its callers fail as if the network
    // had: nothing of theirs goes out as the new user, and nobody is signed out.
    for (const qint64 newTokenLife : {qint64(3600), qint64(10)}) {
        for (const bool refused : {true, false}) {
            manager.setTokens(tokenExpiringIn(10, QStringLiteral("alice")), QStringLiteral("alice-refresh"));
            const int startedBefore = refresher.started;
            QList<RefreshResult> answers;
            manager.refresh([&answers](RefreshResult result) { answers.append(result); });
            manager.refresh([&answers](RefreshResult result) { answers.append(result); });
            const TokenManager::RefreshSucceeded aliceSucceed = refresher.succeed;
            const TokenManager::RefreshFailed aliceFail = refresher.fail;

            // Alice signs out and Bob signs in while her refresh is out.
            manager.clear();
            const QString bob = tokenExpiringIn(newTokenLife, QStringLiteral("bob"));
            manager.setTokens(bob, QStringLiteral("bob-refresh"));
            if (refused)
                aliceFail(true);
            else
                aliceSucceed(tokenExpiringIn(3600, QStringLiteral("alice")), QStringLiteral("alice-refresh-2"));

            QCOMPARE(answers,
                     (QList<RefreshResult>{RefreshResult::TransientFailure, RefreshResult::TransientFailure}));
            QCOMPARE(refresher.started, startedBefore + 1);
            QCOMPARE(manager.heldAccessToken(), bob);
            QCOMPARE(entries.value(TokenStore::kRefreshTokenKey), QStringLiteral("bob-refresh"));
        }
    }

    // Whose a pair is: the same tokens, or access tokens naming one "sub".
    manager.setTokens(tokenExpiringIn(3600, QStringLiteral("bob")), QStringLiteral("bob-refresh"));
    QVERIFY(!manager.holdsAnotherUsersPair(tokenExpiringIn(-60, QStringLiteral("bob"))));
    QVERIFY(!manager.holdsAnotherUsersPair(QString(), QStringLiteral("bob-refresh")));
    QVERIFY(manager.holdsAnotherUsersPair(tokenExpiringIn(3600, QStringLiteral("alice")), QStringLiteral("r")));
    QVERIFY(manager.holdsAnotherUsersPair(QString(), QStringLiteral("other-refresh")));
    QVERIFY(manager.holdsAnotherUsersPair(makeToken(QByteArray(R"({"exp":4102444800})"))));
    manager.setTokens(makeToken(QByteArray(R"({"exp":4102444800})")), QStringLiteral("anonymous"));
    QVERIFY(manager.holdsAnotherUsersPair(makeToken(QByteArray(R"({"exp":4102444801})"))));
    // Signed out, nobody holds a pair.
    manager.clear();
    QVERIFY(!manager.holdsAnotherUsersPair(tokenExpiringIn(3600, QStringLiteral("alice")), QStringLiteral("r")));
}

QTEST_GUILESS_MAIN(TokensTest)
#include "tst_tokens.moc"
