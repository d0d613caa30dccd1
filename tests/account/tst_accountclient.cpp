#include "account/AccountClient.h"
#include "account/AuthClient.h"
#include "account/Client.h"
#include "account/DeviceIdentity.h"
#include "account/TokenManager.h"
#include "storage/RecordId.h"
#include "tests/support/FakeAccountService.h"
#include "tests/support/FakeAuthService.h"
#include "tests/support/TestTokens.h"

#include <QJsonArray>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <memory>

using namespace TandAccount;

namespace {

const QString kAnn = QStringLiteral("acc-ann");
const QString kBob = QStringLiteral("acc-bob");
const QString kCy = QStringLiteral("acc-cy");

QSet<QString> keysOf(const QJsonObject& object)
{
    const QStringList keys = object.keys();
    return {keys.cbegin(), keys.cend()};
}

} // namespace

class AccountClientTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void everyCallSendsItsRequest();
    void recordAnswersTellFailureFromEmpty();
    void devicesListKeepsElementsThatAreNoObjects();
    void joiningAndLeavingRenewTheTokens();
    void failedGroupChangesChangeNothing();
    void idsGoIntoThePathAsOneSegment();
    void hostileIdsAreRefusedWithoutARequest_data();
    void hostileIdsAreRefusedWithoutARequest();

private:
    // A client signed in as `accountId`'s user.
    std::unique_ptr<Client> signedInAs(const QString& accountId);
    QList<RecordedRequest> requests() const { return m_accounts->server()->requests(); }

    FakeAuthService* m_auth = nullptr;
    FakeAccountService* m_accounts = nullptr;
    QHash<QString, QString> m_entries;
    QString m_group;
};

void AccountClientTest::init()
{
    m_auth = new FakeAuthService(QStringLiteral("tandrel"), this);
    m_accounts = new FakeAccountService(m_auth, this);
    QVERIFY(m_auth->start());
    QVERIFY(m_accounts->start());
    m_accounts->addUser({kAnn, QStringLiteral("user-ann"), QStringLiteral("ann@example.org"), QStringLiteral("Ann")});
    m_accounts->addUser({kBob, QStringLiteral("user-bob"), QStringLiteral("bob@example.org"), QStringLiteral("Bob")});
    m_accounts->addUser({kCy, QStringLiteral("user-cy"), QStringLiteral("cy@example.org"), QString()});
    m_group = m_accounts->createGroup(QStringLiteral("Family"), kAnn);
    m_accounts->addToGroup(m_group, kBob);
    m_entries.clear();
}

void AccountClientTest::cleanup()
{
    delete m_accounts;
    delete m_auth;
}

std::unique_ptr<Client> AccountClientTest::signedInAs(const QString& accountId)
{
    const FakeAuthService::TokenPair pair = m_auth->signIn(u"user-" + accountId.section(u'-', 1));
    m_entries.insert(TokenStore::kAccessTokenKey, pair.access);
    m_entries.insert(TokenStore::kRefreshTokenKey, pair.refresh);
    ClientConfig config;
    config.authBaseUrl = m_auth->baseUrl().toString();
    config.realm = QStringLiteral("tandrel");
    config.accountApiUrl = m_accounts->baseUrl().toString();
    config.clientId = QString::fromLatin1(FakeAuthService::kClientId);
    config.appId = QStringLiteral("ledgerine-test");
    config.appVersion = QStringLiteral("1.2.3");
    config.platform = QStringLiteral("testos");
    auto client = std::make_unique<Client>(config, std::make_unique<MemoryTokenStore>(&m_entries));
    client->initialize();
    return client;
}

