#include "account/AccountScreen.h"
#include "account/ApiClient.h"
#include "account/AuthClient.h"
#include "account/Client.h"
#include "account/ElidedLabel.h"
#include "account/ShareMembersDialog.h"
#include "account/ShareMembersModel.h"
#include "account/TokenManager.h"
#include "storage/Account.h"
#include "tests/support/FakeServices.h"
#include "tests/support/FakeSharingBackend.h"
#include "tests/support/ModalWatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>

#include <memory>

using namespace TandAccount;
using LoadState = ShareMembersModel::LoadState;

namespace {

const QString kAccountId = QStringLiteral("0b6f5a52-9d7e-4f0e-8c61-3a2f1e0d9c8b");

ShareMember share(const QString& userId, const QString& role, const QString& name = {}, const QString& email = {})
{
    ShareMember member;
    member.id = member.user_id = userId;
    member.role = role;
    member.display_name = name;
    member.email = email;
    return member;
}

// The rows and notes a list shows now. Rows on their way out are hidden
// until the event loop deletes them; new ones in a shown dialog wait for it
// to show them.
QList<QWidget*> shownIn(QWidget* list)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QList<QWidget*> shown;
    for (QWidget* child : list->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isHidden())
            shown.append(child);
    }
    return shown;
}

// Each shown entry of a list by its texts: a note's text, or a row's
// initials, name and e-mail.
QList<QStringList> entriesOf(QWidget* list)
{
    QList<QStringList> entries;
    for (QWidget* entry : shownIn(list)) {
        if (auto* note = qobject_cast<QLabel*>(entry)) {
            entries.append({note->text()});
            continue;
        }
        QStringList texts;
        for (QLabel* label : entry->findChildren<QLabel*>()) {
            const auto* elided = qobject_cast<ElidedLabel*>(label);
            texts.append(elided ? elided->fullText() : label->text());
        }
        entries.append(texts);
    }
    return entries;
}

QAbstractButton* buttonOf(QWidget* list, int row)
{
    return shownIn(list).value(row)->findChild<QAbstractButton*>();
}

} // namespace

class ShareMembersDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void initials_data();
    void initials();
    void listsLeaveOutTheOwnerAndTheUser();
    void sharesLackingNamesBorrowThemFromTheGroup();
    void hintsWhenNobodyIsLeftToAdd();
    void shareWaitsForItsAnswer();
    void failedSharesSayWhy();
    void removalAsksFirst();
    void failedLoadsAreNotEmptyLists();
    void staleListAnswersAreDropped();
    void serviceTextsAreShownAsTyped();
    void answersAfterTheDialogIsGoneTouchNothing();
    void keyboardReachesEveryRow();
    void busyKeepsTheKeyboardInTheDialog();
    void signingOutClosesTheDialogAndItsQuestion();
    void errorsTakeTheThemesErrorColour();

private:
    std::unique_ptr<ShareMembersDialog> openDialog(const ShareDialogTexts& texts = {});
    // Opens the dialog, answers its share list with `shares` and lets the
    // profile and the group arrive.
    std::unique_ptr<ShareMembersDialog> openLoaded(const QList<ShareMember>& shares);
    static ShareMembersModel* modelOf(ShareMembersDialog* dialog) { return dialog->findChild<ShareMembersModel*>(); }
    static QWidget* accessList(ShareMembersDialog* dialog) { return dialog->findChild<QWidget*>("accessList"); }
    static QWidget* memberList(ShareMembersDialog* dialog) { return dialog->findChild<QWidget*>("memberList"); }
    static QLabel* labelNamed(ShareMembersDialog* dialog, const char* name) { return dialog->findChild<QLabel*>(name); }

    std::unique_ptr<FakeServices> m_services;
    FakeSharingBackend* m_backend = nullptr;
    std::unique_ptr<Client> m_client;
    QString m_group;
};

