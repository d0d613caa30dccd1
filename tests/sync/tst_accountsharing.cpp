#include "account/ApiClient.h"
#include "account/TokenManager.h"
#include "storage/RecordId.h"
#include "sync/AccountSharingService.h"
#include "tests/support/FakeSyncService.h"
#include "tests/support/TestTokens.h"

#include <QJsonArray>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <optional>

using namespace Qt::StringLiterals;
using TandAccount::ShareMember;

Q_DECLARE_METATYPE(FakeResponse)

namespace {

const QString kAccount = QStringLiteral("5f0c2b8e-1d2a-4c3b-9e8f-0a1b2c3d4e5f");

struct ShareAnswer
{
    bool ok = false;
    QString error;
};

} // namespace

class AccountSharingTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void sharesAreListedAddedAndWithdrawn();
    void shareBodies_data();
    void shareBodies();
    void failedSharesSayWhy_data();
    void failedSharesSayWhy();
    void memberListsTellFailureFromEmpty();
    void idsGoIntoThePathAsOneSegment();
    void hostileIdsAreRefusedWithoutARequest_data();
    void hostileIdsAreRefusedWithoutARequest();

private:
    std::optional<ShareAnswer> shareAndWait(const QString& who, const QString& role);
    std::optional<QList<ShareMember>> listAndWait(bool* ok = nullptr);

    FakeSyncService* m_service = nullptr;
    QHash<QString, QString> m_tokens;
    std::unique_ptr<TandAccount::ApiClient> m_api;
    std::unique_ptr<AccountSharingService> m_sharing;
};

void AccountSharingTest::init()
{
    m_service = new FakeSyncService(this);
    QVERIFY(m_service->start());
    m_service->addShareUser(QStringLiteral("acc-ann"), QStringLiteral("ann@example.org"), QStringLiteral("Ann"));
    m_service->addShareUser(QStringLiteral("acc-bob"), QStringLiteral("bob@example.org"), QStringLiteral("Bob"));
    m_service->setAccountOwner(kAccount, QStringLiteral("acc-ann"));

    auto* tokens = new TandAccount::TokenManager(std::make_unique<MemoryTokenStore>(&m_tokens));
    tokens->setTokens(tokenExpiringIn(3600), QStringLiteral("refresh"));
    m_api = std::make_unique<TandAccount::ApiClient>(tokens);
    tokens->setParent(m_api.get());
    m_api->setBaseUrl(QUrl(m_service->baseUrl().toString() + QStringLiteral("/v1")));
    m_sharing = std::make_unique<AccountSharingService>(m_api.get());
}

void AccountSharingTest::cleanup()
{
    m_sharing.reset();
    m_api.reset();
    delete m_service;
}

std::optional<ShareAnswer> AccountSharingTest::shareAndWait(const QString& who, const QString& role)
{
    std::optional<ShareAnswer> answer;
    m_sharing->shareWith(kAccount, who, role,
                         [&answer](bool ok, const QString& error) { answer = ShareAnswer{ok, error}; });
    if (!QTest::qWaitFor([&answer] { return answer.has_value(); }))
        return std::nullopt;
    return answer;
}

std::optional<QList<ShareMember>> AccountSharingTest::listAndWait(bool* ok)
{
    std::optional<QList<ShareMember>> members;
    m_sharing->listMembers(kAccount, [&](bool answeredOk, const QList<ShareMember>& list) {
        if (ok)
            *ok = answeredOk;
        members = list;
    });
    if (!QTest::qWaitFor([&members] { return members.has_value(); }))
        return std::nullopt;
    return members;
}

void AccountSharingTest::sharesAreListedAddedAndWithdrawn()
{
    // The fake serves the sharing endpoints at its root; the transport's base
    // has a path of its own.
    m_api->setBaseUrl(m_service->baseUrl());
    QSignalSpy changed(m_sharing.get(), &AccountSharingService::sharingChanged);

    std::optional<ShareAnswer> shared = shareAndWait(QStringLiteral("acc-bob"), {});
    QVERIFY(shared);
    QVERIFY(shared->ok);
    QCOMPARE(shared->error, QString());
    QCOMPARE(m_service->sharedWith(kAccount), QStringList{QStringLiteral("acc-bob")});
    QCOMPARE(m_service->shareRole(kAccount, QStringLiteral("acc-bob")), QStringLiteral("member"));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), kAccount);

    bool ok = false;
    std::optional<QList<ShareMember>> members = listAndWait(&ok);
    QVERIFY(members);
    QVERIFY(ok);
    QCOMPARE(members->size(), 2);
    QCOMPARE(members->at(0).role, QStringLiteral("owner"));
    const ShareMember bob = members->at(1);
    QCOMPARE(bob.id, QStringLiteral("acc-bob"));
    QCOMPARE(bob.user_id, QStringLiteral("acc-bob"));
    QCOMPARE(bob.email, QStringLiteral("bob@example.org"));
    QCOMPARE(bob.display_name, QStringLiteral("Bob"));
    QCOMPARE(bob.created_at, QStringLiteral("2024-03-05T14:07:00Z"));

    int removed = -1;
    m_sharing->removeShare(kAccount, bob.id, [&removed](bool answeredOk) { removed = answeredOk; });
    QTRY_COMPARE(removed, 1);
    QCOMPARE(m_service->sharedWith(kAccount), QStringList());
    QCOMPARE(changed.size(), 2);
    // Withdrawing again finds nothing to withdraw, and nothing has changed.
    m_sharing->removeShare(kAccount, bob.id, [&removed](bool answeredOk) { removed = answeredOk; });
    QTRY_COMPARE(removed, 0);
    QCOMPARE(changed.size(), 2);

    const QList<RecordedRequest> sent = m_service->server()->requests();
    QCOMPARE(sent.size(), 4);
    QCOMPARE(sent.at(0).method, "POST");
    QCOMPARE(sent.at(0).path, u"/accounts/" + kAccount + u"/share");
    QCOMPARE(sent.at(1).method, "GET");
    QCOMPARE(sent.at(1).path, u"/accounts/" + kAccount + u"/members");
    QVERIFY(!sent.at(1).hasQuery);
    QCOMPARE(sent.at(2).method, "DELETE");
    QCOMPARE(sent.at(2).path, u"/accounts/" + kAccount + u"/share/acc-bob");
    for (const RecordedRequest& request : sent)
        QVERIFY(request.header("Authorization").startsWith("Bearer "));
}

