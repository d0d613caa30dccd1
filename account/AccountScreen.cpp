#include "account/AccountScreen.h"

#include "account/AccountWidgets.h"
#include "account/Client.h"
#include "account/ElidedLabel.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace TandAccount {

namespace {

constexpr int kNavigationWidth = 180;
constexpr qreal kSmallestPointSize = 7;
// Marks on the widgets whose font and colour follow the window's.
constexpr const char* kFontDeltaProperty = "tandAccountFontDelta";
constexpr const char* kFontWeightProperty = "tandAccountFontWeight";
constexpr const char* kToneProperty = "tandAccountTone";
// The model's key of the change a button starts.
constexpr const char* kActionKeyProperty = "tandAccountAction";

const QString kOwnerRole = u"owner"_s;
const QString kDeleteWord = u"DELETE"_s;

// Makes `layout`, and each layout nested in it, work out its sizes anew.
void forgetLayoutSizes(QLayout* layout)
{
    layout->invalidate();
    for (int index = 0; index < layout->count(); ++index) {
        if (QLayout* inner = layout->itemAt(index)->layout())
            forgetLayoutSizes(inner);
    }
}

QWidget* verticalBox(QVBoxLayout*& layout, int spacing)
{
    auto* widget = new QWidget;
    layout = new QVBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    return widget;
}

QHBoxLayout* indentedRow(int top = 0, int bottom = 0)
{
    auto* row = new QHBoxLayout;
    row->setContentsMargins(12, top, 0, bottom);
    return row;
}

} // namespace

AccountScreen::AccountScreen(Client* client, QWidget* parent)
    : QWidget(parent)
    , m_client(client)
    , m_model(new AccountScreenModel(client, this))
    , m_statusTimer(new QTimer(this))
{
    m_statusTimer->setSingleShot(true);
    buildLayout();

    connect(m_model, &AccountScreenModel::profileChanged, this, [this] { showPage(ProfilePage); });
    connect(m_model, &AccountScreenModel::groupChanged, this, [this] { showPage(GroupPage); });
    connect(m_model, &AccountScreenModel::devicesChanged, this, [this] { showPage(DevicesPage); });
    connect(m_model, &AccountScreenModel::sessionsChanged, this, [this] { showPage(SessionsPage); });
    connect(m_model, &AccountScreenModel::pendingChanged, this, &AccountScreen::applyPending);
    connect(m_model, &AccountScreenModel::succeeded, this, &AccountScreen::showSuccess);
    connect(m_model, &AccountScreenModel::failed, this, &AccountScreen::showError);
    // Both open a dialog: not from inside the network's answer.
    connect(m_model, &AccountScreenModel::inviteCodeReady, this, &AccountScreen::showInviteCode,
            Qt::QueuedConnection);
    connect(m_model, &AccountScreenModel::accountDeleted, this, &AccountScreen::confirmAccountDeleted,
            Qt::QueuedConnection);
    // A question still open was asked of the user who has signed out.
    connect(m_model, &AccountScreenModel::sessionEnded, this, [this] { rejectOpenDialogs(this); });
}

void AccountScreen::buildLayout()
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_pageList = new QListWidget;
    m_pageList->setObjectName(u"pageList"_s);
    m_pageList->setFrameShape(QFrame::NoFrame);
    m_pageList->setSpacing(2);
    m_pageList->setAccessibleName(u"Account pages"_s);
    // The pages are reached by keyboard too: Tab to the list, then the arrows.
    m_pageList->setFocusPolicy(Qt::StrongFocus);
    for (const QString& title : {u"Profile"_s, u"Group"_s, u"Devices"_s, u"Security"_s, u"Data & Privacy"_s})
        m_pageList->addItem(title);
    styleNavigation();

    m_pages = new QStackedWidget;
    m_pages->setObjectName(u"pageStack"_s);
    m_pages->addWidget(createProfileTab());
    m_pages->addWidget(createGroupTab());
    m_pages->addWidget(createDevicesTab());
    m_pages->addWidget(createSecurityTab());
    m_pages->addWidget(createPrivacyTab());
    connect(m_pageList, &QListWidget::currentRowChanged, m_pages, &QStackedWidget::setCurrentIndex);
    m_pageList->setCurrentRow(ProfileTab);

    m_statusLabel = new ElidedLabel({});
    m_statusLabel->setObjectName(u"statusLabel"_s);
    m_statusLabel->setContentsMargins(24, 4, 24, 4);
    setRelativeFont(m_statusLabel, -1, QFont::Normal);
    connect(m_statusTimer, &QTimer::timeout, m_statusLabel, [this] { m_statusLabel->setFullText({}); });

    auto* right = new QVBoxLayout;
    right->setContentsMargins(0, 0, 0, 0);
    right->setSpacing(0);
    right->addWidget(m_pages, 1);
    right->addWidget(m_statusLabel);

    layout->addWidget(m_pageList, 0);
    layout->addLayout(right, 1);

    showProfile();
    showGroup();
    showDevices();
    showSessions();
    updateOwnerState();
    fitPageWidths();
}