void ShareMembersDialogTest::init()
{
    m_services = std::make_unique<FakeServices>();
    m_backend = new FakeSharingBackend(this);
    QVERIFY(m_services->start());
    m_services->addPerson(QStringLiteral("ann"), QStringLiteral("Ann Lee"));
    m_services->addPerson(QStringLiteral("bob"), QStringLiteral("Bob"));
    m_services->addPerson(QStringLiteral("cy"), {});
    m_services->addPerson(QStringLiteral("dee"), QStringLiteral("Dee Ann Smith"));
    m_group = m_services->accounts.createGroup(QStringLiteral("Family"), QStringLiteral("acc-ann"));
    for (const char* member : {"acc-bob", "acc-cy", "acc-dee"})
        m_services->accounts.addToGroup(m_group, QString::fromLatin1(member));

    m_client = m_services->signedInClient(QStringLiteral("user-ann"));
}

void ShareMembersDialogTest::cleanup()
{
    m_client.reset();
    delete m_backend;
    m_services.reset();
}

std::unique_ptr<ShareMembersDialog> ShareMembersDialogTest::openDialog(const ShareDialogTexts& texts)
{
    Account account;
    account.id = kAccountId;
    account.name = QStringLiteral("Joint checking");
    return std::make_unique<ShareMembersDialog>(m_client.get(), m_backend, account, texts);
}

std::unique_ptr<ShareMembersDialog> ShareMembersDialogTest::openLoaded(const QList<ShareMember>& shares)
{
    auto dialog = openDialog();
    if (!m_backend->answerList(true, shares))
        return nullptr;
    if (!QTest::qWaitFor([&dialog] { return modelOf(dialog.get())->membersState() == LoadState::Loaded; }))
        return nullptr;
    return dialog;
}

void ShareMembersDialogTest::initials_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("initials");

    QTest::newRow("two words") << QStringLiteral("ann lee") << QString() << QStringLiteral("AL");
    QTest::newRow("three words") << QStringLiteral("Dee Ann Smith") << QString() << QStringLiteral("DS");
    QTest::newRow("one word") << QStringLiteral("bob") << QStringLiteral("x@example.org") << QStringLiteral("B");
    QTest::newRow("padded words") << QStringLiteral("  ann \t  lee ") << QString() << QStringLiteral("AL");
    QTest::newRow("address only") << QString() << QStringLiteral("cy@example.org") << QStringLiteral("C");
    QTest::newRow("blank name") << QStringLiteral("   ") << QStringLiteral("cy@example.org") << QStringLiteral("C");
    QTest::newRow("neither") << QString() << QString() << QStringLiteral("?");
    QTest::newRow("beyond the basic plane") << QStringLiteral("\U0001D49C da") << QString()
                                            << QStringLiteral("\U0001D49CD");
}

void ShareMembersDialogTest::initials()
{
    QFETCH(QString, name);
    QFETCH(QString, email);
    QFETCH(QString, initials);
    QCOMPARE(ShareMembersModel::initialsFor(name, email), initials);
}