void AccountClientTest::everyCallSendsItsRequest()
{
    auto client = signedInAs(kAnn);
    AccountClient* accounts = client->accountClient();
    const QString otherDevice = m_accounts->addDevice(kAnn, QStringLiteral("Old laptop"));

    Profile profile;
    accounts->getProfile([&profile](bool ok, const Profile& answer) {
        QVERIFY(ok);
        profile = answer;
    });
    QTRY_COMPARE(profile.id, kAnn);
    QCOMPARE(profile.group->role, QStringLiteral("owner"));

    Group group;
    accounts->getGroup([&group](bool ok, const Group& answer) {
        QVERIFY(ok);
        group = answer;
    });
    QTRY_COMPARE(group.id, m_group);
    QCOMPARE(group.members.size(), 2);
    QCOMPARE(group.members.at(1).display_name, QStringLiteral("Bob"));

    QList<GroupInvitation> invitations;
    const auto collect = [&invitations](bool ok, const GroupInvitation& invitation) {
        QVERIFY(ok);
        invitations.append(invitation);
    };
    accounts->inviteByEmail(QStringLiteral("dee@example.org"), collect);
    QTRY_COMPARE(invitations.size(), 1);
    accounts->generateInviteCode(collect);
    QTRY_COMPARE(invitations.size(), 2);
    QCOMPARE(invitations.at(0).invited_email, QStringLiteral("dee@example.org"));
    QVERIFY(!invitations.at(1).invite_code.isEmpty());

    QList<bool> done;
    const auto record = [&done](bool ok) { done.append(ok); };
    QSignalSpy groupChanged(accounts, &AccountClient::groupChanged);
    accounts->revokeInvitation(invitations.at(0).id, record);
    accounts->removeMember(kBob, record);
    accounts->registerDevice(record);
    accounts->removeDevice(otherDevice, record);
    accounts->deleteAccount(record);
    QTRY_COMPARE(done.size(), 5);
    QCOMPARE(done, QList<bool>(5, true));
    // Removing a member changes the group, but not the caller's own claims.
    QCOMPARE(groupChanged.size(), 1);
    QVERIFY(m_auth->server()->requestsTo("POST", m_auth->realmPath(QStringLiteral("/auth/token/refresh"))).isEmpty());

    QList<Device> devices;
    accounts->getDevices([&devices](bool ok, const QList<Device>& answer) {
        QVERIFY(ok);
        devices = answer;
    });
    QTRY_COMPARE(devices.size(), 1);
    QCOMPARE(devices.at(0).device_name, deviceName());

    QCOMPARE(m_accounts->memberIds(m_group), QStringList{kAnn});
    QCOMPARE(m_accounts->pendingInvitationCount(m_group), 1);
    QVERIFY(m_accounts->isScheduledForDeletion(kAnn));

    struct Expected
    {
        QByteArray method;
        QString path;
        QSet<QString> bodyKeys;
    };
    const QList<Expected> expected{
        {"GET", QStringLiteral("/profile"), {}},
        {"GET", QStringLiteral("/group"), {}},
        {"POST", QStringLiteral("/group/invite"), {QStringLiteral("email")}},
        {"POST", QStringLiteral("/group/invite"), {}},
        {"DELETE", u"/group/invitations/" + invitations.at(0).id, {}},
        {"DELETE", u"/group/members/" + kBob, {}},
        {"POST", QStringLiteral("/devices/register"),
         {QStringLiteral("device_name"), QStringLiteral("platform"), QStringLiteral("app_id"),
          QStringLiteral("app_version"), QStringLiteral("device_fingerprint")}},
        {"DELETE", u"/devices/" + otherDevice, {}},
        {"DELETE", QStringLiteral("/profile"), {}},
        {"GET", QStringLiteral("/devices"), {}},
    };
    // The three deletions and the registration went out together and may
    // arrive in any order.
    QList<RecordedRequest> sent = requests();
    QCOMPARE(sent.size(), expected.size());
    for (const Expected& want : expected) {
        const auto found = std::find_if(sent.cbegin(), sent.cend(), [&want](const RecordedRequest& request) {
            return request.method == want.method && request.path == want.path && keysOf(request.json()) == want.bodyKeys;
        });
        QVERIFY2(found != sent.cend(), qPrintable(QString::fromLatin1(want.method) + u' ' + want.path));
        QVERIFY(found->header("Authorization").startsWith("Bearer "));
        QVERIFY(!found->hasQuery);
        if (want.bodyKeys.isEmpty())
            QVERIFY(found->body.isEmpty());
        sent.erase(found);
    }

    const QJsonObject registration =
        m_accounts->server()->requestsTo("POST", QStringLiteral("/devices/register")).at(0).json();
    QCOMPARE(registration.value(QLatin1String("app_id")).toString(), QStringLiteral("ledgerine-test"));
    QCOMPARE(registration.value(QLatin1String("app_version")).toString(), QStringLiteral("1.2.3"));
    // The device's own platform, not the transport's header text.
    QCOMPARE(registration.value(QLatin1String("platform")).toString(), devicePlatform());
    QCOMPARE(registration.value(QLatin1String("device_fingerprint")).toString(), deviceFingerprint("ledgerine-test"));
}

