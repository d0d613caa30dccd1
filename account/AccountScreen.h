#pragma once

#include "account/AccountScreenModel.h"
#include "account/TokenClaims.h"

#include <QDateTime>
#include <QLineEdit>
#include <QPointer>
#include <QWidget>

class QAbstractButton;
class QDialog;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTimer;
class QVBoxLayout;

namespace TandAccount {

class Client;
class ElidedLabel;

// The Tandrel account of the signed-in user: a list of pages beside the
// chosen one, with a line for the outcome of the last change under it. The
// pages show the profile (display name, password, sign-out), the family
// group (members, invitations, joining and leaving), the registered devices,
// the sign-in sessions and the deletion of the account. What the pages show
// and every change go through an AccountScreenModel; texts from the service
// are shown as typed, never as markup. The texts are fixed English ones.
class AccountScreen : public QWidget
{
    Q_OBJECT

public:
    // The pages in list order; a value is both the list row and the page index.
    enum Tab { ProfileTab = 0, GroupTab = 1, DevicesTab = 2, SecurityTab = 3, PrivacyTab = 4 };
    Q_ENUM(Tab)

    static constexpr int kErrorMessageMs = 4000;
    static constexpr int kSuccessMessageMs = 3000;

    // `client` is not owned and must outlive the window. Makes no request.
    explicit AccountScreen(Client* client, QWidget* parent = nullptr);

    void setCurrentTab(Tab tab);
    Tab currentTab() const;

    // Loads every page anew; the loads run side by side, and each page
    // shows its answer as it comes.
    void refreshAll();
    void refreshProfile();
    void refreshGroup();
    void refreshDevices();
    void refreshSessions();

    // The status line under the pages, cleared after 4 s or 3 s.
    void showError(const QString& text);
    void showSuccess(const QString& text);

    AccountScreenModel* model() const { return m_model; }

    // The user owns their family group, by the claims of their access token.
    static bool isGroupOwner(const TndClaims& claims);
    // How long ago `time` was, for a person: "Active now", "5m ago", "3h ago",
    // "2d ago", then the date. A time without an offset is UTC, as the
    // services keep theirs.
    static QString formatRelativeTime(const QDateTime& time,
                                      const QDateTime& now = QDateTime::currentDateTimeUtc());

signals:
    // The user pressed "Sign Out", or the service scheduled the account for
    // deletion; whoever shows the window signs the user out.
    void logoutRequested();

protected:
    void changeEvent(QEvent* event) override;

private:
    enum class Tone { Error, Success, Owner, Current };
    enum Page { ProfilePage = 1, GroupPage = 2, DevicesPage = 4, SessionsPage = 8 };

    void buildLayout();
    // A page's scrolling frame with its title; `layout` receives its layout.
    QWidget* createPage(const QString& title, QVBoxLayout*& layout);
    QWidget* createProfileTab();
    QWidget* createGroupTab();
    QWidget* createDevicesTab();
    QWidget* createSecurityTab();
    QWidget* createPrivacyTab();
    QWidget* createSectionHeader(const QString& title, const QString& description);
    QFrame* createSeparator();
    QLabel* createMutedLabel(const QString& text, int pointDelta = 0);
    // A load that failed, with a way to try again.
    QWidget* createLoadProblem(const QString& text, void (AccountScreen::*retry)());
    // Says that the page's answer is still to come or failed; false then.
    bool addLoadState(QVBoxLayout* layout, AccountScreenModel::LoadState state, const QString& problem,
                      void (AccountScreen::*retry)());
    // One entry of a list: a title, the lines under it in muted text and
    // what stands at its end (a badge, a button).
    QWidget* createListRow(const QString& title, QFont::Weight weight, const QStringList& details,
                           const QList<QWidget*>& trailing);
    // A push button that the model's pending change `actionKey` holds disabled.
    QPushButton* createActionButton(const QString& text, const QString& actionKey);

    // Each page as the model has it now; held back while a dialog is open.
    void showPage(Page page);
    void showProfile();
    void showGroup();
    void showDevices();
    void showSessions();
    QWidget* createGroupContent();
    QWidget* createDevicesContent();
    QWidget* createSessionsContent();
    void addMemberRows(QVBoxLayout* layout, bool owner);
    void addInvitationRows(QVBoxLayout* layout);
    // Puts `replacement` where the page's content was. The old content is
    // deleted later, so a button of it may still be running its click.
    void replaceContent(QVBoxLayout* pageLayout, QPointer<QWidget>& content, QWidget* replacement);
    // "Delete Account" is the owner's only once they no longer own a group.
    void updateOwnerState();
    // Holds the button of every change still waiting for its answer.
    void applyPending();

    void editDisplayName();
    void changePassword();
    void joinWithCode();
    void leaveGroup();
    void removeMember(const GroupMember& member);
    void inviteByEmail();
    void showInviteCode(const QString& code);
    void removeDevice(const Device& device);
    void deleteAccount();
    void confirmAccountDeleted();

    // Modal dialogs on the window. While one is open no page is rebuilt
    // under it; what came meanwhile is shown once it has closed.
    bool askText(const QString& title, const QString& label, QLineEdit::EchoMode echo, const QString& initial,
                 QString& answer);
    bool askYesNo(const QString& title, const QString& text);
    void inform(const QString& title, const QString& text);
    int runDialog(QDialog& dialog);

    void showStatus(const QString& text, Tone tone, int timeoutMs);
    void setTone(QWidget* widget, Tone tone);
    void applyTone(QWidget* widget) const;
    QColor toneColor(Tone tone) const;
    // Sizes relative to the window's font, kept when the font scale changes.
    void setRelativeFont(QWidget* widget, int pointDelta, QFont::Weight weight);
    void applyRelativeFont(QWidget* widget) const;
    void styleNavigation();
    // Each page as wide as its rows need at the least, so that the window
    // keeps room for them.
    void fitPageWidths();

    Client* m_client;
    AccountScreenModel* m_model;

    QListWidget* m_pageList = nullptr;
    QStackedWidget* m_pages = nullptr;
    ElidedLabel* m_statusLabel = nullptr;
    QTimer* m_statusTimer = nullptr;

    ElidedLabel* m_nameLabel = nullptr;
    ElidedLabel* m_emailLabel = nullptr;
    QWidget* m_profileProblem = nullptr;
    QPushButton* m_editNameButton = nullptr;
    QPushButton* m_changePasswordButton = nullptr;

    QVBoxLayout* m_groupLayout = nullptr;
    QPointer<QWidget> m_groupContent;
    QVBoxLayout* m_devicesLayout = nullptr;
    QPointer<QWidget> m_devicesContent;
    QVBoxLayout* m_securityLayout = nullptr;
    QPointer<QWidget> m_sessionsContent;

    QPushButton* m_deleteButton = nullptr;
    QLabel* m_ownerNote = nullptr;
    bool m_ownsGroup = false;
    // The button that had the focus when its change started.
    QPointer<QAbstractButton> m_focusAfterPending;

    // A fit of the page widths waits for a new font to reach every child.
    bool m_fitQueued = false;
    int m_openDialogs = 0;
    // Pages whose answers came while a dialog was open.
    int m_heldPages = 0;
};

} // namespace TandAccount