void ShareMembersDialogTest::listsLeaveOutTheOwnerAndTheUser()
{
    auto dialog = openDialog();
    // Nothing is said about who has access before the list has come.
    QCOMPARE(entriesOf(accessList(dialog.get())), QList<QStringList>{{QStringLiteral("Loading\u2026")}});
    QCOMPARE(m_backend->calls().size(), 1);
    QCOMPARE(m_backend->calls().at(0).accountId, kAccountId);

    QVERIFY(m_backend->answerList(true, {share(QStringLiteral("acc-ann"), QStringLiteral("owner"), QStringLiteral("Ann Lee")),
                                         share(QStringLiteral("acc-bob"), QStringLiteral("member"), QStringLiteral("Bob"),
                                               QStringLiteral("bob@example.org"))}));
    QTRY_COMPARE(modelOf(dialog.get())->membersState(), LoadState::Loaded);

    // Ann owns the account and opens the dialog: neither listed nor offered.
    QCOMPARE(entriesOf(accessList(dialog.get())),
             (QList<QStringList>{{QStringLiteral("B"), QStringLiteral("Bob"), QStringLiteral("bob@example.org")}}));
    QCOMPARE(entriesOf(memberList(dialog.get())),
             (QList<QStringList>{{QStringLiteral("C"), QStringLiteral("cy@example.org")},
                                 {QStringLiteral("DS"), QStringLiteral("Dee Ann Smith"), QStringLiteral("dee@example.org")}}));
    QVERIFY(labelNamed(dialog.get(), "noGroupHint")->isHidden());
    QVERIFY(labelNamed(dialog.get(), "allHaveAccessHint")->isHidden());

    // Someone else's account, shared with Ann: its owner is not offered a
    // share of their own account, and Ann is still not offered either.
    auto shared = openDialog();
    QVERIFY(m_backend->answerList(true, {share(QStringLiteral("acc-dee"), QStringLiteral("owner")),
                                         share(QStringLiteral("acc-ann"), QStringLiteral("member"))}));
    QTRY_COMPARE(modelOf(shared.get())->membersState(), LoadState::Loaded);
    QCOMPARE(entriesOf(accessList(shared.get())),
             (QList<QStringList>{{QStringLiteral("AL"), QStringLiteral("Ann Lee"), QStringLiteral("ann@example.org")}}));
    QCOMPARE(entriesOf(memberList(shared.get())).size(), 2);
    QCOMPARE(entriesOf(memberList(shared.get())).at(0).value(1), QStringLiteral("Bob"));
}

void ShareMembersDialogTest::sharesLackingNamesBorrowThemFromTheGroup()
{
    // Shares name users by another id than the group does.
    m_backend->setShareUserId(QStringLiteral("acc-bob"), QStringLiteral("u-bob"));
    m_backend->setShareUserId(QStringLiteral("acc-ann"), QStringLiteral("u-ann"));
    auto dialog = openLoaded({share(QStringLiteral("u-bob"), QStringLiteral("member")),
                              share(QStringLiteral("u-stranger"), QStringLiteral("member")),
                              share(QStringLiteral("u-cy"), QStringLiteral("member"), {}, QStringLiteral("cy@example.org"))});
    QVERIFY(dialog);

    QCOMPARE(entriesOf(accessList(dialog.get())),
             (QList<QStringList>{{QStringLiteral("B"), QStringLiteral("Bob"), QStringLiteral("bob@example.org")},
                                 {QStringLiteral("?"), QStringLiteral("u-stranger")},
                                 {QStringLiteral("C"), QStringLiteral("cy@example.org")}}));
    // Bob has access under his share id; Ann is known as herself by hers.
    // Cy's share is under an id the group does not resolve to: still offered.
    QStringList offered;
    for (const QStringList& entry : entriesOf(memberList(dialog.get())))
        offered.append(entry.value(1));
    QCOMPARE(offered, (QStringList{QStringLiteral("cy@example.org"), QStringLiteral("Dee Ann Smith")}));

    buttonOf(memberList(dialog.get()), 1)->click();
    QCOMPARE(m_backend->callsOf(QStringLiteral("share")).at(0).who, QStringLiteral("acc-dee"));
}