void AccountClientTest::recordAnswersTellFailureFromEmpty()
{
    auto client = signedInAs(kCy);
    AccountClient* accounts = client->accountClient();

    // Cy is in no group: that is an answer, and an empty one.
    int groupOk = -1;
    Group group;
    accounts->getGroup([&](bool ok, const Group& answer) {
        groupOk = ok;
        group = answer;
    });
    QTRY_COMPARE(groupOk, 1);
    QCOMPARE(group, Group());

    // A server fault is a failure, whatever its body holds.
    const QJsonObject bogus{{QStringLiteral("id"), QStringLiteral("bogus")},
                            {QStringLiteral("devices"), QJsonArray{QJsonObject{{QStringLiteral("id"), 1}}}}};
    for (const QString& path : {QStringLiteral("/profile"), QStringLiteral("/group"), QStringLiteral("/devices")})
        m_accounts->server()->respondOnce("GET", path, FakeResponse::json(500, bogus));
    m_accounts->server()->respondOnce("POST", QStringLiteral("/group/invite"), FakeResponse::json(502, bogus));

    QStringList failures;
    accounts->getProfile([&](bool ok, const Profile& answer) {
        if (!ok && answer == Profile())
            failures << QStringLiteral("profile");
    });
    accounts->getGroup([&](bool ok, const Group& answer) {
        if (!ok && answer == Group())
            failures << QStringLiteral("group");
    });
    accounts->getDevices([&](bool ok, const QList<Device>& answer) {
        if (!ok && answer.isEmpty())
            failures << QStringLiteral("devices");
    });
    accounts->generateInviteCode([&](bool ok, const GroupInvitation& answer) {
        if (!ok && answer == GroupInvitation())
            failures << QStringLiteral("invitation");
    });
    QTRY_COMPARE(failures.size(), 4);

    // A device list without its key, or a group without its id, is no
    // answer: "no devices" and "no group" come only from the service.
    m_accounts->server()->respondOnce("GET", QStringLiteral("/devices"), FakeResponse::json(200, {}));
    m_accounts->server()->respondOnce("GET", QStringLiteral("/group"),
                                      FakeResponse::json(200, {{QStringLiteral("name"), QStringLiteral("Family")}}));
    int devicesOk = -1;
    accounts->getDevices([&](bool ok, const QList<Device>& answer) { devicesOk = ok || !answer.isEmpty(); });
    groupOk = -1;
    accounts->getGroup([&](bool ok, const Group& answer) { groupOk = ok || answer != Group(); });
    QTRY_VERIFY(devicesOk != -1 && groupOk != -1);
    QCOMPARE(devicesOk, 0);
    QCOMPARE(groupOk, 0);
    m_accounts->server()->respondOnce("GET", QStringLiteral("/devices"),
                                      FakeResponse::json(200, {{QStringLiteral("devices"), QJsonArray()}}));
    accounts->getDevices([&](bool ok, const QList<Device>& answer) { devicesOk = ok && answer.isEmpty(); });
    QTRY_COMPARE(devicesOk, 1);
}

void AccountClientTest::devicesListKeepsElementsThatAreNoObjects()
{
    auto client = signedInAs(kAnn);
    m_accounts->server()->respondOnce(
        "GET", QStringLiteral("/devices"),
        FakeResponse::raw(200, R"({"devices":[{"id":"d1","device_name":"Desk"},5,null,"x",{"id":"d2"}]})",
                          "application/json"));
    QList<Device> devices;
    bool answered = false;
    client->accountClient()->getDevices([&](bool ok, const QList<Device>& answer) {
        answered = ok;
        devices = answer;
    });
    QTRY_VERIFY(answered);
    QCOMPARE(devices.size(), 5);
    QCOMPARE(devices.at(0).device_name, QStringLiteral("Desk"));
    for (int i = 1; i <= 3; ++i)
        QCOMPARE(devices.at(i), Device());
    QCOMPARE(devices.at(4).id, QStringLiteral("d2"));
}

void AccountClientTest::joiningAndLeavingRenewTheTokens()
{
    const QString code = m_accounts->addInviteCode(m_group);
    auto client = signedInAs(kCy);
    AccountClient* accounts = client->accountClient();
    QCOMPARE(client->claims().group_id, QString());

    QStringList order;
    connect(accounts, &AccountClient::groupChanged, this, [&order] { order << QStringLiteral("changed"); });
    accounts->joinGroup(code, [&order](bool ok) { order << (ok ? QStringLiteral("joined") : QStringLiteral("failed")); });
    QTRY_COMPARE(order, (QStringList{QStringLiteral("changed"), QStringLiteral("joined")}));
    QCOMPARE(requests().last().path, u"/group/join/" + code);
    QVERIFY(requests().last().body.isEmpty());
    QCOMPARE(m_accounts->groupOf(kCy), m_group);

    // The renewed pair carries the group and the role.
    QTRY_COMPARE(client->claims().group_id, m_group);
    QCOMPARE(client->claims().role, QStringLiteral("member"));

    // Without a callback the change still renews the tokens and is announced.
    QSignalSpy changed(accounts, &AccountClient::groupChanged);
    accounts->leaveGroup();
    QTRY_COMPARE(changed.size(), 1);
    QTRY_COMPARE(client->claims().group_id, QString());
    QCOMPARE(m_accounts->groupOf(kCy), QString());
    QCOMPARE(m_auth->server()->requestsTo("POST", m_auth->realmPath(QStringLiteral("/auth/token/refresh"))).size(), 2);
    QVERIFY(client->isAuthenticated());
}

