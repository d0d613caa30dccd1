#include "account/AccountScreen.h"
#include "account/AccountScreenModel.h"
#include "account/ApiClient.h"
#include "account/AuthClient.h"
#include "account/Client.h"
#include "account/ElidedLabel.h"
#include "account/TokenManager.h"
#include "tests/support/FakeServices.h"
#include "tests/support/ModalWatcher.h"

#include <QApplication>
#include <QInputDialog>
#include <QJsonArray>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace TandAccount;
using LoadState = AccountScreenModel::LoadState;

namespace {

// What a test answers a dialog with: a text to type and accept, "Yes", or
// anything else to turn it down.
const QString kCancel = QStringLiteral("<cancel>");
const QString kYes = QStringLiteral("Yes");

struct SeenDialog
{
    QString title;
    QString text;
    // A text dialog's pre-filled text.
    QString initial;
    Qt::TextFormat format = Qt::AutoText;
    bool password = false;
};

// The shown widget of that name: content on its way out is hidden until
// the event loop deletes it.
QWidget* shown(QWidget* screen, const char* name)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* widget : screen->findChildren<QWidget*>(QLatin1String(name))) {
        if (!widget->isHidden())
            return widget;
    }
    return nullptr;
}

// Every label's whole text, in order.
QStringList textsIn(QWidget* widget)
{
    QStringList texts;
    if (!widget)
        return texts;
    for (QLabel* label : widget->findChildren<QLabel*>()) {
        if (label->isHidden())
            continue;
        const auto* elided = qobject_cast<ElidedLabel*>(label);
        texts << (elided ? elided->fullText() : label->text());
    }
    return texts;
}

QStringList buttonsIn(QWidget* widget)
{
    QStringList texts;
    if (widget) {
        for (QPushButton* button : widget->findChildren<QPushButton*>())
            texts << button->text();
    }
    return texts;
}

QPushButton* buttonIn(QWidget* widget, const QString& text, int nth = 0)
{
    if (!widget)
        return nullptr;
    for (QPushButton* button : widget->findChildren<QPushButton*>()) {
        if (button->text() == text && nth-- == 0)
            return button;
    }
    return nullptr;
}

QJsonObject sessionJson(const QString& id, const QString& userAgent, bool current, const QString& lastActive = {},
                        const QString& ip = {})
{
    QJsonObject session{{QStringLiteral("id"), id},
                        {QStringLiteral("user_agent"), userAgent},
                        {QStringLiteral("is_current"), current}};
    if (!lastActive.isEmpty())
        session.insert(QStringLiteral("last_active_at"), lastActive);
    if (!ip.isEmpty())
        session.insert(QStringLiteral("ip_address"), ip);
    return session;
}

} // namespace

// The account window against fake authentication and account services on
// the loopback interface.
class AccountScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void relativeTimes_data();
    void relativeTimes();
    void sessionClientsAreCutAt60();

    void profileShowsTheUserAndRenamesThem();
    void passwordRules();
    void sessionsAreListedAndRevoked();
    void ownerAndMemberSeeTheirOwnGroupPage();
    void groupChangesReportWhatTheServiceAnswered();
    void joiningWithACode();
    void invitingByEmailAndCode();
    void deletionNeedsTheWordAndNoGroupToOwn();
    void anOwnerStaysOneOnceTheirTokenExpires();
    void devicesWithoutNameOrVersion();
    void serviceTextsAreShownAsTyped();
    void failedLoadsSaySoAndCanBeRetried();
    void answersThatAreNotTheServicesAreFailures();
    void removalsTheServiceLeftUndoneAreFailures();
    void pagesAreNotRebuiltUnderAnOpenDialog();
    void signingOutDropsWhatWasShownAndWaiting();
    void signingOutClosesOpenQuestions();
    void pageWidthsFollowANewFont();
    void eachMessageStaysItsWholeTime();
    void keyboardReachesEveryPage();

private:
    void signInAs(const QString& authUserId);
    // A window with every page loaded (or failed); null when a load never ended.
    std::unique_ptr<AccountScreen> openLoaded();
    QString statusText(AccountScreen* screen) const;
    QList<RecordedRequest> accountRequests(const QByteArray& method, const QString& path) const
    {
        return m_services->accounts.server()->requestsTo(method, path);
    }

    std::unique_ptr<FakeServices> m_services;
    ModalWatcher* m_watcher = nullptr;
    std::unique_ptr<Client> m_client;
    QString m_group;
    // Answers for the dialogs to come, in order, and the dialogs seen.
    QStringList m_answers;
    QList<SeenDialog> m_seen;
    // Run on each dialog before it is answered.
    std::function<void(QWidget*)> m_onDialog;
};

void AccountScreenTest::init()
{
    m_services = std::make_unique<FakeServices>();
    QVERIFY(m_services->start());
    m_services->addPerson(QStringLiteral("ann"), QStringLiteral("Ann Lee"));
    m_services->addPerson(QStringLiteral("bob"), QStringLiteral("Bob"));
    m_services->addPerson(QStringLiteral("cy"), {});
    m_group = m_services->accounts.createGroup(QStringLiteral("Family"), QStringLiteral("acc-ann"));
    m_services->accounts.addToGroup(m_group, QStringLiteral("acc-bob"));

    m_answers.clear();
    m_seen.clear();
    m_onDialog = {};
    m_watcher = new ModalWatcher(
        [this](QWidget* window) {
            if (m_onDialog)
                m_onDialog(window);
            const QString answer = m_answers.isEmpty() ? kCancel : m_answers.takeFirst();
            if (auto* input = qobject_cast<QInputDialog*>(window)) {
                m_seen.append({input->windowTitle(), input->labelText(), input->textValue(), Qt::PlainText,
                               input->textEchoMode() == QLineEdit::Password});
                if (answer == kCancel) {
                    input->reject();
                } else {
                    input->setTextValue(answer);
                    input->accept();
                }
            } else if (auto* box = qobject_cast<QMessageBox*>(window)) {
                m_seen.append({box->windowTitle(), box->text(), {}, box->textFormat()});
                QAbstractButton* button = box->button(answer == kYes ? QMessageBox::Yes : QMessageBox::No);
                (button ? button : box->button(QMessageBox::Ok))->click();
            } else {
                window->close();
            }
        },
        this);
}

void AccountScreenTest::cleanup()
{
    delete m_watcher;
    m_client.reset();
    m_services.reset();
}

void AccountScreenTest::signInAs(const QString& authUserId)
{
    m_client = m_services->signedInClient(authUserId);
}