void ShareMembersDialogTest::hintsWhenNobodyIsLeftToAdd()
{
    auto dialog = openLoaded({share(QStringLiteral("acc-bob"), QStringLiteral("member")),
                              share(QStringLiteral("acc-cy"), QStringLiteral("member")),
                              share(QStringLiteral("acc-dee"), QStringLiteral("viewer"))});
    QVERIFY(dialog);
    QVERIFY(entriesOf(memberList(dialog.get())).isEmpty());
    QVERIFY(!labelNamed(dialog.get(), "allHaveAccessHint")->isHidden());
    QVERIFY(labelNamed(dialog.get(), "noGroupHint")->isHidden());

    // A group of the user alone leaves nobody to add; so does no group at all.
    m_services->accounts.createGroup(QStringLiteral("Just me"), QStringLiteral("acc-ann"));
    for (int round = 0; round < 2; ++round) {
        auto empty = openLoaded({});
        QVERIFY(empty);
        QVERIFY(!labelNamed(empty.get(), "noGroupHint")->isHidden());
        QVERIFY(labelNamed(empty.get(), "allHaveAccessHint")->isHidden());
        QVERIFY(entriesOf(memberList(empty.get())).isEmpty());
        QCOMPARE(entriesOf(accessList(empty.get())), QList<QStringList>{{QStringLiteral("Not shared with anyone yet.")}});
        m_services->accounts.removeFromGroup(QStringLiteral("acc-ann"));
    }
}

void ShareMembersDialogTest::shareWaitsForItsAnswer()
{
    ShareDialogTexts texts;
    texts.defaultRole = QStringLiteral("viewer");
    auto dialog = openDialog(texts);
    QVERIFY(m_backend->answerList(true, {}));
    QTRY_COMPARE(modelOf(dialog.get())->membersState(), LoadState::Loaded);
    QSignalSpy changed(dialog.get(), &ShareMembersDialog::sharingChanged);

    QAbstractButton* bob = buttonOf(memberList(dialog.get()), 0);
    QAbstractButton* cy = buttonOf(memberList(dialog.get()), 1);
    bob->click();
    QCOMPARE(m_backend->waitingShares(), 1);
    QCOMPARE(m_backend->callsOf(QStringLiteral("share")).at(0).who, QStringLiteral("acc-bob"));
    QCOMPARE(m_backend->callsOf(QStringLiteral("share")).at(0).role, QStringLiteral("viewer"));

    // While it waits every row is still, and says what is going on.
    QVERIFY(!cy->isEnabled());
    QVERIFY(!bob->isEnabled());
    cy->click();
    bob->click();
    QCOMPARE(m_backend->waitingShares(), 1);
    QCOMPARE(labelNamed(dialog.get(), "shareBusy")->text(), QStringLiteral("Sharing with Bob\u2026"));
    QVERIFY(!labelNamed(dialog.get(), "shareBusy")->isHidden());

    // Accepted: announced once, and the shares are read again; the group
    // has not changed and is not asked for.
    m_services->accounts.server()->clearLog();
    QVERIFY(m_backend->answerShare(true));
    QCOMPARE(changed.size(), 1);
    QVERIFY(labelNamed(dialog.get(), "shareBusy")->isHidden());
    QCOMPARE(m_backend->waitingLists(), 1);
    QVERIFY(m_backend->answerList(true, {share(QStringLiteral("acc-bob"), QStringLiteral("viewer"))}));
    QCOMPARE(entriesOf(accessList(dialog.get())).at(0).value(1), QStringLiteral("Bob"));
    QCOMPARE(entriesOf(memberList(dialog.get())).size(), 2);
    QVERIFY(buttonOf(memberList(dialog.get()), 0)->isEnabled());
    QCOMPARE(modelOf(dialog.get())->membersState(), LoadState::Loaded);
    QVERIFY(m_services->accounts.server()->requests().isEmpty());
}

