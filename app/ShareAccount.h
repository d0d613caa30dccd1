#pragma once

#include "account/ShareDialogTexts.h"

class QWidget;
struct Account;

namespace TandAccount {
class Client;
class SharingBackend;
}

// The share dialog as the main window opens it, for the selected account
// while the user is signed in.

// The dialog's texts, naming `account`.
TandAccount::ShareDialogTexts shareDialogTexts(const Account& account);

// Runs the share dialog for `account` modally over `parent`. The sharing
// service itself asks for a sync after each change it accepts.
void runShareDialog(TandAccount::Client* client, TandAccount::SharingBackend* sharing, const Account& account,
                    QWidget* parent);