std::unique_ptr<AccountScreen> AccountScreenTest::openLoaded()
{
    auto screen = std::make_unique<AccountScreen>(m_client.get());
    screen->refreshAll();
    AccountScreenModel* model = screen->model();
    const bool loaded = QTest::qWaitFor([model] {
        return model->profileState() != LoadState::Loading && model->groupState() != LoadState::Loading
               && model->devicesState() != LoadState::Loading && model->sessionsState() != LoadState::Loading;
    });
    return loaded ? std::move(screen) : nullptr;
}

QString AccountScreenTest::statusText(AccountScreen* screen) const
{
    return screen->findChild<ElidedLabel*>(QStringLiteral("statusLabel"))->fullText();
}

void AccountScreenTest::relativeTimes_data()
{
    QTest::addColumn<QDateTime>("time");
    QTest::addColumn<QString>("text");

    const QDateTime now(QDate(2024, 6, 15), QTime(23, 30), Qt::UTC);
    QTest::newRow("invalid") << QDateTime() << QStringLiteral("Unknown");
    QTest::newRow("in the future") << now.addSecs(120) << QStringLiteral("Active now");
    QTest::newRow("59 s") << now.addSecs(-59) << QStringLiteral("Active now");
    QTest::newRow("60 s") << now.addSecs(-60) << QStringLiteral("1m ago");
    QTest::newRow("3599 s") << now.addSecs(-3599) << QStringLiteral("59m ago");
    QTest::newRow("3600 s") << now.addSecs(-3600) << QStringLiteral("1h ago");
    QTest::newRow("86399 s") << now.addSecs(-86399) << QStringLiteral("23h ago");
    QTest::newRow("86400 s") << now.addSecs(-86400) << QStringLiteral("1d ago");
    QTest::newRow("604799 s") << now.addSecs(-604799) << QStringLiteral("6d ago");
    // A week back is a date, in local time (UTC+5:30 here): the 8th at
    // 23:30 UTC is already the 9th.
    QTest::newRow("604800 s") << now.addSecs(-604800) << QStringLiteral("Jun 9, 2024");
    // A service time without an offset is UTC, not local time.
    QTest::newRow("no offset") << QDateTime::fromString(QStringLiteral("2024-06-15T23:28:00"), Qt::ISODate)
                               << QStringLiteral("2m ago");
    QTest::newRow("with an offset") << QDateTime::fromString(QStringLiteral("2024-06-16T04:58:00+05:30"), Qt::ISODate)
                                    << QStringLiteral("2m ago");
}

void AccountScreenTest::relativeTimes()
{
    QFETCH(QDateTime, time);
    QFETCH(QString, text);
    QCOMPARE(AccountScreen::formatRelativeTime(time, QDateTime(QDate(2024, 6, 15), QTime(23, 30), Qt::UTC)), text);
}

void AccountScreenTest::sessionClientsAreCutAt60()
{
    const QString sixty(60, u'a');
    QCOMPARE(AccountScreenModel::sessionClientText(sixty), sixty);
    QCOMPARE(AccountScreenModel::sessionClientText(sixty + u'b'), sixty + QStringLiteral("..."));
    QCOMPARE(AccountScreenModel::sessionClientText({}), QStringLiteral("Unknown client"));
    // A character outside the basic plane is never cut in half.
    const QString split = QString(59, u'a') + QStringLiteral("\U0001F600") + QStringLiteral("tail");
    QCOMPARE(AccountScreenModel::sessionClientText(split), QString(59, u'a') + QStringLiteral("..."));
}

void AccountScreenTest::profileShowsTheUserAndRenamesThem()
{
    m_services->auth.setDisplayName({});
    signInAs(QStringLiteral("user-ann"));
    auto screen = openLoaded();
    QVERIFY(screen);
    auto* name = screen->findChild<ElidedLabel*>(QStringLiteral("nameLabel"));
    QCOMPARE(name->fullText(), QStringLiteral("(not set)"));
    QCOMPARE(screen->findChild<ElidedLabel*>(QStringLiteral("emailLabel"))->fullText(),
             QStringLiteral("user-ann@example.org"));

    // Without a name the dialog starts empty: OK cannot store "(not set)".
    // Blank names send nothing.
    auto* edit = screen->findChild<QPushButton*>(QStringLiteral("editNameButton"));
    const QString path = m_services->auth.realmPath(QStringLiteral("/users/me"));
    m_answers = {QStringLiteral("   "), kCancel};
    edit->click();
    edit->click();
    QCOMPARE(m_seen.size(), 2);
    QCOMPARE(m_seen.at(0).title, QStringLiteral("Edit Display Name"));
    QCOMPARE(m_seen.at(0).initial, QString());
    QVERIFY(m_services->auth.server()->requestsTo("PATCH", path).isEmpty());

    // A name is taken once the service has it, not before.
    m_services->auth.server()->delayRoute("PATCH", path, 200);
    m_answers = {QStringLiteral("  Ann Lee  ")};
    edit->click();
    QVERIFY(!edit->isEnabled());
    QCOMPARE(name->fullText(), QStringLiteral("(not set)"));
    QCOMPARE(statusText(screen.get()), QString());
    QTRY_VERIFY(edit->isEnabled());
    QCOMPARE(m_services->auth.server()->requestsTo("PATCH", path).at(0).json().value(QLatin1String("display_name")).toString(),
             QStringLiteral("Ann Lee"));
    QCOMPARE(name->fullText(), QStringLiteral("Ann Lee"));
    QCOMPARE(statusText(screen.get()), QStringLiteral("Display name updated."));

    // Now the dialog offers the name; a refused change says so and keeps it.
    m_services->auth.server()->respondOnce("PATCH", path, FakeResponse::json(500, {}));
    m_answers = {QStringLiteral("Annie")};
    edit->click();
    QCOMPARE(m_seen.last().initial, QStringLiteral("Ann Lee"));
    QTRY_COMPARE(statusText(screen.get()), QStringLiteral("Failed to update profile."));
    QCOMPARE(name->fullText(), QStringLiteral("Ann Lee"));
    QVERIFY(edit->isEnabled());

    // A yes that does not echo the user still renamed them.
    m_services->auth.server()->respondOnce("PATCH", path, FakeResponse::empty(204));
    m_answers = {QStringLiteral("Annie")};
    edit->click();
    QTRY_COMPARE(statusText(screen.get()), QStringLiteral("Display name updated."));
    QCOMPARE(name->fullText(), QStringLiteral("Annie"));
}