void ShareMembersDialogTest::failedSharesSayWhy()
{
    auto dialog = openLoaded({});
    QVERIFY(dialog);
    QSignalSpy changed(dialog.get(), &ShareMembersDialog::sharingChanged);
    QLabel* error = labelNamed(dialog.get(), "shareError");
    QVERIFY(error->isHidden());

    buttonOf(memberList(dialog.get()), 0)->click();
    QVERIFY(m_backend->answerShare(false, QStringLiteral("Bob has reached the limit of shared accounts")));
    QVERIFY(!error->isHidden());
    QCOMPARE(error->text(), QStringLiteral("Bob has reached the limit of shared accounts"));

    // The next attempt clears it; a failure without a reason names the person.
    buttonOf(memberList(dialog.get()), 1)->click();
    QVERIFY(error->isHidden());
    QVERIFY(m_backend->answerShare(false));
    QCOMPARE(error->text(), QStringLiteral("Could not share with cy@example.org."));
    // A failure leaves the lists as they were and reads nothing again.
    QCOMPARE(changed.size(), 0);
    QCOMPARE(m_backend->waitingLists(), 0);
    QCOMPARE(entriesOf(memberList(dialog.get())).size(), 3);
    QVERIFY(buttonOf(memberList(dialog.get()), 0)->isEnabled());
}

void ShareMembersDialogTest::removalAsksFirst()
{
    auto dialog = openLoaded({share(QStringLiteral("acc-bob"), QStringLiteral("member"), QStringLiteral("Bob"))});
    QVERIFY(dialog);
    QSignalSpy changed(dialog.get(), &ShareMembersDialog::sharingChanged);

    QList<QPair<QString, QString>> asked;
    QMessageBox::StandardButton answer = QMessageBox::No;
    ModalWatcher watcher([&](QWidget* window) {
        auto* box = qobject_cast<QMessageBox*>(window);
        QVERIFY(box);
        asked.append({box->windowTitle(), box->text()});
        QCOMPARE(box->defaultButton(), box->button(QMessageBox::No));
        box->button(answer)->click();
    });

    QAbstractButton* remove = buttonOf(accessList(dialog.get()), 0);
    QVERIFY(remove);
    remove->click();
    QCOMPARE(asked, (QList<QPair<QString, QString>>{{QStringLiteral("Remove access?"),
                                                      QStringLiteral("Bob will no longer have access. Continue?")}}));
    QVERIFY(m_backend->callsOf(QStringLiteral("remove")).isEmpty());

    answer = QMessageBox::Yes;
    remove->click();
    QCOMPARE(asked.size(), 2);
    QCOMPARE(m_backend->callsOf(QStringLiteral("remove")).size(), 1);
    QCOMPARE(m_backend->callsOf(QStringLiteral("remove")).at(0).who, QStringLiteral("acc-bob"));
    QCOMPARE(labelNamed(dialog.get(), "shareBusy")->text(), QStringLiteral("Removing Bob\u2026"));
    // No second question while the first removal waits.
    remove->click();
    QCOMPARE(asked.size(), 2);

    QVERIFY(m_backend->answerRemove(false));
    QCOMPARE(labelNamed(dialog.get(), "shareError")->text(), QStringLiteral("Could not remove Bob."));
    QCOMPARE(changed.size(), 0);

    remove->click();
    QVERIFY(labelNamed(dialog.get(), "shareError")->isHidden());
    QVERIFY(m_backend->answerRemove(true));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(m_backend->waitingLists(), 1);
}

void ShareMembersDialogTest::failedLoadsAreNotEmptyLists()
{
    auto dialog = openDialog();
    QVERIFY(m_backend->answerList(false));
    QTRY_COMPARE(modelOf(dialog.get())->membersState(), LoadState::Loaded);
    QCOMPARE(entriesOf(accessList(dialog.get())),
             QList<QStringList>{{QStringLiteral("Could not load who has access to this account.")}});
    // Without knowing who has access nobody is offered it.
    QCOMPARE(entriesOf(memberList(dialog.get())),
             QList<QStringList>{{QStringLiteral("Members can be added once it is known who has access.")}});
    QVERIFY(labelNamed(dialog.get(), "noGroupHint")->isHidden());
    QVERIFY(labelNamed(dialog.get(), "allHaveAccessHint")->isHidden());

    // Without the profile the user cannot be told from the others: nobody
    // is offered, and the group is not even asked for.
    for (const QString& path : {QStringLiteral("/profile"), QStringLiteral("/group")}) {
        m_services->accounts.server()->clearLog();
        m_services->accounts.server()->respondOnce("GET", path, FakeResponse::json(503, {}));
        auto failed = openDialog();
        QVERIFY(m_backend->answerList(true, {}));
        QTRY_COMPARE(modelOf(failed.get())->membersState(), LoadState::Failed);
        QCOMPARE(entriesOf(memberList(failed.get())),
                 QList<QStringList>{{QStringLiteral("Could not load your group's members.")}});
        QVERIFY(labelNamed(failed.get(), "noGroupHint")->isHidden());
        QCOMPARE(entriesOf(accessList(failed.get())),
                 QList<QStringList>{{QStringLiteral("Not shared with anyone yet.")}});
        QCOMPARE(m_services->accounts.server()->requests().size(), path == QLatin1String("/profile") ? 1 : 2);
    }
}

