#pragma once

#include "account/ShareDialogTexts.h"

class QWidget;
class SyncEngine;
struct Account;

namespace TandAccount {
class Client;
class SharingBackend;
}

// The share dialog as the main window opens it, for the selected account
// while the user is signed in.

// The dialog's texts, naming `account`.
TandAccount::ShareDialogTexts shareDialogTexts(const Account& account);

// Runs the share dialog for `account` modally over `parent`. Every share or
// removal the service accepts asks `syncEngine` for a pass, so the account
// reaches the people just given access; no engine, no pass.
void runShareDialog(TandAccount::Client* client, TandAccount::SharingBackend* sharing, SyncEngine* syncEngine,
                    const Account& account, QWidget* parent);