void AccountSharingTest::shareBodies_data()
{
    QTest::addColumn<QString>("who");
    QTest::addColumn<QString>("role");
    QTest::addColumn<QJsonObject>("body");

    QTest::newRow("address, default role")
        << QStringLiteral("bob@example.org") << QString()
        << QJsonObject{{QStringLiteral("email"), QStringLiteral("bob@example.org")},
                       {QStringLiteral("user_id"), QStringLiteral("bob@example.org")},
                       {QStringLiteral("role"), QStringLiteral("member")}};
    QTest::newRow("user id, own role")
        << QStringLiteral("acc-bob") << QStringLiteral("viewer")
        << QJsonObject{{QStringLiteral("user_id"), QStringLiteral("acc-bob")},
                       {QStringLiteral("role"), QStringLiteral("viewer")}};
}

void AccountSharingTest::shareBodies()
{
    QFETCH(QString, who);
    QFETCH(QString, role);
    QFETCH(QJsonObject, body);
    m_service->server()->respondOnce("POST", u"/v1/accounts/" + kAccount + u"/share", FakeResponse::empty(201));

    QVERIFY(shareAndWait(who, role));
    const QList<RecordedRequest> sent = m_service->server()->requests();
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent.at(0).path, u"/v1/accounts/" + kAccount + u"/share");
    QCOMPARE(sent.at(0).json(), body);
}

void AccountSharingTest::failedSharesSayWhy_data()
{
    QTest::addColumn<FakeResponse>("response");
    QTest::addColumn<QString>("error");

    QTest::newRow("the service's words")
        << FakeResponse::json(409, {{QStringLiteral("error"), QStringLiteral("Already shared with this person")}})
        << QStringLiteral("Already shared with this person");
    QTest::newRow("no words") << FakeResponse::json(403, {}) << QStringLiteral("Failed to share account (HTTP 403)");
    QTest::newRow("blank words") << FakeResponse::json(500, {{QStringLiteral("error"), QStringLiteral("  ")}})
                                 << QStringLiteral("Failed to share account (HTTP 500)");
    QTest::newRow("words that are no text")
        << FakeResponse::json(400, {{QStringLiteral("error"), QJsonObject{{QStringLiteral("code"), 7}}}})
        << QStringLiteral("Failed to share account (HTTP 400)");
    QTest::newRow("a page that is no JSON") << FakeResponse::raw(502, "<html>Bad gateway</html>", "text/html")
                                            << QStringLiteral("Failed to share account (HTTP 502)");
    QTest::newRow("a captive portal's page")
        << FakeResponse::raw(200, "<html>Sign in to the hotel network</html>", "text/html")
        << QStringLiteral("Failed to share account: the answer did not come from the sharing service.");
    QTest::newRow("a torrent of words")
        << FakeResponse::json(400, {{QStringLiteral("error"), QString(5000, u'x')}})
        << QString(AccountSharingService::kMaxErrorLength - 1, u'x') + QChar(0x2026);
}

void AccountSharingTest::failedSharesSayWhy()
{
    QFETCH(FakeResponse, response);
    QFETCH(QString, error);
    m_service->server()->respondOnce("POST", u"/v1/accounts/" + kAccount + u"/share", response);
    QSignalSpy changed(m_sharing.get(), &AccountSharingService::sharingChanged);

    const std::optional<ShareAnswer> answer = shareAndWait(QStringLiteral("acc-bob"), {});
    QVERIFY(answer);
    QVERIFY(!answer->ok);
    QCOMPARE(answer->error, error);
    QVERIFY(changed.isEmpty());
}