void AccountScreenTest::passwordRules()
{
    signInAs(QStringLiteral("user-ann"));
    auto screen = openLoaded();
    QVERIFY(screen);
    auto* change = screen->findChild<QPushButton*>(QStringLiteral("changePasswordButton"));
    const QString path = m_services->auth.realmPath(QStringLiteral("/users/me/password"));

    // Seven characters are refused before the confirmation is asked.
    m_answers = {QStringLiteral("old-secret"), QStringLiteral("1234567")};
    change->click();
    QCOMPARE(m_seen.size(), 2);
    QVERIFY(m_seen.at(0).password && m_seen.at(1).password);
    QCOMPARE(m_seen.at(1).text, QStringLiteral("New password (min 8 characters):"));
    QCOMPARE(statusText(screen.get()), QStringLiteral("Password must be at least 8 characters."));

    // A confirmation turned down says nothing at all; a different one says so.
    screen->showSuccess({});
    m_seen.clear();
    m_answers = {QStringLiteral("old-secret"), QStringLiteral("12345678"), kCancel};
    change->click();
    QCOMPARE(m_seen.size(), 3);
    QCOMPARE(statusText(screen.get()), QString());
    m_answers = {QStringLiteral("old-secret"), QStringLiteral("12345678"), QStringLiteral("12345678 ")};
    change->click();
    QCOMPARE(statusText(screen.get()), QStringLiteral("Passwords do not match."));
    // Cancelling the first or second question stops there too.
    m_seen.clear();
    m_answers = {kCancel};
    change->click();
    m_answers = {QStringLiteral("old-secret"), kCancel};
    change->click();
    QCOMPARE(m_seen.size(), 3);
    QVERIFY(m_services->auth.server()->requestsTo("POST", path).isEmpty());

    // A wrong current password fails; the right one changes it. Nothing is trimmed.
    m_answers = {QStringLiteral("wrong"), QStringLiteral(" new secret "), QStringLiteral(" new secret ")};
    change->click();
    QTRY_COMPARE(statusText(screen.get()), QStringLiteral("Failed to change password."));
    m_answers = {QStringLiteral("old-secret"), QStringLiteral(" new secret "), QStringLiteral(" new secret ")};
    change->click();
    QTRY_COMPARE(statusText(screen.get()), QStringLiteral("Password changed."));
    QCOMPARE(m_services->auth.server()->requestsTo("POST", path).last().json().value(QLatin1String("new_password")).toString(),
             QStringLiteral(" new secret "));
}

void AccountScreenTest::sessionsAreListedAndRevoked()
{
    signInAs(QStringLiteral("user-ann"));
    m_services->auth.signIn(QStringLiteral("user-ann"));
    auto screen = openLoaded();
    QVERIFY(screen);
    QWidget* sessions = shown(screen.get(), "sessionsContent");
    QCOMPARE(buttonsIn(sessions), QStringList{QStringLiteral("Revoke")});
    QVERIFY(textsIn(sessions).contains(QStringLiteral("Current")));
    QVERIFY(textsIn(sessions).contains(QStringLiteral("This session  \u00b7  127.0.0.1")));
    QVERIFY(textsIn(sessions).contains(QStringLiteral("Unknown  \u00b7  127.0.0.1")));
    QCOMPARE(m_services->auth.liveSessionCount(), 2);

    // A refusal is told, and the session stays listed.
    QString other;
    for (const Session& session : screen->model()->sessions()) {
        if (!session.is_current)
            other = session.id;
    }
    const QString revokePath = m_services->auth.realmPath(QStringLiteral("/users/me/sessions/") + other);
    m_services->auth.server()->respondOnce("DELETE", revokePath, FakeResponse::json(500, {}));
    buttonIn(sessions, QStringLiteral("Revoke"))->click();
    QTRY_COMPARE(statusText(screen.get()), QStringLiteral("Failed to revoke session."));
    QCOMPARE(m_services->auth.liveSessionCount(), 2);

    // "Session revoked." comes with the service's yes, and the list follows.
    m_services->auth.server()->delayRoute("DELETE", revokePath, 200);
    buttonIn(sessions, QStringLiteral("Revoke"))->click();
    QCOMPARE(statusText(screen.get()), QStringLiteral("Failed to revoke session."));
    QTRY_COMPARE(statusText(screen.get()), QStringLiteral("Session revoked."));
    QCOMPARE(m_services->auth.liveSessionCount(), 1);
    QTRY_VERIFY(buttonsIn(shown(screen.get(), "sessionsContent")).isEmpty());

    // Times and clients as the service gives them.
    const QString recent = QDateTime::currentDateTimeUtc().addSecs(-7200).toString(Qt::ISODate);
    m_services->auth.server()->respondOnce(
        "GET", m_services->auth.realmPath(QStringLiteral("/users/me/sessions")),
        FakeResponse::json(200, {{QStringLiteral("sessions"),
                                  QJsonArray{sessionJson(QStringLiteral("s1"), QString(61, u'x'), false, recent),
                                             sessionJson(QStringLiteral("s2"), {}, false, {}, QStringLiteral("10.0.0.2"))}}}));
    screen->refreshSessions();
    QTRY_COMPARE(buttonsIn(shown(screen.get(), "sessionsContent")).size(), 2);
    const QStringList texts = textsIn(shown(screen.get(), "sessionsContent"));
    QVERIFY(texts.contains(QString(60, u'x') + QStringLiteral("...")));
    QVERIFY(texts.contains(QStringLiteral("2h ago")));
    QVERIFY(texts.contains(QStringLiteral("Unknown client")));
    QVERIFY(texts.contains(QStringLiteral("Unknown  \u00b7  10.0.0.2")));
}

void AccountScreenTest::ownerAndMemberSeeTheirOwnGroupPage()
{
    m_services->accounts.addToGroup(m_group, QStringLiteral("acc-cy"));
    const QString code = m_services->accounts.addInviteCode(m_group);
    signInAs(QStringLiteral("user-ann"));
    auto owner = openLoaded();
    QVERIFY(owner);
    QWidget* group = shown(owner.get(), "groupContent");
    const QStringList texts = textsIn(group);
    QCOMPARE(texts.mid(0, 3), (QStringList{QStringLiteral("Family"), QStringLiteral("3 of 5 seats used"),
                                           QStringLiteral("Members")}));
    // Cy has no display name: named by the address alone, once.
    QCOMPARE(texts.count(QStringLiteral("cy@example.org")), 1);
    QCOMPARE(texts.count(QStringLiteral("Owner")), 1);
    QVERIFY(texts.contains(QStringLiteral("Invite code: %1").arg(code)));
    QCOMPARE(buttonsIn(group), (QStringList{QStringLiteral("Remove"), QStringLiteral("Remove"), QStringLiteral("Revoke"),
                                            QStringLiteral("Invite by Email"), QStringLiteral("Generate Invite Code")}));
    QVERIFY(!owner->findChild<QPushButton*>(QStringLiteral("deleteAccountButton"))->isEnabled());
    QVERIFY(!owner->findChild<QLabel*>(QStringLiteral("ownerDeletionNote"))->isHidden());
    owner.reset();

    signInAs(QStringLiteral("user-bob"));
    auto member = openLoaded();
    QVERIFY(member);
    group = shown(member.get(), "groupContent");
    QCOMPARE(buttonsIn(group), QStringList{QStringLiteral("Leave Group")});
    QCOMPARE(textsIn(group).count(QStringLiteral("Owner")), 1);
    QVERIFY(!textsIn(group).contains(QStringLiteral("Pending Invitations")));
    QVERIFY(member->findChild<QPushButton*>(QStringLiteral("deleteAccountButton"))->isEnabled());
    QVERIFY(member->findChild<QLabel*>(QStringLiteral("ownerDeletionNote"))->isHidden());
}