void AccountScreen::fitPageWidths()
{
    for (int index = 0; index < m_pages->count(); ++index) {
        auto* scroll = qobject_cast<QScrollArea*>(m_pages->widget(index));
        // The layouts of a page not shown are not laid out again when its
        // rows change font or content: they would answer with sizes of before.
        QList<QWidget*> widgets = scroll->widget()->findChildren<QWidget*>();
        widgets.prepend(scroll->widget());
        for (QWidget* widget : std::as_const(widgets)) {
            widget->updateGeometry();
            if (widget->layout())
                forgetLayoutSizes(widget->layout());
        }
        scroll->setMinimumWidth(scroll->widget()->minimumSizeHint().width()
                                + scroll->verticalScrollBar()->sizeHint().width());
    }
}

void AccountScreen::styleNavigation()
{
    const QPalette palette = QApplication::palette();
    const QColor window = palette.color(QPalette::Window);
    const QColor background = palette.color(QPalette::AlternateBase);
    const QColor hover = isDark(palette) ? window.lighter(135) : window.darker(105);
    m_pageList->setStyleSheet(
        u"QListWidget {  background: %1; border: none; padding: 12px 8px;}"
        "QListWidget::item {  padding: 8px 12px; border-radius: 6px;}"
        "QListWidget::item:hover { background: %2; }"
        "QListWidget::item:selected { background: %3; color: %4; }"_s.arg(
            background.name(), hover.name(), palette.color(QPalette::Highlight).name(),
            palette.color(QPalette::HighlightedText).name()));

    // Room for the longest page name at the current font.
    int widest = 0;
    for (int row = 0; row < m_pageList->count(); ++row)
        widest = std::max(widest, m_pageList->fontMetrics().horizontalAdvance(m_pageList->item(row)->text()));
    m_pageList->setFixedWidth(std::max(kNavigationWidth, widest + 2 * 8 + 2 * 12 + 16));
}

QWidget* AccountScreen::createPage(const QString& title, QVBoxLayout*& layout)
{
    auto* frame = new QWidget;
    layout = new QVBoxLayout(frame);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(8);
    QLabel* heading = plainLabel(title);
    setRelativeFont(heading, 4, QFont::DemiBold);
    layout->addWidget(heading);
    layout->addSpacing(12);

    // A long list (a large group, many sessions) scrolls instead of
    // growing the window past the screen.
    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    // Tab goes straight to the page's buttons, and the page scrolls to them.
    scroll->setFocusPolicy(Qt::NoFocus);
    // Too narrow a window cuts names short rather than hide the buttons
    // beside them: the page is never scrolled sideways (fitPageWidths).
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(frame);
    return scroll;
}

QWidget* AccountScreen::createSectionHeader(const QString& title, const QString& description)
{
    auto* header = new QWidget;
    auto* layout = new QVBoxLayout(header);
    layout->setContentsMargins(0, 0, 0, 8);
    // A group's name comes from the service and may be long.
    auto* titleLabel = new ElidedLabel(title);
    setRelativeFont(titleLabel, 1, QFont::Medium);
    layout->addWidget(titleLabel);
    if (!description.isEmpty()) {
        QLabel* descriptionLabel = createMutedLabel(description, -2);
        descriptionLabel->setWordWrap(true);
        layout->addWidget(descriptionLabel);
    }
    return header;
}