void AccountSharingTest::memberListsTellFailureFromEmpty()
{
    const QString path = u"/v1/accounts/" + kAccount + u"/members";
    m_service->server()->respondOnce("GET", path, FakeResponse::json(200, {{QStringLiteral("members"), QJsonArray()}}));
    bool ok = false;
    std::optional<QList<ShareMember>> members = listAndWait(&ok);
    QVERIFY(members);
    QVERIFY(ok);
    QVERIFY(members->isEmpty());

    // An answer without the list, or a captive portal's page, is no answer:
    // it must not read as "only you can see this account".
    const QList<FakeResponse> notLists{
        FakeResponse::json(200, {}),
        FakeResponse::json(200, {{QStringLiteral("members"), QJsonObject()}}),
        FakeResponse::raw(200, "<html>Sign in to the hotel network</html>", "text/html"),
    };
    for (const FakeResponse& answer : notLists) {
        m_service->server()->respondOnce("GET", path, answer);
        members = listAndWait(&ok);
        QVERIFY(members);
        QVERIFY(!ok);
        QVERIFY(members->isEmpty());
    }

    m_service->server()->respondOnce(
        "GET", path, FakeResponse::json(500, {{QStringLiteral("members"), QJsonArray{QJsonObject{}}}}));
    members = listAndWait(&ok);
    QVERIFY(members);
    QVERIFY(!ok);
    QVERIFY(members->isEmpty());

    // Nobody listening: the request still goes out, and nothing breaks.
    m_sharing->listMembers(kAccount, {});
    m_sharing->shareWith(kAccount, QStringLiteral("acc-bob"), {}, {});
    m_sharing->removeShare(kAccount, QStringLiteral("acc-bob"), {});
    QTRY_COMPARE(m_service->server()->requests().size(), 8);
}

void AccountSharingTest::idsGoIntoThePathAsOneSegment()
{
    m_api->setBaseUrl(m_service->baseUrl());
    m_service->addShareUser(u"john.doe"_s, {}, {});
    QVERIFY(shareAndWait(u"john.doe"_s, {}).value_or(ShareAnswer()).ok);
    QList<bool> removed;
    for (const QString& user : {u"john.doe"_s, u"a/b"_s})
        m_sharing->removeShare(kAccount, user, [&removed](bool ok) { removed.append(ok); });
    QTRY_COMPARE(removed.size(), 2);
    QVERIFY(m_service->sharedWith(kAccount).isEmpty());
    QStringList withdrawn;
    for (const RecordedRequest& request : m_service->server()->requests()) {
        if (request.method == "DELETE")
            withdrawn.append(QString::fromLatin1(request.target));
    }
    withdrawn.sort();
    const QString share = u"/accounts/" + kAccount + u"/share/";
    QCOMPARE(withdrawn, (QStringList{share + u"a%2Fb", share + u"john.doe"}));
}

void AccountSharingTest::hostileIdsAreRefusedWithoutARequest_data()
{
    QTest::addColumn<QString>("accountId");
    QTest::addColumn<QString>("userId");

    const QString tooLong(kMaxRecordIdLength + 1, u'a');
    QTest::newRow("account: parent") << QStringLiteral("..") << QStringLiteral("acc-bob");
    QTest::newRow("account: dot") << QStringLiteral(".") << QStringLiteral("acc-bob");
    QTest::newRow("account: too long") << tooLong << QStringLiteral("acc-bob");
    QTest::newRow("account: empty") << QString() << QStringLiteral("acc-bob");
    QTest::newRow("user: parent") << kAccount << QStringLiteral("..");
    QTest::newRow("user: too long") << kAccount << tooLong;
    QTest::newRow("user: empty") << kAccount << QString();
}

void AccountSharingTest::hostileIdsAreRefusedWithoutARequest()
{
    QFETCH(QString, accountId);
    QFETCH(QString, userId);
    const bool accountRefused = accountId != kAccount;
    const QRegularExpression refusal(QStringLiteral("^AccountSharingService: refused a request"));

    QList<QString> answers;
    QTest::ignoreMessage(QtWarningMsg, refusal);
    m_sharing->removeShare(accountId, userId, [&answers](bool ok) { answers << (ok ? u"removed"_s : u"kept"_s); });
    if (accountRefused) {
        QTest::ignoreMessage(QtWarningMsg, refusal);
        m_sharing->listMembers(accountId, [&answers](bool ok, const QList<ShareMember>&) {
            answers << (ok ? u"listed"_s : u"unlisted"_s);
        });
        QTest::ignoreMessage(QtWarningMsg, refusal);
        m_sharing->shareWith(accountId, QStringLiteral("acc-bob"), {}, [&answers](bool ok, const QString& error) {
            answers << (ok || error.isEmpty() ? u"shared"_s : u"not shared"_s);
        });
    }
    // Refused at once, before the calls returned.
    if (accountRefused)
        QCOMPARE(answers, (QList<QString>{u"kept"_s, u"unlisted"_s, u"not shared"_s}));
    else
        QCOMPARE(answers, QList<QString>{u"kept"_s});
    QTest::qWait(50);
    QVERIFY(m_service->server()->requests().isEmpty());
}

QTEST_GUILESS_MAIN(AccountSharingTest)
#include "tst_accountsharing.moc"