void AccountScreenTest::groupChangesReportWhatTheServiceAnswered()
{
    signInAs(QStringLiteral("user-ann"));
    auto screen = openLoaded();
    QVERIFY(screen);

    // Turned down: nothing sent. Refused: the service's no is told.
    m_answers = {kCancel};
    buttonIn(shown(screen.get(), "groupContent"), QStringLiteral("Remove"))->click();
    QCOMPARE(m_seen.last().text, QStringLiteral("Remove Bob from the group?"));
    QVERIFY(accountRequests("DELETE", QStringLiteral("/group/members/acc-bob")).isEmpty());
    m_services->accounts.server()->respondOnce("DELETE", QStringLiteral("/group/members/acc-bob"), FakeResponse::json(500, {}));
    m_answers = {kYes};
    buttonIn(shown(screen.get(), "groupContent"), QStringLiteral("Remove"))->click();
    QCOMPARE(statusText(screen.get()), QString());
    QTRY_COMPARE(statusText(screen.get()), QStringLiteral("Failed to remove Bob."));
    QCOMPARE(m_services->accounts.memberIds(m_group).size(), 2);

    m_answers = {kYes};
    buttonIn(shown(screen.get(), "groupContent"), QStringLiteral("Remove"))->click();
    QTRY_COMPARE(statusText(screen.get()), QStringLiteral("Bob removed."));
    QTRY_VERIFY(textsIn(shown(screen.get(), "groupContent")).contains(QStringLiteral("1 of 5 seats used")));
    screen.reset();

    // Leaving, as a member: refused, then done.
    m_services->accounts.addToGroup(m_group, QStringLiteral("acc-bob"));
    signInAs(QStringLiteral("user-bob"));
    screen = openLoaded();
    QVERIFY(screen);
    m_services->accounts.server()->respondOnce("POST", QStringLiteral("/group/leave"), FakeResponse::json(500, {}));
    m_answers = {kYes};
    buttonIn(shown(screen.get(), "groupContent"), QStringLiteral("Leave Group"))->click();
    QCOMPARE(m_seen.last().title, QStringLiteral("Leave Group"));
    QTRY_COMPARE(statusText(screen.get()), QStringLiteral("Failed to leave group."));
    QCOMPARE(m_services->accounts.groupOf(QStringLiteral("acc-bob")), m_group);
    m_answers = {kYes};
    buttonIn(shown(screen.get(), "groupContent"), QStringLiteral("Leave Group"))->click();
    QTRY_COMPARE(statusText(screen.get()), QStringLiteral("Left group."));
    QTRY_VERIFY(textsIn(shown(screen.get(), "groupContent")).contains(QStringLiteral("No Group")));
}

void AccountScreenTest::joiningWithACode()
{
    const QString code = m_services->accounts.addInviteCode(m_group);
    signInAs(QStringLiteral("user-cy"));
    auto screen = openLoaded();
    QVERIFY(screen);
    QWidget* group = shown(screen.get(), "groupContent");
    QCOMPARE(textsIn(group).value(0), QStringLiteral("No Group"));

    // A blank code sends nothing; one that cannot be a code, or that the
    // service does not know, is refused.
    m_answers = {QStringLiteral("  ")};
    buttonIn(group, QStringLiteral("Join with Invite Code"))->click();
    QCOMPARE(m_seen.last().text, QStringLiteral("Enter invite code:"));
    for (const QString& wrong : {QStringLiteral(".."), QStringLiteral("NOPE")}) {
        screen->showSuccess({});
        m_answers = {wrong};
        buttonIn(group, QStringLiteral("Join with Invite Code"))->click();
        QTRY_COMPARE(statusText(screen.get()), QStringLiteral("Invalid or expired invite code."));
    }
    // The group and the devices, and the one code that could be sent.
    QCOMPARE(m_services->accounts.server()->requests().count(), 3);

    m_answers = {QStringLiteral(" %1 ").arg(code)};
    buttonIn(group, QStringLiteral("Join with Invite Code"))->click();
    QTRY_COMPARE(statusText(screen.get()), QStringLiteral("Joined group."));
    QCOMPARE(m_services->accounts.groupOf(QStringLiteral("acc-cy")), m_group);
    QTRY_COMPARE(textsIn(shown(screen.get(), "groupContent")).value(0), QStringLiteral("Family"));
}

void AccountScreenTest::invitingByEmailAndCode()
{
    signInAs(QStringLiteral("user-ann"));
    auto screen = openLoaded();
    QVERIFY(screen);

    m_answers = {QStringLiteral("not an address")};
    buttonIn(shown(screen.get(), "groupContent"), QStringLiteral("Invite by Email"))->click();
    QTRY_COMPARE(statusText(screen.get()), QStringLiteral("Failed to send invitation."));
    m_answers = {QStringLiteral(" dee@example.org ")};
    buttonIn(shown(screen.get(), "groupContent"), QStringLiteral("Invite by Email"))->click();
    QTRY_COMPARE(statusText(screen.get()), QStringLiteral("Invitation sent."));
    QTRY_VERIFY(textsIn(shown(screen.get(), "groupContent")).contains(QStringLiteral("dee@example.org")));

    // The code is shown to be copied, and its invitation is listed after.
    buttonIn(shown(screen.get(), "groupContent"), QStringLiteral("Generate Invite Code"))->click();
    QTRY_COMPARE(m_seen.last().title, QStringLiteral("Invite Code"));
    QCOMPARE(m_seen.last().format, Qt::PlainText);
    QVERIFY(m_seen.last().text.startsWith(QStringLiteral("Share this code with the person you want to invite:\n\nCODE-")));
    QCOMPARE(m_services->accounts.pendingInvitationCount(m_group), 2);
    QTRY_COMPARE(buttonsIn(shown(screen.get(), "groupContent")).count(QStringLiteral("Revoke")), 2);

    // Revoking waits for the service too.
    for (const QString& id : {QStringLiteral("inv-2"), QStringLiteral("inv-4")})
        m_services->accounts.server()->delayRoute("DELETE", QStringLiteral("/group/invitations/") + id, 200);
    QPushButton* revoke = buttonIn(shown(screen.get(), "groupContent"), QStringLiteral("Revoke"));
    revoke->click();
    QVERIFY(!revoke->isEnabled());
    QTRY_COMPARE(statusText(screen.get()), QStringLiteral("Invitation revoked."));
    QCOMPARE(m_services->accounts.pendingInvitationCount(m_group), 1);
    QTRY_COMPARE(buttonsIn(shown(screen.get(), "groupContent")).count(QStringLiteral("Revoke")), 1);

    m_services->accounts.server()->respondOnce("POST", QStringLiteral("/group/invite"), FakeResponse::json(500, {}));
    buttonIn(shown(screen.get(), "groupContent"), QStringLiteral("Generate Invite Code"))->click();
    QTRY_COMPARE(statusText(screen.get()), QStringLiteral("Failed to generate code."));
}