QFrame* AccountScreen::createSeparator()
{
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QLabel* AccountScreen::createMutedLabel(const QString& text, int pointDelta)
{
    QLabel* label = mutedLabel(text);
    if (pointDelta != 0)
        setRelativeFont(label, pointDelta, QFont::Normal);
    return label;
}

bool AccountScreen::addLoadState(QVBoxLayout* layout, AccountScreenModel::LoadState state, const QString& problem,
                                 void (AccountScreen::*retry)())
{
    switch (state) {
    case AccountScreenModel::LoadState::Loading: {
        QLabel* loading = createMutedLabel(u"Loading\u2026"_s);
        loading->setContentsMargins(12, 0, 0, 0);
        layout->addWidget(loading);
        return false;
    }
    case AccountScreenModel::LoadState::Failed:
        layout->addWidget(createLoadProblem(problem, retry));
        return false;
    case AccountScreenModel::LoadState::Loaded:
        break;
    }
    return true;
}

QWidget* AccountScreen::createListRow(const QString& title, QFont::Weight weight, const QStringList& details,
                                      const QList<QWidget*>& trailing)
{
    auto* row = new QWidget;
    QHBoxLayout* layout = indentedRow(6, 6);
    row->setLayout(layout);
    auto* text = new QVBoxLayout;
    text->setSpacing(2);
    auto* titleLabel = new ElidedLabel(title);
    setRelativeFont(titleLabel, 0, weight);
    text->addWidget(titleLabel);
    for (const QString& line : details) {
        if (line.isEmpty())
            continue;
        auto* detail = new ElidedLabel(line);
        detail->setForegroundRole(QPalette::PlaceholderText);
        setRelativeFont(detail, -1, QFont::Normal);
        text->addWidget(detail);
    }
    // The texts give way to what follows them when room is short.
    layout->addLayout(text, 1);
    for (QWidget* widget : trailing)
        layout->addWidget(widget);
    return row;
}

QWidget* AccountScreen::createLoadProblem(const QString& text, void (AccountScreen::*retry)())
{
    auto* problem = new QWidget;
    problem->setObjectName(u"loadProblem"_s);
    QHBoxLayout* layout = indentedRow();
    problem->setLayout(layout);
    QLabel* label = plainLabel(text);
    label->setWordWrap(true);
    setTone(label, Tone::Error);
    layout->addWidget(label, 1);
    auto* again = new QPushButton(u"Try Again"_s);
    connect(again, &QPushButton::clicked, this, retry);
    layout->addWidget(again, 0, Qt::AlignTop);
    return problem;
}

QPushButton* AccountScreen::createActionButton(const QString& text, const QString& actionKey)
{
    auto* button = new QPushButton(text);
    button->setProperty(kActionKeyProperty, actionKey);
    button->setEnabled(!m_model->isPending(actionKey));
    return button;
}

// ---- Profile ---------------------------------------------------------------

QWidget* AccountScreen::createProfileTab()
{
    QVBoxLayout* layout = nullptr;
    QWidget* page = createPage(u"Profile"_s, layout);
    layout->addWidget(createSectionHeader(u"Personal Information"_s, {}));

    auto* identity = new QVBoxLayout;
    identity->setContentsMargins(12, 0, 0, 0);
    identity->setSpacing(6);
    m_nameLabel = new ElidedLabel({});
    m_nameLabel->setObjectName(u"nameLabel"_s);
    m_emailLabel = new ElidedLabel({});
    m_emailLabel->setObjectName(u"emailLabel"_s);
    m_emailLabel->setForegroundRole(QPalette::PlaceholderText);
    identity->addWidget(m_nameLabel);
    identity->addWidget(m_emailLabel);
    layout->addLayout(identity);
    m_profileProblem = createLoadProblem(u"Could not load your profile."_s, &AccountScreen::refreshProfile);
    m_profileProblem->hide();
    layout->addWidget(m_profileProblem);

    layout->addSpacing(8);
    QHBoxLayout* buttons = indentedRow();
    m_editNameButton = createActionButton(u"Edit Display Name"_s, AccountScreenModel::displayNameKey());
    m_editNameButton->setObjectName(u"editNameButton"_s);
    connect(m_editNameButton, &QPushButton::clicked, this, &AccountScreen::editDisplayName);
    auto* signOut = new QPushButton(u"Sign Out"_s);
    signOut->setObjectName(u"signOutButton"_s);
    connect(signOut, &QPushButton::clicked, this, &AccountScreen::logoutRequested);
    buttons->addWidget(m_editNameButton);
    buttons->addStretch();
    buttons->addWidget(signOut);
    layout->addLayout(buttons);

    layout->addSpacing(16);
    layout->addWidget(createSeparator());
    layout->addSpacing(8);
    layout->addWidget(createSectionHeader(u"Password"_s, u"Change your account password."_s));
    QHBoxLayout* passwordRow = indentedRow();
    m_changePasswordButton = createActionButton(u"Change Password"_s, AccountScreenModel::passwordKey());
    m_changePasswordButton->setObjectName(u"changePasswordButton"_s);
    connect(m_changePasswordButton, &QPushButton::clicked, this, &AccountScreen::changePassword);
    passwordRow->addWidget(m_changePasswordButton);
    passwordRow->addStretch();
    layout->addLayout(passwordRow);
    layout->addStretch();
    return page;
}

void AccountScreen::showProfile()
{
    const User& user = m_model->user();
    const bool loaded = m_model->profileState() == AccountScreenModel::LoadState::Loaded;
    m_nameLabel->setFullText(!loaded ? QString() : user.display_name.isEmpty() ? u"(not set)"_s : user.display_name);
    m_emailLabel->setFullText(loaded ? user.email : QString());
    m_profileProblem->setVisible(m_model->profileState() == AccountScreenModel::LoadState::Failed);
}

void AccountScreen::editDisplayName()
{
    // Only a name the user has: "(not set)" is no name to offer for keeping.
    QString name;
    if (!askText(u"Edit Display Name"_s, u"Display name:"_s, QLineEdit::Normal, m_model->user().display_name, name))
        return;
    m_model->updateDisplayName(name);
}

void AccountScreen::changePassword()
{
    const QString title = u"Change Password"_s;
    QString current;
    if (!askText(title, u"Current password:"_s, QLineEdit::Password, {}, current) || current.isEmpty())
        return;
    QString newPassword;
    if (!askText(title, u"New password (min 8 characters):"_s, QLineEdit::Password, {}, newPassword)
        || newPassword.isEmpty())
        return;
    if (const QString problem = AccountScreenModel::passwordProblem(newPassword); !problem.isEmpty()) {
        showError(problem);
        return;
    }
    QString confirmation;
    if (!askText(title, u"Confirm new password:"_s, QLineEdit::Password, {}, confirmation))
        return;
    if (confirmation != newPassword) {
        showError(u"Passwords do not match."_s);
        return;
    }
    m_model->changePassword(current, newPassword);
}

// ---- Group -----------------------------------------------------------------

QWidget* AccountScreen::createGroupTab()
{
    QWidget* page = createPage(u"Group"_s, m_groupLayout);
    m_groupContent = new QWidget;
    m_groupLayout->addWidget(m_groupContent);
    m_groupLayout->addStretch();
    return page;
}

void AccountScreen::showGroup()
{
    // Who owns the group is read anew with every answer: the user may have
    // left it, or joined another, since the window was built.
    updateOwnerState();
    replaceContent(m_groupLayout, m_groupContent, createGroupContent());
}

QWidget* AccountScreen::createGroupContent()
{
    QVBoxLayout* layout = nullptr;
    QWidget* content = verticalBox(layout, 8);
    content->setObjectName(u"groupContent"_s);

    if (!addLoadState(layout, m_model->groupState(), u"Could not load your group."_s, &AccountScreen::refreshGroup))
        return content;

    const Group& group = m_model->group();
    if (group.id.isEmpty()) {
        layout->addWidget(createSectionHeader(
            u"No Group"_s,
            u"You're not part of a group. The group owner can invite you, or you can join with an invite code."_s));
        QHBoxLayout* row = indentedRow();
        QPushButton* join = createActionButton(u"Join with Invite Code"_s, AccountScreenModel::joinKey());
        connect(join, &QPushButton::clicked, this, &AccountScreen::joinWithCode);
        row->addWidget(join);
        row->addStretch();
        layout->addLayout(row);
        return content;
    }

    layout->addWidget(createSectionHeader(
        group.name, u"%1 of %2 seats used"_s.arg(group.members.size()).arg(group.max_seats)));
    layout->addSpacing(4);
    QLabel* members = plainLabel(u"Members"_s);
    setRelativeFont(members, 0, QFont::Medium);
    layout->addWidget(members);

    const bool owner = isGroupOwner(m_client->heldClaims());
    addMemberRows(layout, owner);

    if (owner) {
        if (!group.pending_invitations.isEmpty()) {
            layout->addSpacing(8);
            layout->addWidget(createSeparator());
            layout->addSpacing(4);
            QLabel* pending = plainLabel(u"Pending Invitations"_s);
            setRelativeFont(pending, 0, QFont::Medium);
            layout->addWidget(pending);
            addInvitationRows(layout);
        }
        layout->addSpacing(12);
        layout->addWidget(createSeparator());
        layout->addSpacing(4);
        layout->addWidget(createSectionHeader(u"Invite Members"_s, {}));
        QHBoxLayout* row = indentedRow();
        row->setSpacing(8);
        QPushButton* byEmail = createActionButton(u"Invite by Email"_s, AccountScreenModel::inviteKey());
        connect(byEmail, &QPushButton::clicked, this, &AccountScreen::inviteByEmail);
        QPushButton* code = createActionButton(u"Generate Invite Code"_s, AccountScreenModel::inviteCodeKey());
        connect(code, &QPushButton::clicked, m_model, &AccountScreenModel::generateInviteCode);
        row->addWidget(byEmail);
        row->addWidget(code);
        row->addStretch();
        layout->addLayout(row);
    } else {
        layout->addSpacing(12);
        layout->addWidget(createSeparator());
        layout->addSpacing(4);
        QHBoxLayout* row = indentedRow();
        QPushButton* leave = createActionButton(u"Leave Group"_s, AccountScreenModel::leaveKey());
        connect(leave, &QPushButton::clicked, this, &AccountScreen::leaveGroup);
        row->addWidget(leave);
        row->addStretch();
        layout->addLayout(row);
    }
    return content;
}

void AccountScreen::addMemberRows(QVBoxLayout* layout, bool owner)
{
    for (const GroupMember& member : m_model->group().members) {
        const QString name = AccountScreenModel::memberName(member);
        const bool memberOwns = member.role == kOwnerRole;
        QList<QWidget*> trailing;
        if (memberOwns) {
            QLabel* badge = plainLabel(u"Owner"_s);
            setRelativeFont(badge, -2, QFont::Medium);
            setTone(badge, Tone::Owner);
            trailing << badge;
        }
        if (owner && !memberOwns) {
            QPushButton* remove = createActionButton(u"Remove"_s, AccountScreenModel::memberKey(member.account_id));
            remove->setAccessibleDescription(name);
            connect(remove, &QPushButton::clicked, this, [this, member] { removeMember(member); });
            trailing << remove;
        }
        // The address under the name, unless it is the name.
        layout->addWidget(createListRow(name, QFont::Medium, {member.email != name ? member.email : QString()},
                                        trailing));
    }
}

void AccountScreen::addInvitationRows(QVBoxLayout* layout)
{
    for (const GroupInvitation& invitation : m_model->group().pending_invitations) {
        QHBoxLayout* row = indentedRow(4, 4);
        const QString text = invitation.invited_email.isEmpty() ? u"Invite code: %1"_s.arg(invitation.invite_code)
                                                                : invitation.invited_email;
        row->addWidget(new ElidedLabel(text), 1);
        QPushButton* revoke = createActionButton(u"Revoke"_s, AccountScreenModel::invitationKey(invitation.id));
        revoke->setAccessibleDescription(text);
        connect(revoke, &QPushButton::clicked, m_model,
                [this, id = invitation.id] { m_model->revokeInvitation(id); });
        row->addWidget(revoke);
        layout->addLayout(row);
    }
}

void AccountScreen::joinWithCode()
{
    QString code;
    if (askText(u"Join Group"_s, u"Enter invite code:"_s, QLineEdit::Normal, {}, code))
        m_model->joinGroup(code);
}

void AccountScreen::leaveGroup()
{
    if (askYesNo(u"Leave Group"_s, u"Leave this group? You will lose access to shared data."_s))
        m_model->leaveGroup();
}

void AccountScreen::removeMember(const GroupMember& member)
{
    const QString name = AccountScreenModel::memberName(member);
    if (askYesNo(u"Remove Member"_s, u"Remove %1 from the group?"_s.arg(name)))
        m_model->removeMember(member);
}

void AccountScreen::inviteByEmail()
{
    QString address;
    if (askText(u"Invite by Email"_s, u"Email address:"_s, QLineEdit::Normal, {}, address))
        m_model->inviteByEmail(address);
}

void AccountScreen::showInviteCode(const QString& code)
{
    inform(u"Invite Code"_s, u"Share this code with the person you want to invite:\n\n%1"_s.arg(code));
}

// ---- Devices ---------------------------------------------------------------

QWidget* AccountScreen::createDevicesTab()
{
    QWidget* page = createPage(u"Devices"_s, m_devicesLayout);
    m_devicesContent = new QWidget;
    m_devicesLayout->addWidget(m_devicesContent);
    m_devicesLayout->addStretch();
    return page;
}

void AccountScreen::showDevices()
{
    replaceContent(m_devicesLayout, m_devicesContent, createDevicesContent());
}

QWidget* AccountScreen::createDevicesContent()
{
    QVBoxLayout* layout = nullptr;
    QWidget* content = verticalBox(layout, 4);
    content->setObjectName(u"devicesContent"_s);
    layout->addWidget(
        createSectionHeader(u"Registered Devices"_s, u"Devices that have synced with your account."_s));

    if (!addLoadState(layout, m_model->devicesState(), u"Could not load your devices."_s,
                      &AccountScreen::refreshDevices))
        return content;

    if (m_model->devices().isEmpty()) {
        QLabel* none = createMutedLabel(u"No devices registered."_s);
        none->setContentsMargins(12, 0, 0, 0);
        layout->addWidget(none);
        return content;
    }
    for (const Device& device : m_model->devices()) {
        const QString name = AccountScreenModel::deviceName(device);
        QPushButton* remove = createActionButton(u"Remove"_s, AccountScreenModel::deviceKey(device.id));
        remove->setAccessibleDescription(name);
        connect(remove, &QPushButton::clicked, this, [this, device] { removeDevice(device); });
        layout->addWidget(createListRow(
            name, QFont::Bold,
            {AccountScreenModel::deviceDetail(device), formatRelativeTime(device.last_sync_at)}, {remove}));
        layout->addWidget(createSeparator());
    }
    return content;
}

void AccountScreen::removeDevice(const Device& device)
{
    if (askYesNo(u"Remove Device"_s, u"Remove %1?"_s.arg(AccountScreenModel::deviceName(device))))
        m_model->removeDevice(device);
}

// ---- Security --------------------------------------------------------------

QWidget* AccountScreen::createSecurityTab()
{
    QWidget* page = createPage(u"Security"_s, m_securityLayout);
    m_sessionsContent = new QWidget;
    m_securityLayout->addWidget(m_sessionsContent);
    m_securityLayout->addStretch();
    return page;
}

void AccountScreen::showSessions()
{
    replaceContent(m_securityLayout, m_sessionsContent, createSessionsContent());
}

QWidget* AccountScreen::createSessionsContent()
{
    QVBoxLayout* layout = nullptr;
    QWidget* content = verticalBox(layout, 8);
    content->setObjectName(u"sessionsContent"_s);
    layout->addWidget(
        createSectionHeader(u"Active Sessions"_s, u"Sessions currently signed in to your account."_s));

    if (!addLoadState(layout, m_model->sessionsState(), u"Could not load your sessions."_s,
                      &AccountScreen::refreshSessions))
        return content;

    if (m_model->sessions().isEmpty()) {
        QLabel* none = plainLabel(u"No active sessions."_s);
        none->setContentsMargins(12, 0, 0, 0);
        layout->addWidget(none);
        return content;
    }
    for (const Session& session : m_model->sessions()) {
        const QString client = AccountScreenModel::sessionClientText(session.user_agent);
        QString detail = session.is_current ? u"This session"_s : formatRelativeTime(session.last_active_at);
        if (!session.ip_address.isEmpty())
            detail += u"  \u00b7  "_s + session.ip_address;
        QWidget* trailing = nullptr;
        if (session.is_current) {
            QLabel* current = plainLabel(u"Current"_s);
            setRelativeFont(current, 0, QFont::Medium);
            setTone(current, Tone::Current);
            trailing = current;
        } else {
            QPushButton* revoke = createActionButton(u"Revoke"_s, AccountScreenModel::sessionKey(session.id));
            revoke->setAccessibleDescription(client);
            connect(revoke, &QPushButton::clicked, m_model, [this, id = session.id] { m_model->revokeSession(id); });
            trailing = revoke;
        }
        layout->addWidget(createListRow(client, QFont::Medium, {detail}, {trailing}));
        layout->addWidget(createSeparator());
    }
    return content;
}

// ---- Data & Privacy --------------------------------------------------------

QWidget* AccountScreen::createPrivacyTab()
{
    QVBoxLayout* layout = nullptr;
    QWidget* page = createPage(u"Data & Privacy"_s, layout);
    layout->addWidget(createSectionHeader(u"Danger Zone"_s,
                                          u"Permanently delete your account. This cannot be undone after 30 days."_s));

    m_deleteButton = createActionButton(u"Delete Account"_s, AccountScreenModel::deleteAccountKey());
    m_deleteButton->setObjectName(u"deleteAccountButton"_s);
    // Its own colours take the style's focus frame away: a keyboard user
    // sees the focus as a white ring inside the red.
    m_deleteButton->setStyleSheet(
        u"QPushButton { color: white; background: #C62828; border: none;  border-radius: 4px; padding: 6px 16px; "
        "font-weight: 600; }"
        "QPushButton:hover { background: #B71C1C; }"
        "QPushButton:focus { border: 2px solid white; padding: 4px 14px; }"
        "QPushButton:disabled { background: #666; }"_s);
    connect(m_deleteButton, &QPushButton::clicked, this, &AccountScreen::deleteAccount);

    m_ownerNote = createMutedLabel(
        u"You are the group owner. Transfer ownership or remove all members before deleting your account."_s, -1);
    m_ownerNote->setObjectName(u"ownerDeletionNote"_s);
    m_ownerNote->setWordWrap(true);
    m_ownerNote->setContentsMargins(12, 0, 0, 0);
    layout->addWidget(m_ownerNote);

    QHBoxLayout* row = indentedRow();
    row->addWidget(m_deleteButton);
    row->addStretch();
    layout->addLayout(row);
    layout->addStretch();
    return page;
}

void AccountScreen::updateOwnerState()
{
    m_ownsGroup = isGroupOwner(m_client->heldClaims());
    m_ownerNote->setVisible(m_ownsGroup);
    applyPending();
}

void AccountScreen::deleteAccount()
{
    QString typed;
    if (!askText(u"Delete Account"_s,
                 u"This will schedule your account for permanent deletion after 30 days.\n\nType DELETE to confirm:"_s,
                 QLineEdit::Normal, {}, typed)
        || typed != kDeleteWord)
        return;
    // The token may have changed while the question was open.
    updateOwnerState();
    if (m_ownsGroup)
        return;
    m_model->deleteAccount();
}

void AccountScreen::confirmAccountDeleted()
{
    inform(u"Account Scheduled for Deletion"_s,
           u"Your account will be permanently deleted in 30 days. You can recover it by signing in before then."_s);
    emit logoutRequested();
}

// ---- Shared ----------------------------------------------------------------

void AccountScreen::setCurrentTab(Tab tab)
{
    m_pageList->setCurrentRow(tab);
    m_pages->setCurrentIndex(tab);
}

AccountScreen::Tab AccountScreen::currentTab() const
{
    return Tab(m_pages->currentIndex());
}

void AccountScreen::refreshAll()
{
    updateOwnerState();
    refreshProfile();
    refreshGroup();
    refreshDevices();
    refreshSessions();
}

void AccountScreen::refreshProfile()
{
    m_model->refreshProfile();
}

void AccountScreen::refreshGroup()
{
    m_model->refreshGroup();
}

void AccountScreen::refreshDevices()
{
    m_model->refreshDevices();
}

void AccountScreen::refreshSessions()
{
    m_model->refreshSessions();
}

void AccountScreen::showPage(Page page)
{
    if (m_openDialogs > 0) {
        m_heldPages |= page;
        return;
    }
    switch (page) {
    case ProfilePage:
        showProfile();
        break;
    case GroupPage:
        showGroup();
        break;
    case DevicesPage:
        showDevices();
        break;
    case SessionsPage:
        showSessions();
        break;
    }
}

void AccountScreen::replaceContent(QVBoxLayout* pageLayout, QPointer<QWidget>& content, QWidget* replacement)
{
    // A keyboard user working in the old rows finds the focus on the same
    // button of the new ones, or on the last when there are fewer.
    qsizetype focusedButton = -1;
    if (content) {
        QWidget* focused = focusWidget();
        if (focused && content->isAncestorOf(focused)) {
            focusedButton = content->findChildren<QAbstractButton*>().indexOf(focused);
            focusedButton = std::max<qsizetype>(focusedButton, 0);
        }
        content->hide();
        content->deleteLater();
    }
    pageLayout->insertWidget(2, replacement);
    content = replacement;
    if (pageLayout->parentWidget()->isVisible())
        replacement->show();
    fitPageWidths();
    if (focusedButton >= 0) {
        const QList<QAbstractButton*> buttons = replacement->findChildren<QAbstractButton*>();
        QWidget* target = m_pageList;
        for (qsizetype i = std::min(focusedButton, buttons.size() - 1); i >= 0; --i) {
            if (buttons.at(i)->isEnabled()) {
                target = buttons.at(i);
                break;
            }
        }
        target->setFocus(Qt::OtherFocusReason);
    }
}

void AccountScreen::applyPending()
{
    QWidget* focused = focusWidget();
    for (QAbstractButton* button : findChildren<QAbstractButton*>()) {
        const QVariant key = button->property(kActionKeyProperty);
        if (!key.isValid())
            continue;
        const bool enabled = !m_model->isPending(key.toString()) && (button != m_deleteButton || !m_ownsGroup);
        if (!enabled && button == focused) {
            // Disabled, it would hand the focus on to the next button (Sign
            // Out, say), which the next Return would press: the focus waits
            // on the page list and comes back with the answer.
            m_focusAfterPending = button;
            m_pageList->setFocus(Qt::OtherFocusReason);
        }
        button->setEnabled(enabled);
    }
    if (m_focusAfterPending && m_focusAfterPending->isEnabled()) {
        if (focusWidget() == m_pageList)
            m_focusAfterPending->setFocus(Qt::OtherFocusReason);
        m_focusAfterPending = nullptr;
    }
}

bool AccountScreen::askText(const QString& title, const QString& label, QLineEdit::EchoMode echo,
                            const QString& initial, QString& answer)
{
    QInputDialog dialog(this);
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setTextEchoMode(echo);
    dialog.setTextValue(initial);
    dialog.setInputMethodHints(echo == QLineEdit::Normal ? Qt::ImhNone : Qt::ImhSensitiveData | Qt::ImhNoPredictiveText);
    if (runDialog(dialog) != QDialog::Accepted)
        return false;
    answer = dialog.textValue();
    return true;
}

bool AccountScreen::askYesNo(const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, this);
    // The question names a member or a device as the service sent it.
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    return runDialog(box) == QMessageBox::Yes;
}