void ShareMembersDialogTest::staleListAnswersAreDropped()
{
    auto dialog = openLoaded({});
    QVERIFY(dialog);
    // Two shares in a row, each followed by a new read of the list.
    buttonOf(memberList(dialog.get()), 0)->click();
    QVERIFY(m_backend->answerShare(true));
    buttonOf(memberList(dialog.get()), 1)->click();
    QVERIFY(m_backend->answerShare(true));
    QCOMPARE(m_backend->waitingLists(), 2);

    // The later read answers first; the earlier one, arriving after it, is old news.
    QVERIFY(m_backend->answerNewestList(true, {share(QStringLiteral("acc-bob"), QStringLiteral("member")),
                                               share(QStringLiteral("acc-cy"), QStringLiteral("member"))}));
    QVERIFY(m_backend->answerList(true, {share(QStringLiteral("acc-bob"), QStringLiteral("member"))}));
    QCOMPARE(entriesOf(accessList(dialog.get())).size(), 2);
    QCOMPARE(entriesOf(memberList(dialog.get())).size(), 1);
}

void ShareMembersDialogTest::serviceTextsAreShownAsTyped()
{
    const QString markup = QStringLiteral("<b>Bob</b><img src=\"http://127.0.0.1:9/x.png\"><a href=\"x\">y</a>");
    m_services->accounts.addUser({QStringLiteral("acc-eve"), QStringLiteral("user-eve"), QStringLiteral("<i>eve</i>@example.org"),
                         markup});
    m_services->accounts.addToGroup(m_group, QStringLiteral("acc-eve"));
    auto dialog = openLoaded({share(QStringLiteral("acc-x"), QStringLiteral("member"), markup)});
    QVERIFY(dialog);

    QStringList seen;
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
        QCOMPARE(label->textFormat(), Qt::PlainText);
        const auto* elided = qobject_cast<ElidedLabel*>(label);
        if (elided && elided->fullText().contains(u'<'))
            seen.append(elided->fullText());
    }
    QCOMPARE(seen.count(markup), 2);
    QVERIFY(seen.contains(QStringLiteral("<i>eve</i>@example.org")));

    // Cut short, a name shows whole in its tooltip, as typed.
    ElidedLabel cut(markup);
    cut.resize(40, cut.sizeHint().height());
    cut.show();
    QVERIFY(cut.text().endsWith(QChar(0x2026)));
    QTextDocument tooltip;
    tooltip.setHtml(cut.toolTip());
    QCOMPARE(tooltip.toPlainText(), markup);
    cut.resize(cut.sizeHint());
    QCOMPARE(cut.text(), markup);
    QCOMPARE(cut.toolTip(), QString());

    // The service's reason and the question name the person as typed too.
    buttonOf(memberList(dialog.get()), 3)->click();
    QVERIFY(m_backend->answerShare(false, QStringLiteral("<h1>refused</h1>")));
    QCOMPARE(labelNamed(dialog.get(), "shareError")->textFormat(), Qt::PlainText);
    QCOMPARE(labelNamed(dialog.get(), "shareError")->text(), QStringLiteral("<h1>refused</h1>"));

    Qt::TextFormat questionFormat = Qt::AutoText;
    QString question;
    ModalWatcher watcher([&](QWidget* window) {
        auto* box = qobject_cast<QMessageBox*>(window);
        questionFormat = box->textFormat();
        question = box->text();
        box->button(QMessageBox::No)->click();
    });
    buttonOf(accessList(dialog.get()), 0)->click();
    QCOMPARE(questionFormat, Qt::PlainText);
    QCOMPARE(question, markup + QStringLiteral(" will no longer have access. Continue?"));
}