void AccountScreenTest::deletionNeedsTheWordAndNoGroupToOwn()
{
    signInAs(QStringLiteral("user-bob"));
    auto screen = openLoaded();
    QVERIFY(screen);
    QSignalSpy logout(screen.get(), &AccountScreen::logoutRequested);
    auto* remove = screen->findChild<QPushButton*>(QStringLiteral("deleteAccountButton"));

    for (const QString& typed : {QStringLiteral("delete"), QStringLiteral("DELETE "), kCancel}) {
        m_answers = {typed};
        remove->click();
    }
    QCOMPARE(m_seen.size(), 3);
    QCOMPARE(m_seen.at(0).text,
             QStringLiteral("This will schedule your account for permanent deletion after 30 days.\n\n"
                            "Type DELETE to confirm:"));
    QCOMPARE(statusText(screen.get()), QString());
    QVERIFY(accountRequests("DELETE", QStringLiteral("/profile")).isEmpty());

    m_services->accounts.server()->respondOnce("DELETE", QStringLiteral("/profile"), FakeResponse::json(500, {}));
    m_answers = {QStringLiteral("DELETE")};
    remove->click();
    QTRY_COMPARE(statusText(screen.get()), QStringLiteral("Failed to delete account."));
    QCOMPARE(logout.size(), 0);

    m_answers = {QStringLiteral("DELETE"), QStringLiteral("Ok")};
    remove->click();
    QTRY_COMPARE(logout.size(), 1);
    QCOMPARE(m_seen.last().title, QStringLiteral("Account Scheduled for Deletion"));
    QVERIFY(m_services->accounts.isScheduledForDeletion(QStringLiteral("acc-bob")));
    screen.reset();

    // The owner may not; once they own no group, the next refresh lets them.
    signInAs(QStringLiteral("user-ann"));
    screen = openLoaded();
    QVERIFY(screen);
    remove = screen->findChild<QPushButton*>(QStringLiteral("deleteAccountButton"));
    QVERIFY(!remove->isEnabled());
    m_services->accounts.removeFromGroup(QStringLiteral("acc-ann"));
    bool refreshed = false;
    m_client->authClient()->refreshToken([&refreshed](bool ok) { refreshed = ok; });
    QTRY_VERIFY(refreshed);
    QVERIFY(!remove->isEnabled());
    screen->refreshAll();
    QVERIFY(remove->isEnabled());
    QVERIFY(screen->findChild<QLabel*>(QStringLiteral("ownerDeletionNote"))->isHidden());
}

void AccountScreenTest::anOwnerStaysOneOnceTheirTokenExpires()
{
    // Every token the service gives is within its last 30 s: none is ever
    // usable, each request refreshes first, and the role it names is still
    // the user's.
    m_services->auth.setAccessLifetime(10);
    signInAs(QStringLiteral("user-ann"));
    QVERIFY(m_client->claims().role.isEmpty());

    AccountScreen fresh(m_client.get());
    QVERIFY(!fresh.findChild<QPushButton*>(QStringLiteral("deleteAccountButton"))->isEnabled());
    QVERIFY(!fresh.findChild<QLabel*>(QStringLiteral("ownerDeletionNote"))->isHidden());

    auto screen = openLoaded();
    QVERIFY(screen);
    QVERIFY(!screen->findChild<QPushButton*>(QStringLiteral("deleteAccountButton"))->isEnabled());
    const QStringList buttons = buttonsIn(shown(screen.get(), "groupContent"));
    QVERIFY(buttons.contains(QStringLiteral("Invite by Email")));
    QVERIFY(!buttons.contains(QStringLiteral("Leave Group")));
}

void AccountScreenTest::devicesWithoutNameOrVersion()
{
    const QString unnamed = m_services->accounts.addDevice(QStringLiteral("acc-ann"), {});
    m_services->accounts.addDevice(QStringLiteral("acc-ann"), QStringLiteral("Den PC"));
    signInAs(QStringLiteral("user-ann"));
    auto screen = openLoaded();
    QVERIFY(screen);
    QWidget* devices = shown(screen.get(), "devicesContent");
    QCOMPARE(textsIn(devices).mid(2), (QStringList{QStringLiteral("Unknown Device"), QStringLiteral("Windows"),
                                                   QStringLiteral("Unknown"), QStringLiteral("Den PC"),
                                                   QStringLiteral("Windows"), QStringLiteral("Unknown")}));

    // The question names the device as listed; the removal is told once done.
    m_services->accounts.server()->respondOnce("DELETE", QStringLiteral("/devices/") + unnamed, FakeResponse::json(500, {}));
    m_answers = {kYes};
    buttonIn(devices, QStringLiteral("Remove"))->click();
    QCOMPARE(m_seen.last().text, QStringLiteral("Remove Unknown Device?"));
    QTRY_COMPARE(statusText(screen.get()), QStringLiteral("Failed to remove device."));
    m_answers = {kYes};
    buttonIn(devices, QStringLiteral("Remove"))->click();
    QTRY_COMPARE(statusText(screen.get()), QStringLiteral("Device removed."));
    QTRY_COMPARE(buttonsIn(shown(screen.get(), "devicesContent")).size(), 1);

    // A version and a time of the last sync, when the service has them.
    const QJsonObject device{{QStringLiteral("id"), QStringLiteral("dev-x")},
                             {QStringLiteral("device_name"), QStringLiteral("Laptop")},
                             {QStringLiteral("app_version"), QStringLiteral("2.1.0")},
                             {QStringLiteral("last_sync_at"),
                              QDateTime::currentDateTimeUtc().addSecs(-300).toString(Qt::ISODate)}};
    m_services->accounts.server()->respondOnce("GET", QStringLiteral("/devices"),
                                      FakeResponse::json(200, {{QStringLiteral("devices"), QJsonArray{device}}}));
    screen->refreshDevices();
    QTRY_VERIFY(textsIn(shown(screen.get(), "devicesContent")).contains(QStringLiteral("Laptop")));
    QCOMPARE(textsIn(shown(screen.get(), "devicesContent")).mid(3),
             (QStringList{QStringLiteral("v2.1.0"), QStringLiteral("5m ago")}));
    m_services->accounts.server()->respondOnce("GET", QStringLiteral("/devices"),
                                      FakeResponse::json(200, {{QStringLiteral("devices"), QJsonArray{}}}));
    screen->refreshDevices();
    QTRY_VERIFY(textsIn(shown(screen.get(), "devicesContent")).contains(QStringLiteral("No devices registered.")));
}