void AccountScreen::inform(const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    // An invite code is there to be copied.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    runDialog(box);
}

int AccountScreen::runDialog(QDialog& dialog)
{
    ++m_openDialogs;
    const int result = dialog.exec();
    --m_openDialogs;
    if (m_openDialogs == 0 && m_heldPages != 0) {
        const int held = std::exchange(m_heldPages, 0);
        for (Page page : {ProfilePage, GroupPage, DevicesPage, SessionsPage}) {
            if (held & page)
                showPage(page);
        }
    }
    return result;
}

void AccountScreen::showError(const QString& text)
{
    showStatus(text, Tone::Error, kErrorMessageMs);
}

void AccountScreen::showSuccess(const QString& text)
{
    showStatus(text, Tone::Success, kSuccessMessageMs);
}

void AccountScreen::showStatus(const QString& text, Tone tone, int timeoutMs)
{
    // Each message stays its whole time: an earlier one's timer would cut
    // a later message short.
    setTone(m_statusLabel, tone);
    m_statusLabel->setFullText(text);
    m_statusTimer->start(timeoutMs);
}

QColor AccountScreen::toneColor(Tone tone) const
{
    // On a dark window the lighter shade of each, so that it stays readable.
    const QPalette palette = QApplication::palette();
    const bool dark = isDark(palette);
    switch (tone) {
    case Tone::Error:
        return errorColour(palette);
    case Tone::Success:
    case Tone::Current:
        return QColor(dark ? "#81C784" : "#2E7D32");
    case Tone::Owner:
        return QColor(dark ? "#4DB6AC" : "#00897B");
    }
    return {};
}