void AccountClientTest::failedGroupChangesChangeNothing()
{
    auto client = signedInAs(kAnn);
    AccountClient* accounts = client->accountClient();
    QSignalSpy changed(accounts, &AccountClient::groupChanged);

    QList<bool> done;
    const auto record = [&done](bool ok) { done.append(ok); };
    accounts->joinGroup(QStringLiteral("NO-SUCH-CODE"), record);
    // The owner may not leave, nor remove someone outside the group.
    accounts->leaveGroup(record);
    accounts->removeMember(kCy, record);
    QTRY_COMPARE(done.size(), 3);
    QCOMPARE(done, QList<bool>(3, false));
    QCOMPARE(changed.size(), 0);
    QVERIFY(m_auth->server()->requestsTo("POST", m_auth->realmPath(QStringLiteral("/auth/token/refresh"))).isEmpty());
    QCOMPARE(m_accounts->memberIds(m_group), (QStringList{kAnn, kBob}));
}

void AccountClientTest::idsGoIntoThePathAsOneSegment()
{
    m_accounts->addUser({QStringLiteral("john.doe"), QStringLiteral("user-jd"), {}, {}});
    m_accounts->addToGroup(m_group, QStringLiteral("john.doe"));
    auto client = signedInAs(kAnn);
    QList<bool> done;
    const auto record = [&done](bool ok) { done.append(ok); };
    client->accountClient()->removeMember(QStringLiteral("john.doe"), record);
    // Resolved, this path would be "/profile", and a DELETE there deletes the account.
    client->accountClient()->removeDevice(QStringLiteral("../profile"), record);
    client->accountClient()->joinGroup(QStringLiteral("AB.CD"), record);
    QTRY_COMPARE(done.size(), 3);
    QCOMPARE(m_accounts->memberIds(m_group), (QStringList{kAnn, kBob}));
    QVERIFY(!m_accounts->isScheduledForDeletion(kAnn));
    QStringList targets;
    for (const RecordedRequest& request : requests())
        targets.append(QString::fromLatin1(request.target));
    targets.sort();
    QCOMPARE(targets, (QStringList{"/devices/..%2Fprofile", "/group/join/AB.CD", "/group/members/john.doe"}));
}

void AccountClientTest::hostileIdsAreRefusedWithoutARequest_data()
{
    QTest::addColumn<QString>("id");
    // Qt resolves dot segments: "/devices/.." is "/", "/group/members/." the
    // list itself.
    QTest::newRow("dot-dot") << QStringLiteral("..");
    QTest::newRow("dot") << QStringLiteral(".");
    QTest::newRow("too long") << QString(kMaxRecordIdLength + 1, u'a');
    QTest::newRow("empty") << QString();
}

void AccountClientTest::hostileIdsAreRefusedWithoutARequest()
{
    QFETCH(QString, id);
    auto client = signedInAs(kAnn);
    AccountClient* accounts = client->accountClient();
    QSignalSpy changed(accounts, &AccountClient::groupChanged);

    const QRegularExpression refusal(QStringLiteral("^AccountClient: refused a request for a .* whose id cannot stand in a request path$"));
    for (int i = 0; i < 4; ++i)
        QTest::ignoreMessage(QtWarningMsg, refusal);
    QList<bool> done;
    const auto record = [&done](bool ok) { done.append(ok); };
    accounts->joinGroup(id, record);
    accounts->removeMember(id, record);
    accounts->revokeInvitation(id, record);
    accounts->removeDevice(id, record);
    // Refused at once, before the call returned.
    QCOMPARE(done, QList<bool>(4, false));

    QTest::qWait(50);
    QVERIFY(requests().isEmpty());
    QVERIFY(m_auth->server()->requests().isEmpty());
    QCOMPARE(changed.size(), 0);
    QVERIFY(!m_accounts->isScheduledForDeletion(kAnn));
}

QTEST_GUILESS_MAIN(AccountClientTest)
#include "tst_accountclient.moc"