void AccountScreenTest::serviceTextsAreShownAsTyped()
{
    // Short enough to be listed whole as a session's client.
    const QString markup = QStringLiteral("<b>Eve</b><img src=\"x.png\"><a href=\"x\">y</a>");
    m_services->accounts.addUser({QStringLiteral("acc-eve"), QStringLiteral("user-eve"), QStringLiteral("<i>eve</i>@example.org"),
                         markup});
    m_services->accounts.addToGroup(m_group, QStringLiteral("acc-eve"));
    m_services->accounts.addDevice(QStringLiteral("acc-ann"), markup);
    m_services->auth.setDisplayName(markup);
    signInAs(QStringLiteral("user-ann"));
    m_services->auth.server()->respondOnce(
        "GET", m_services->auth.realmPath(QStringLiteral("/users/me/sessions")),
        FakeResponse::json(200, {{QStringLiteral("sessions"),
                                  QJsonArray{sessionJson(QStringLiteral("s1"), markup, false, {}, markup)}}}));
    auto screen = openLoaded();
    QVERIFY(screen);

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    int seen = 0;
    for (QLabel* label : screen->findChildren<QLabel*>()) {
        QCOMPARE(label->textFormat(), Qt::PlainText);
        const auto* elided = qobject_cast<ElidedLabel*>(label);
        seen += elided && elided->fullText().contains(markup) ? 1 : 0;
    }
    // The profile's name, the member, the device, the session's client and its address.
    QCOMPARE(seen, 5);
    QVERIFY(textsIn(shown(screen.get(), "groupContent")).contains(QStringLiteral("<i>eve</i>@example.org")));

    // The questions name them as typed too.
    m_answers = {kCancel, kCancel};
    buttonIn(shown(screen.get(), "groupContent"), QStringLiteral("Remove"), 1)->click();
    buttonIn(shown(screen.get(), "devicesContent"), QStringLiteral("Remove"))->click();
    QCOMPARE(m_seen.size(), 2);
    QCOMPARE(m_seen.at(0).text, QStringLiteral("Remove %1 from the group?").arg(markup));
    QCOMPARE(m_seen.at(1).text, QStringLiteral("Remove %1?").arg(markup));
    QCOMPARE(m_seen.at(0).format, Qt::PlainText);
    QCOMPARE(m_seen.at(1).format, Qt::PlainText);
}

void AccountScreenTest::failedLoadsSaySoAndCanBeRetried()
{
    signInAs(QStringLiteral("user-ann"));
    m_services->auth.server()->respondOnce("GET", m_services->auth.realmPath(QStringLiteral("/users/me")), FakeResponse::json(503, {}));
    m_services->auth.server()->respondOnce("GET", m_services->auth.realmPath(QStringLiteral("/users/me/sessions")),
                                  FakeResponse::json(503, {}));
    m_services->accounts.server()->respondOnce("GET", QStringLiteral("/group"), FakeResponse::json(503, {}));
    m_services->accounts.server()->respondOnce("GET", QStringLiteral("/devices"), FakeResponse::json(503, {}));
    auto screen = openLoaded();
    QVERIFY(screen);

    const QStringList all = textsIn(screen.get());
    for (const char* said : {"Could not load your profile.", "Could not load your group.",
                             "Could not load your devices.", "Could not load your sessions."})
        QVERIFY2(all.contains(QLatin1String(said)), said);
    for (const char* notSaid : {"No Group", "No devices registered.", "No active sessions.", "(not set)"})
        QVERIFY2(!all.contains(QLatin1String(notSaid)), notSaid);

    buttonIn(shown(screen.get(), "groupContent"), QStringLiteral("Try Again"))->click();
    QTRY_COMPARE(textsIn(shown(screen.get(), "groupContent")).value(0), QStringLiteral("Family"));
    QWidget* profileProblem = nullptr;
    for (QWidget* problem : screen->findChildren<QWidget*>(QStringLiteral("loadProblem"))) {
        if (textsIn(problem).contains(QStringLiteral("Could not load your profile.")))
            profileProblem = problem;
    }
    QVERIFY(profileProblem && !profileProblem->isHidden());
    buttonIn(profileProblem, QStringLiteral("Try Again"))->click();
    QTRY_VERIFY(profileProblem->isHidden());
    QCOMPARE(screen->findChild<ElidedLabel*>(QStringLiteral("nameLabel"))->fullText(), QStringLiteral("Test User"));

    // Once the profile has loaded, a failed load still says so: the user
    // the client remembers is no answer.
    m_services->auth.server()->respondOnce("GET", m_services->auth.realmPath(QStringLiteral("/users/me")), FakeResponse::json(503, {}));
    screen->refreshProfile();
    QTRY_VERIFY(!profileProblem->isHidden());
    QCOMPARE(screen->model()->profileState(), LoadState::Failed);
    QCOMPARE(screen->findChild<ElidedLabel*>(QStringLiteral("nameLabel"))->fullText(), QString());
}