void AccountScreen::setTone(QWidget* widget, Tone tone)
{
    widget->setProperty(kToneProperty, int(tone));
    applyTone(widget);
}

void AccountScreen::applyTone(QWidget* widget) const
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, toneColor(Tone(widget->property(kToneProperty).toInt())));
    widget->setPalette(palette);
}

void AccountScreen::setRelativeFont(QWidget* widget, int pointDelta, QFont::Weight weight)
{
    widget->setProperty(kFontDeltaProperty, pointDelta);
    widget->setProperty(kFontWeightProperty, int(weight));
    applyRelativeFont(widget);
}

void AccountScreen::applyRelativeFont(QWidget* widget) const
{
    QFont font = QApplication::font();
    const qreal base = font.pointSizeF();
    const int delta = widget->property(kFontDeltaProperty).toInt();
    if (delta != 0 && base > 0)
        font.setPointSizeF(delta > 0 ? base + delta : std::min(base, std::max(kSmallestPointSize, base + delta)));
    font.setWeight(QFont::Weight(widget->property(kFontWeightProperty).toInt()));
    widget->setFont(font);
}

void AccountScreen::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // The window is built once and kept: a new font scale or theme must
    // reach the sizes and colours it set itself.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::ApplicationFontChange) {
        for (QWidget* widget : findChildren<QWidget*>()) {
            if (widget->property(kFontDeltaProperty).isValid())
                applyRelativeFont(widget);
        }
        styleNavigation();
        // The children take the new font from events still queued: widths
        // measured now would be the old font's.
        if (!m_fitQueued) {
            m_fitQueued = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    m_fitQueued = false;
                    fitPageWidths();
                },
                Qt::QueuedConnection);
        }
    } else if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange) {
        for (QWidget* widget : findChildren<QWidget*>()) {
            if (widget->property(kToneProperty).isValid())
                applyTone(widget);
        }
        styleNavigation();
    }
}

bool AccountScreen::isGroupOwner(const TndClaims& claims)
{
    return claims.role == kOwnerRole;
}

QString AccountScreen::formatRelativeTime(const QDateTime& time, const QDateTime& now)
{
    if (!time.isValid())
        return u"Unknown"_s;
    // The services keep their times in UTC, some without saying so.
    const QDateTime utc = time.timeSpec() == Qt::LocalTime ? QDateTime(time.date(), time.time(), Qt::UTC)
                                                           : time.toUTC();
    const qint64 seconds = utc.secsTo(now);
    if (seconds < 60)
        return u"Active now"_s;
    if (seconds < 3600)
        return u"%1m ago"_s.arg(seconds / 60);
    if (seconds < 86400)
        return u"%1h ago"_s.arg(seconds / 3600);
    if (seconds < 604800)
        return u"%1d ago"_s.arg(seconds / 86400);
    return utc.toLocalTime().toString(u"MMM d, yyyy"_s);
}

} // namespace TandAccount