void ShareMembersDialogTest::answersAfterTheDialogIsGoneTouchNothing()
{
    auto dialog = openLoaded({});
    QVERIFY(dialog);
    buttonOf(memberList(dialog.get()), 0)->click();
    // Each answer of the account service, as the transport finishes it.
    int profileAnswers = 0;
    connect(m_client->accountApiClient()->findChild<QNetworkAccessManager*>(), &QNetworkAccessManager::finished, this,
            [&profileAnswers](QNetworkReply* reply) { profileAnswers += reply->url().path() == QStringLiteral("/profile"); });
    m_services->accounts.server()->clearLog();
    auto second = openDialog();
    QCOMPARE(m_backend->waitingShares(), 1);
    QCOMPARE(m_backend->waitingLists(), 1);

    // Closed while the share, a list and the profile request wait.
    dialog.reset();
    second.reset();
    QVERIFY(m_backend->answerShare(true));
    QVERIFY(m_backend->answerList(true, {share(QStringLiteral("acc-bob"), QStringLiteral("member"))}));
    QTRY_COMPARE(profileAnswers, 1);
    QCOMPARE(m_backend->waitingLists(), 0);
    // The profile's answer asked for no group.
    QCOMPARE(m_services->accounts.server()->requests().size(), 1);
}

void ShareMembersDialogTest::keyboardReachesEveryRow()
{
    auto dialog = openLoaded({share(QStringLiteral("acc-bob"), QStringLiteral("member"), QStringLiteral("Bob"))});
    QVERIFY(dialog);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));

    // Tab walks through every row's button and comes back to Close.
    QList<QAbstractButton*> reached;
    QWidget* start = QApplication::focusWidget();
    QVERIFY(start);
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (auto* button = qobject_cast<QAbstractButton*>(QApplication::focusWidget()); button && !reached.contains(button))
            reached.append(button);
    }
    QCOMPARE(reached.size(), 4);

    // Space on a member's button shares with them; the focus stays in the
    // rows once they are rebuilt.
    QAbstractButton* cy = buttonOf(memberList(dialog.get()), 0);
    cy->setFocus();
    QTest::keyClick(cy, Qt::Key_Space);
    QCOMPARE(m_backend->callsOf(QStringLiteral("share")).size(), 1);
    QVERIFY(m_backend->answerShare(true));
    QVERIFY(m_backend->answerList(true, {share(QStringLiteral("acc-bob"), QStringLiteral("member")),
                                         share(QStringLiteral("acc-cy"), QStringLiteral("member"))}));
    QTRY_VERIFY(qobject_cast<QAbstractButton*>(QApplication::focusWidget()));
    QVERIFY(QApplication::focusWidget()->isEnabled());
    QVERIFY(dialog->isAncestorOf(QApplication::focusWidget()));

    // Return on a row's remove button asks about that person, and the
    // dialog stays; Escape closes it.
    QStringList asked;
    ModalWatcher watcher([&asked](QWidget* window) {
        auto* box = qobject_cast<QMessageBox*>(window);
        asked << box->text();
        box->button(QMessageBox::No)->click();
    });
    QAbstractButton* remove = buttonOf(accessList(dialog.get()), 0);
    remove->setFocus();
    QTest::keyClick(remove, Qt::Key_Return);
    QCOMPARE(asked, QStringList{QStringLiteral("Bob will no longer have access. Continue?")});
    QVERIFY(dialog->isVisible());
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());
}