void AccountScreenTest::answersThatAreNotTheServicesAreFailures()
{
    signInAs(QStringLiteral("user-ann"));
    const QString sessionsPath = m_services->auth.realmPath(QStringLiteral("/users/me/sessions"));
    const FakeResponse portal = FakeResponse::raw(200, "<html>Sign in to the hotel network</html>", "text/html");
    // A captive portal's page, then JSON without the list or the group.
    const QList<QList<FakeResponse>> rounds{
        {portal, portal, portal},
        {FakeResponse::json(200, {}), FakeResponse::json(200, {{QStringLiteral("name"), QStringLiteral("Family")}}),
         FakeResponse::json(200, {{QStringLiteral("sessions"), QStringLiteral("none")}})},
    };
    for (const QList<FakeResponse>& answers : rounds) {
        m_services->accounts.server()->respondOnce("GET", QStringLiteral("/devices"), answers.at(0));
        m_services->accounts.server()->respondOnce("GET", QStringLiteral("/group"), answers.at(1));
        m_services->auth.server()->respondOnce("GET", sessionsPath, answers.at(2));
        auto screen = openLoaded();
        QVERIFY(screen);
        QCOMPARE(screen->model()->devicesState(), LoadState::Failed);
        QCOMPARE(screen->model()->groupState(), LoadState::Failed);
        QCOMPARE(screen->model()->sessionsState(), LoadState::Failed);
        const QStringList all = textsIn(screen.get());
        for (const char* notSaid : {"No Group", "No devices registered.", "No active sessions."})
            QVERIFY2(!all.contains(QLatin1String(notSaid)), notSaid);
    }
}

void AccountScreenTest::removalsTheServiceLeftUndoneAreFailures()
{
    const QString den = m_services->accounts.addDevice(QStringLiteral("acc-ann"), QStringLiteral("Den PC"));
    signInAs(QStringLiteral("user-ann"));
    m_services->auth.signIn(QStringLiteral("user-ann"));
    auto screen = openLoaded();
    QVERIFY(screen);

    // A yes that removed nothing: the page still lists it, and says so.
    m_services->accounts.server()->respondOnce("DELETE", QStringLiteral("/devices/") + den, FakeResponse::empty(204));
    m_answers = {kYes};
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("still lists what was removed")));
    buttonIn(shown(screen.get(), "devicesContent"), QStringLiteral("Remove"))->click();
    QTRY_COMPARE(statusText(screen.get()), QStringLiteral("Failed to remove device."));
    QVERIFY(buttonIn(shown(screen.get(), "devicesContent"), QStringLiteral("Remove"))->isEnabled());

    m_services->accounts.server()->respondOnce("DELETE", QStringLiteral("/group/members/acc-bob"), FakeResponse::empty(204));
    m_answers = {kYes};
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("still lists what was removed")));
    buttonIn(shown(screen.get(), "groupContent"), QStringLiteral("Remove"))->click();
    QTRY_COMPARE(statusText(screen.get()), QStringLiteral("Failed to remove Bob."));

    QString other;
    for (const Session& session : screen->model()->sessions()) {
        if (!session.is_current)
            other = session.id;
    }
    m_services->auth.server()->respondOnce("DELETE", m_services->auth.realmPath(QStringLiteral("/users/me/sessions/") + other),
                                  FakeResponse::empty(204));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("still lists what was removed")));
    buttonIn(shown(screen.get(), "sessionsContent"), QStringLiteral("Revoke"))->click();
    QTRY_COMPARE(statusText(screen.get()), QStringLiteral("Failed to revoke session."));
    QCOMPARE(m_services->auth.liveSessionCount(), 2);

    // A page that cannot be loaded after the yes does not gainsay it.
    m_services->accounts.server()->respondOnce("GET", QStringLiteral("/devices"), FakeResponse::json(500, {}));
    m_answers = {kYes};
    buttonIn(shown(screen.get(), "devicesContent"), QStringLiteral("Remove"))->click();
    QTRY_COMPARE(statusText(screen.get()), QStringLiteral("Device removed."));
    QCOMPARE(screen->model()->devicesState(), LoadState::Failed);
}

void AccountScreenTest::pagesAreNotRebuiltUnderAnOpenDialog()
{
    signInAs(QStringLiteral("user-ann"));
    auto screen = openLoaded();
    QVERIFY(screen);
    QPointer<QWidget> before = shown(screen.get(), "groupContent");
    QPointer<QPushButton> remove = buttonIn(before, QStringLiteral("Remove"));

    // The group's answer comes while the question its Remove opened is up.
    bool answeredUnderDialog = false;
    m_onDialog = [&](QWidget*) {
        QSignalSpy answered(screen->model(), &AccountScreenModel::groupChanged);
        screen->refreshGroup();
        answeredUnderDialog = QTest::qWaitFor([&answered] { return !answered.isEmpty(); });
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(before && !before->isHidden() && remove);
    };
    m_answers = {kCancel};
    remove->click();
    QVERIFY(answeredUnderDialog);
    QVERIFY(!m_seen.isEmpty());
    // Once it has closed, the page shows the answer; the old rows go later.
    QCOMPARE(before->isHidden(), true);
    QVERIFY(shown(screen.get(), "groupContent") != before);
    QVERIFY(!before);
}

void AccountScreenTest::signingOutDropsWhatWasShownAndWaiting()
{
    signInAs(QStringLiteral("user-ann"));
    auto screen = openLoaded();
    QVERIFY(screen);
    m_services->accounts.server()->delayRoute("GET", QStringLiteral("/group"), 300);
    const QString renamePath = m_services->auth.realmPath(QStringLiteral("/users/me"));
    m_services->auth.server()->delayRoute("PATCH", renamePath, 300);
    // What each transport has finished, as it finishes it: the answers of
    // the ended session have then been handled too.
    QList<QPair<QNetworkAccessManager::Operation, QString>> arrived;
    for (ApiClient* transport : {m_client->accountApiClient(), m_client->authApiClient()}) {
        connect(transport->findChild<QNetworkAccessManager*>(), &QNetworkAccessManager::finished, this,
                [&arrived](QNetworkReply* reply) { arrived.append({reply->operation(), reply->url().path()}); });
    }
    screen->refreshGroup();
    m_answers = {QStringLiteral("Someone")};
    screen->findChild<QPushButton*>(QStringLiteral("editNameButton"))->click();
    QTRY_COMPARE(m_services->accounts.server()->requestsTo("GET", QStringLiteral("/group")).size(), 2);

    m_client->authClient()->logout();
    QCOMPARE(screen->model()->groupState(), LoadState::Loading);
    QCOMPARE(screen->findChild<ElidedLabel*>(QStringLiteral("nameLabel"))->fullText(), QString());
    QVERIFY(screen->findChild<QPushButton*>(QStringLiteral("editNameButton"))->isEnabled());
    QTRY_VERIFY(arrived.contains({QNetworkAccessManager::GetOperation, QStringLiteral("/group")})
                && arrived.contains({QNetworkAccessManager::CustomOperation, renamePath}));
    // The answers of the ended session change nothing.
    QCOMPARE(screen->model()->groupState(), LoadState::Loading);
    QVERIFY(textsIn(shown(screen.get(), "groupContent")).contains(QStringLiteral("Loading\u2026")));
    QCOMPARE(statusText(screen.get()), QString());
}

