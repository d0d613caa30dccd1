#include "account/Device.h"
#include "account/DeviceIdentity.h"
#include "account/Group.h"
#include "account/MachineId.h"
#include "account/Profile.h"
#include "account/Session.h"
#include "account/User.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace TandAccount;

namespace {

QJsonObject parse(const char* json)
{
    return QJsonDocument::fromJson(json).object();
}

bool isFingerprint(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^[0-9a-f]{32}$"));
    return pattern.match(text).hasMatch();
}

QString writeFile(const QTemporaryDir& dir, const QByteArray& content)
{
    const QString path = dir.filePath(QStringLiteral("machine-id"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    file.write(content);
    return path;
}

} // namespace

class RecordsTest : public QObject
{
    Q_OBJECT

private slots:
    void readsEveryFieldOfAFullAnswer();
    void valuesOfTheWrongTypeReadAsEmpty();
    void serverTimesWithoutAnOffsetAreUtc();
    void profileGroupIsPresentExactlyWhenKeyed();
    void groupListsToleratePoorElements();
    void machineIdIsNeverSentRaw();
    void hostNameFingerprintIsStable();
};

void RecordsTest::readsEveryFieldOfAFullAnswer()
{
    const User user = User::fromJson(parse(R"({"id":"u1","email":"a@b.c","display_name":"Ann","username":"ann",
        "avatar_url":"https://x/a.png","created_at":"2024-03-05T14:07:00Z","extra":1})"));
    QCOMPARE(user, (User{QStringLiteral("u1"), QStringLiteral("a@b.c"), QStringLiteral("Ann"), QStringLiteral("ann"),
                         QStringLiteral("https://x/a.png"), QDateTime(QDate(2024, 3, 5), QTime(14, 7), Qt::UTC)}));

    const Device device = Device::fromJson(parse(R"({"id":"d1","device_name":"desk","platform":"Linux",
        "app_id":"ledgerine","app_version":"1.2.3","last_sync_at":"2024-03-06T08:00:00.250Z",
        "device_fingerprint":"f00","created_at":"2024-03-01T00:00:00+02:00"})"));
    QCOMPARE(device.last_sync_at, QDateTime(QDate(2024, 3, 6), QTime(8, 0, 0, 250), Qt::UTC));
    QCOMPARE(device.created_at, QDateTime(QDate(2024, 2, 29), QTime(22, 0), Qt::UTC));
    QCOMPARE(device.device_fingerprint, QStringLiteral("f00"));

    QVERIFY(Session::fromJson(parse(R"({"is_current":true})")).is_current);

    // Read from nothing, every record is empty.
    QCOMPARE(User::fromJson({}), User());
    QCOMPARE(Group::fromJson({}), Group());
    QCOMPARE(Profile::fromJson({}), Profile());
}

void RecordsTest::valuesOfTheWrongTypeReadAsEmpty()
{
    const Session session = Session::fromJson(parse(R"({"id":42,"user_agent":null,"is_current":"true",
        "created_at":"yesterday","last_active_at":1709647620})"));
    QCOMPARE(session.id, QString());
    QCOMPARE(session.user_agent, QString());
    QVERIFY(!session.is_current);
    QVERIFY(!session.created_at.isValid());
    QVERIFY(!session.last_active_at.isValid());

    const ProfileGroup fraction = ProfileGroup::fromJson(parse(R"({"member_count":3.5})"));
    const ProfileGroup text = ProfileGroup::fromJson(parse(R"({"member_count":"3"})"));
    const ProfileGroup huge = ProfileGroup::fromJson(parse(R"({"member_count":1e12})"));
    const ProfileGroup whole = ProfileGroup::fromJson(parse(R"({"member_count":4})"));
    QCOMPARE(fraction.member_count, 0);
    QCOMPARE(text.member_count, 0);
    QCOMPARE(huge.member_count, 0);
    QCOMPARE(whole.member_count, 4);
}

void RecordsTest::serverTimesWithoutAnOffsetAreUtc()
{
    // Read on a machine far from UTC, an offset-less time must not move.
    qputenv("TZ", "Pacific/Auckland");
    const QDateTime expected(QDate(2024, 3, 5), QTime(14, 7), Qt::UTC);
    QVERIFY(QDateTime(expected.date(), expected.time(), Qt::LocalTime) != expected);
    QCOMPARE(User::fromJson(parse(R"({"created_at":"2024-03-05T14:07:00"})")).created_at, expected);
    QCOMPARE(User::fromJson(parse(R"({"created_at":"2024-03-05T14:07:00.000"})")).created_at, expected);
    QCOMPARE(User::fromJson(parse(R"({"created_at":"2024-03-05T16:07:00+02:00"})")).created_at, expected);
    QCOMPARE(User::fromJson(parse(R"({"created_at":"2024-03-05T14:07:00"})")).created_at.timeSpec(), Qt::UTC);
    qunsetenv("TZ");
}

void RecordsTest::profileGroupIsPresentExactlyWhenKeyed()
{
    QVERIFY(!Profile::fromJson(parse(R"({"id":"p"})")).group.has_value());

    const Profile empty = Profile::fromJson(parse(R"({"group":{}})"));
    QVERIFY(empty.group.has_value());
    QCOMPARE(*empty.group, ProfileGroup());

    const Profile full = Profile::fromJson(parse(R"({"language":"en","timezone":"UTC","status":"active",
        "group":{"id":"g","name":"Home","role":"owner","member_count":3}})"));
    QCOMPARE(full.language, QStringLiteral("en"));
    QCOMPARE(full.status, QStringLiteral("active"));
    QCOMPARE(full.group->name, QStringLiteral("Home"));
    QCOMPARE(full.group->role, QStringLiteral("owner"));
    QCOMPARE(full.group->member_count, 3);
}

void RecordsTest::groupListsToleratePoorElements()
{
    const Group none = Group::fromJson(parse(R"({"members":null,"pending_invitations":{"id":"x"}})"));
    QVERIFY(none.members.isEmpty());
    QVERIFY(none.pending_invitations.isEmpty());

    const Group group = Group::fromJson(parse(R"({"id":"g","name":"Home","max_seats":6,
        "members":[{"account_id":"a1","auth_user_id":"u1","role":"owner","joined_at":"2024-01-01T00:00:00Z"},
                   7,
                   {"account_id":"a2","email":"b@c.d"}],
        "pending_invitations":[{"id":"i1","invited_email":"e@f.g","invite_code":"C0DE","status":"pending",
                                "expires_at":"2024-04-01T00:00:00Z"}]})"));
    QCOMPARE(group.max_seats, 6);
    QCOMPARE(group.members.size(), 3);
    QCOMPARE(group.members.at(0).role, QStringLiteral("owner"));
    QCOMPARE(group.members.at(0).joined_at, QDateTime(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC));
    QCOMPARE(group.members.at(1), GroupMember());
    QCOMPARE(group.members.at(2).email, QStringLiteral("b@c.d"));
    QCOMPARE(group.pending_invitations.size(), 1);
    QCOMPARE(group.pending_invitations.at(0).invite_code, QStringLiteral("C0DE"));
    QCOMPARE(group.pending_invitations.at(0).expires_at, QDateTime(QDate(2024, 4, 1), QTime(0, 0), Qt::UTC));
}

void RecordsTest::machineIdIsNeverSentRaw()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray raw = "0123456789abcdef0123456789abcdef";
    const QString path = writeFile(dir, raw + '\n');

    const QString forLedgerine = machineIdFromFile(path, QStringLiteral("ledgerine"));
    QVERIFY(isFingerprint(forLedgerine));
    QVERIFY(!forLedgerine.contains(QString::fromLatin1(raw.left(8))));
    // Stable for the application, and another application cannot match it up.
    QCOMPARE(machineIdFromFile(path, QStringLiteral("ledgerine")), forLedgerine);
    QVERIFY(machineIdFromFile(path, QStringLiteral("other")) != forLedgerine);

    QCOMPARE(machineIdFromFile(dir.filePath(QStringLiteral("missing")), QStringLiteral("ledgerine")), QString());
    QCOMPARE(machineIdFromFile(writeFile(dir, "uninitialized\n"), QStringLiteral("ledgerine")), QString());
    QCOMPARE(machineIdFromFile(writeFile(dir, raw + raw), QStringLiteral("ledgerine")), QString());
    QCOMPARE(machineIdFromFile(writeFile(dir, ""), QStringLiteral("ledgerine")), QString());

    // On this machine the identity is there either way.
    QVERIFY(isFingerprint(deviceFingerprint(QStringLiteral("ledgerine"))));
    QVERIFY(!deviceName().isEmpty());
    QCOMPARE(devicePlatform(), QStringLiteral("Linux"));
}

void RecordsTest::hostNameFingerprintIsStable()
{
    // SHA-256 of nothing begins e3b0c442...; the fallback is its first half.
    QCOMPARE(hostNameFingerprint(QString()), QStringLiteral("e3b0c44298fc1c149afbf4c8996fb924"));
    QCOMPARE(hostNameFingerprint(QStringLiteral("desk")), hostNameFingerprint(QStringLiteral("desk")));
    QVERIFY(isFingerprint(hostNameFingerprint(QStringLiteral("desk"))));
    QVERIFY(hostNameFingerprint(QStringLiteral("desk")) != hostNameFingerprint(QStringLiteral("desk2")));
}

QTEST_GUILESS_MAIN(RecordsTest)
#include "tst_records.moc"
