#pragma once

#include "account/ShareDialogTexts.h"
#include "account/ShareMembersModel.h"

#include <QDialog>

class QLabel;
class QVBoxLayout;
class QWidget;
struct Account;

namespace TandAccount {

class Client;
class SharingBackend;

// Shares one local account with members of the user's family group, and
// withdraws access: the people who have it, each with a button to remove
// them, and the group members who have not, each with a button to share.
// Run modally by its caller while the user is signed in, and rejected, with
// any question it asks, once the user signs out; every change the service
// accepts is announced by sharingChanged().
class ShareMembersDialog : public QDialog
{
    Q_OBJECT

public:
    // Neither `client` nor `backend` is owned; both must outlive the dialog.
    ShareMembersDialog(Client* client, SharingBackend* backend, const Account& account,
                       const ShareDialogTexts& texts, QWidget* parent = nullptr);

signals:
    void sharingChanged();

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildLayout();
    void rebuildLists();
    QWidget* createShareRow(const ShareMembersModel::Person& person);
    QWidget* createMemberRow(const ShareMembersModel::Person& person);
    // The avatar, the name and (when there is one to show) the e-mail.
    QWidget* createPersonRow(const ShareMembersModel::Person& person, const QColor& avatarColor,
                             QWidget* action);
    QLabel* makeAvatarLabel(const QString& text, const QColor& color, int size, QWidget* parent) const;
    QLabel* makeNoteLabel(const QString& text) const;
    void shareWithMember(const ShareMembersModel::Person& person);
    void removeShare(const ShareMembersModel::Person& person);
    void showBusy(bool busy);
    // The row's button at `index` (the last when there are fewer), else Close.
    void focusRowButton(qsizetype index);
    void showError(const QString& message, const QString& title);
    // The error line in the error colour of the current theme.
    void applyErrorColour();
    // The texts as given, with this dialog's own wording where one is empty.
    static ShareDialogTexts withFallbacks(ShareDialogTexts texts);

    ShareDialogTexts m_texts;
    ShareMembersModel* m_model;

    QLabel* m_errorLabel = nullptr;
    QVBoxLayout* m_accessList = nullptr;
    QVBoxLayout* m_memberList = nullptr;
    QLabel* m_noGroupHint = nullptr;
    QLabel* m_allHaveAccessHint = nullptr;
    QLabel* m_busyLabel = nullptr;
    QWidget* m_closeButton = nullptr;
    // The rows' buttons, disabled while a change is in flight.
    QList<QWidget*> m_rowButtons;
    QString m_pendingChange;
    // The row whose button had the focus when a change started; -1 for none.
    qsizetype m_focusRowAfterBusy = -1;
};

} // namespace TandAccount