void AccountScreenTest::signingOutClosesOpenQuestions()
{
    signInAs(QStringLiteral("user-ann"));
    auto screen = openLoaded();
    QVERIFY(screen);

    // The user signs out while asked whether to remove Bob: the question
    // goes with the session, and no answer can reach the next user.
    bool questionClosed = false;
    m_onDialog = [&](QWidget* window) {
        m_client->authClient()->logout();
        questionClosed = !window->isVisible();
    };
    m_answers = {kCancel};
    buttonIn(shown(screen.get(), "groupContent"), QStringLiteral("Remove"))->click();
    QVERIFY(questionClosed);
    QVERIFY(accountRequests("DELETE", QStringLiteral("/group/members/acc-bob")).isEmpty());
}

void AccountScreenTest::pageWidthsFollowANewFont()
{
    signInAs(QStringLiteral("user-ann"));
    auto screen = openLoaded();
    QVERIFY(screen);
    screen->show();
    auto* stack = screen->findChild<QStackedWidget*>(QStringLiteral("pageStack"));
    const auto fitted = [stack] {
        for (int index = 0; index < stack->count(); ++index) {
            auto* scroll = qobject_cast<QScrollArea*>(stack->widget(index));
            if (scroll->minimumWidth()
                != scroll->widget()->minimumSizeHint().width() + scroll->verticalScrollBar()->sizeHint().width())
                return false;
        }
        return true;
    };
    QVERIFY(fitted());
    const int before = stack->widget(AccountScreen::GroupTab)->minimumWidth();

    // At a larger font each page is as wide as its rows need in that font,
    // measured once the font has reached them: the theme gives styled
    // widgets theirs only after the application's font has changed.
    const QFont font = QApplication::font();
    QFont larger = font;
    larger.setPointSizeF(font.pointSizeF() * 1.5);
    QApplication::setFont(larger);
    QFont styled = larger;
    styled.setPointSizeF(larger.pointSizeF() * 1.5);
    buttonIn(stack->widget(AccountScreen::GroupTab), QStringLiteral("Generate Invite Code"))->setFont(styled);
    QTRY_VERIFY(stack->widget(AccountScreen::GroupTab)->minimumWidth() > before);
    QTRY_VERIFY(fitted());
    QApplication::setFont(font);
    buttonIn(stack->widget(AccountScreen::GroupTab), QStringLiteral("Generate Invite Code"))->setFont(QFont());
    QTRY_COMPARE(stack->widget(AccountScreen::GroupTab)->minimumWidth(), before);
}

void AccountScreenTest::eachMessageStaysItsWholeTime()
{
    signInAs(QStringLiteral("user-ann"));
    AccountScreen screen(m_client.get());
    auto* label = screen.findChild<ElidedLabel*>(QStringLiteral("statusLabel"));
    QTimer* timer = nullptr;
    for (QTimer* candidate : screen.findChildren<QTimer*>()) {
        if (candidate->isSingleShot())
            timer = candidate;
    }
    QVERIFY(timer);
    screen.showError(QStringLiteral("Broken"));
    QCOMPARE(timer->interval(), AccountScreen::kErrorMessageMs);
    const QColor errorColour = label->palette().color(QPalette::WindowText);
    screen.showSuccess(QStringLiteral("Fixed"));
    QCOMPARE(label->fullText(), QStringLiteral("Fixed"));
    QVERIFY(label->palette().color(QPalette::WindowText) != errorColour);
    // The error's time does not cut the success short.
    QCOMPARE(timer->interval(), AccountScreen::kSuccessMessageMs);
    QVERIFY(timer->isActive() && timer->remainingTime() > AccountScreen::kSuccessMessageMs - 500);
    QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
    QCOMPARE(label->fullText(), QString());
}

void AccountScreenTest::keyboardReachesEveryPage()
{
    signInAs(QStringLiteral("user-ann"));
    auto screen = openLoaded();
    QVERIFY(screen);
    screen->show();
    QVERIFY(QTest::qWaitForWindowActive(screen.get()));

    auto* pages = screen->findChild<QListWidget*>(QStringLiteral("pageList"));
    pages->setFocus();
    QVERIFY(pages->hasFocus());
    QTest::keyClick(pages, Qt::Key_Down);
    QCOMPARE(screen->currentTab(), AccountScreen::GroupTab);
    QTest::keyClick(pages, Qt::Key_End);
    QCOMPARE(screen->currentTab(), AccountScreen::PrivacyTab);
    screen->setCurrentTab(AccountScreen::SecurityTab);
    QCOMPARE(pages->currentRow(), 3);
    screen->setCurrentTab(AccountScreen::GroupTab);

    // Tab goes from the list into the page, to its first button.
    QTest::keyClick(pages, Qt::Key_Tab);
    QWidget* group = shown(screen.get(), "groupContent");
    QVERIFY(group->isAncestorOf(QApplication::focusWidget()));
    QCOMPARE(qobject_cast<QPushButton*>(QApplication::focusWidget())->text(), QStringLiteral("Remove"));

    // The focus stays among the rows as they are rebuilt.
    buttonIn(group, QStringLiteral("Invite by Email"))->setFocus();
    screen->refreshGroup();
    QTRY_VERIFY(shown(screen.get(), "groupContent") != group);
    QWidget* focused = QApplication::focusWidget();
    QVERIFY(shown(screen.get(), "groupContent")->isAncestorOf(focused));
    QCOMPARE(qobject_cast<QPushButton*>(focused)->text(), QStringLiteral("Invite by Email"));

    // A button held while its change waits does not hand the focus on to
    // the next one (Sign Out), where Return would press it; the focus
    // comes back to it with the answer.
    screen->setCurrentTab(AccountScreen::ProfileTab);
    auto* edit = screen->findChild<QPushButton*>(QStringLiteral("editNameButton"));
    edit->setFocus();
    m_services->auth.server()->delayRoute("PATCH", m_services->auth.realmPath(QStringLiteral("/users/me")), 200);
    m_answers = {QStringLiteral("Ann")};
    QTest::keyClick(edit, Qt::Key_Space);
    QVERIFY(!edit->isEnabled());
    // Where the focus is in the window, whether or not it is active again
    // once the dialog has gone.
    QCOMPARE(screen->focusWidget(), pages);
    QTRY_VERIFY(edit->isEnabled());
    QCOMPARE(screen->focusWidget(), edit);
}

int main(int argc, char* argv[])
{
    // Local time away from UTC, so that a time read in the wrong zone shows.
    qputenv("TZ", "Asia/Kolkata");
    QApplication app(argc, argv);
    AccountScreenTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_accountscreen.moc"