void ShareMembersDialogTest::busyKeepsTheKeyboardInTheDialog()
{
    auto dialog = openLoaded({share(QStringLiteral("acc-bob"), QStringLiteral("member"), QStringLiteral("Bob"))});
    QVERIFY(dialog);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));

    // The focused button is held while its change waits: the focus waits
    // on Close, never on a held button, and comes back with the answer.
    QAbstractButton* cy = buttonOf(memberList(dialog.get()), 0);
    cy->setFocus();
    QTest::keyClick(cy, Qt::Key_Space);
    QCOMPARE(m_backend->waitingShares(), 1);
    QWidget* waiting = QApplication::focusWidget();
    QVERIFY(waiting && waiting->isEnabled());
    QVERIFY(dialog->isAncestorOf(waiting));
    QTest::keyClick(waiting, Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() && QApplication::focusWidget()->isEnabled());
    QVERIFY(m_backend->answerShare(false, QStringLiteral("Refused")));
    QCOMPARE(QApplication::focusWidget(), buttonOf(memberList(dialog.get()), 0));

    // Escape still closes the dialog while a change waits; its answer,
    // coming after, touches nothing.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(m_backend->waitingShares(), 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    dialog.reset();
    QVERIFY(m_backend->answerShare(true));
}

void ShareMembersDialogTest::signingOutClosesTheDialogAndItsQuestion()
{
    auto dialog = openLoaded({share(QStringLiteral("acc-bob"), QStringLiteral("member"), QStringLiteral("Bob"))});
    QVERIFY(dialog);
    dialog->show();

    // The user signs out while the dialog asks whether to remove Bob: the
    // question and the dialog go, and nothing is removed.
    bool questionClosed = false;
    ModalWatcher watcher([&](QWidget* window) {
        if (!qobject_cast<QMessageBox*>(window))
            return;
        m_client->authClient()->logout();
        questionClosed = !window->isVisible();
    });
    buttonOf(accessList(dialog.get()), 0)->click();
    QVERIFY(questionClosed);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QVERIFY(m_backend->callsOf(QStringLiteral("remove")).isEmpty());
}

void ShareMembersDialogTest::errorsTakeTheThemesErrorColour()
{
    auto dialog = openLoaded({});
    QVERIFY(dialog);
    buttonOf(memberList(dialog.get()), 0)->click();
    QVERIFY(m_backend->answerShare(false, QStringLiteral("Refused")));
    QLabel* error = labelNamed(dialog.get(), "shareError");
    // The account window, open beside it, says its errors in the same colour.
    AccountScreen screen(m_client.get());
    screen.showError(QStringLiteral("Failed"));
    dialog->show();
    screen.show();
    auto* status = screen.findChild<QLabel*>(QStringLiteral("statusLabel"));
    const auto colourOf = [](QLabel* label) { return label->palette().color(QPalette::WindowText).name(); };

    const QPalette light = QApplication::palette();
    QCOMPARE(colourOf(error), QStringLiteral("#c62828"));
    QCOMPARE(colourOf(status), QStringLiteral("#c62828"));

    // A switch to the dark theme while both are open reaches them from the
    // event loop.
    QApplication::setPalette(QPalette(QColor(0x20, 0x20, 0x20)));
    QTRY_COMPARE(colourOf(error), QStringLiteral("#ff8a80"));
    QCOMPARE(colourOf(status), QStringLiteral("#ff8a80"));
    QApplication::setPalette(light);
    QTRY_COMPARE(colourOf(error), QStringLiteral("#c62828"));
}

QTEST_MAIN(ShareMembersDialogTest)
#include "tst_sharemembersdialog.moc"
