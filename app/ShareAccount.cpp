#include "app/ShareAccount.h"

#include "account/ShareMembersDialog.h"
#include "storage/Account.h"

#include <QObject>

TandAccount::ShareDialogTexts shareDialogTexts(const Account& account)
{
    TandAccount::ShareDialogTexts texts;
    texts.title = QObject::tr("Share Account");
    texts.heading = QObject::tr("Share \u201c%1\u201d").arg(account.name);
    texts.description = QObject::tr("Members of your family group whom you share this account with see it and "
                                    "its transactions on their own computers once they sync.");
    texts.sharedWithTitle = QObject::tr("People with access");
    texts.addPeopleTitle = QObject::tr("Add people from your group");
    texts.emptySharesText = QObject::tr("Only you can see this account.");
    texts.noGroupText = QObject::tr("Nobody else is in your family group yet. Invite people to your group to "
                                    "share accounts with them.");
    texts.allMembersHaveAccessText = QObject::tr("Everyone in your group already has access.");
    texts.shareButtonText = QObject::tr("Share");
    texts.removeAccessText = QObject::tr("Remove access");
    texts.closeButtonText = QObject::tr("Close");
    // Left to the sync service, whose default role is the only one offered.
    texts.defaultRole = QString();
    texts.shareFailedTitle = QObject::tr("Could not share the account");
    texts.removeFailedTitle = QObject::tr("Could not remove access");
    texts.removeConfirmTitle = QObject::tr("Remove Access");
    texts.removeConfirmText = QObject::tr("%1 will no longer see this account. Remove their access?");
    return texts;
}

void runShareDialog(TandAccount::Client* client, TandAccount::SharingBackend* sharing, const Account& account,
                    QWidget* parent)
{
    TandAccount::ShareMembersDialog dialog(client, sharing, account, shareDialogTexts(account), parent);
    dialog.exec();
}
