#pragma once

#include "storage/Database.h"

#include <QList>
#include <QObject>
#include <QString>

class AccountRepository;
class AccountSharingService;
class BackupService;
class CategoryRepository;
class CategoryService;
class ImportService;
class PreferencesRepository;
class ReconciliationRepository;
class RecurringRepository;
class RecurringService;
class ReportService;
class SplitLineRepository;
class SyncedRepository;
class SyncEngine;
class ThemeManager;
class TransactionRepository;

namespace TandAccount {
class Client;
}

// Owns the database, the repositories, the services and the theme for the
// life of the process. Windows borrow it and reach everything through its
// accessors; every accessor is null until initialize() has succeeded.
class AppState : public QObject
{
    Q_OBJECT

public:
    explicit AppState(QObject* parent = nullptr);
    ~AppState() override;

    // Opens the database in the data directory, builds the repositories and
    // services, the account-service client, the sync engine and the sharing
    // service, applies the
    // stored appearance, seeds the default categories and restores the
    // sign-in from the stored tokens. False (with a log line) when the database cannot be used;
    // the state must not be used then, except for databaseProblem().
    bool initialize();
    // Why initialize() could not use the database; None after it succeeded.
    Database::Problem databaseProblem() const { return m_databaseProblem; }

    Database* database() const { return m_database; }
    AccountRepository* accountRepository() const { return m_accounts; }
    TransactionRepository* transactionRepository() const { return m_transactions; }
    CategoryRepository* categoryRepository() const { return m_categories; }
    PreferencesRepository* preferencesRepository() const { return m_preferences; }
    RecurringRepository* recurringRepository() const { return m_recurring; }
    ReconciliationRepository* reconciliationRepository() const { return m_reconciliations; }
    SplitLineRepository* splitLineRepository() const { return m_splitLines; }

    RecurringService* recurringService() const { return m_recurringService; }
    ReportService* reportService() const { return m_reportService; }
    BackupService* backupService() const { return m_backupService; }
    CategoryService* categoryService() const { return m_categoryService; }
    ImportService* importService() const { return m_importService; }

    TandAccount::Client* accountClient() const { return m_accountClient; }
    SyncEngine* syncEngine() const { return m_syncEngine; }
    // Shares accounts with the family group through the sync service.
    AccountSharingService* sharingService() const { return m_sharingService; }

    ThemeManager* themeManager() const { return m_themeManager; }

    bool isSignedIn() const;
    // The signed-in user as windows name them: the display name, else the
    // e-mail address, else the account id. Empty while signed out.
    QString signedInUserName() const;

    // The sync engine's gate: a pass may run while the user is signed in and
    // no long write (an import, a restore) holds the repositories' change
    // signals back, for it would push rows that may yet be rolled back. A
    // pass turned away for a long write is asked for again when it ends.
    // Nor may one run for a user other than the one the ledger last synced
    // with until they have agreed to take it over.
    bool syncMayRun() const;

    // The user signed in agreed to upload the ledger another user synced
    // (ledgerHandOverAsked()): it syncs for them from now on, pulled from the
    // beginning. Declining is signing out: the ledger and its sync state
    // stay as they are.
    void handOverLedger();

    // What came of readying a full sync.
    enum class FullSyncStart {
        Ready,
        NotSignedIn,
        // A long write (an import, a restore) is open: marks set now would
        // go with it if it is rolled back.
        WritesHeld,
        // The restart could not be written (logged); nothing changed.
        NotWritten,
        // The ledger last synced with another user, and the user signed in
        // has not yet agreed to take it over.
        NotHandedOver,
    };
    // Readies Force Full Sync: every live local row is marked to be sent
    // again and the next pull starts from the beginning (see
    // SyncEngine::restartFromBeginning). Nothing is written unless the user
    // is signed in and no long write is open. The caller starts the pass.
    FullSyncStart prepareFullSync();

    // A long write (an import, a backup restore) holds the repositories'
    // change signals back: its database transaction is open while the event
    // loop runs inside it, so anything written now would be kept or rolled
    // back with it. writesReleased() tells when it has ended.
    bool writesHeld() const;

    // Whether the ledger last synced with another user than the one signed
    // in, who has not yet agreed to take it over.
    bool awaitsHandOver() const;

    // The account whose register was open when the program last ran, as read
    // at start-up (empty when none was stored).
    QString lastViewedAccountId() const { return m_lastViewedAccountId; }

    // How often a signed-in user's data is synced without being asked.
    static constexpr int kAutoSyncIntervalMs = 300000;

Q_SIGNALS:
    void databaseReady();
    // The last hold of a long write has ended, after the repositories
    // announced what it changed: what was put off for it may run now.
    void writesReleased();
    // The ledger last synced with `lastAccount`; before anything of it goes
    // to `newAccount`, signed in now, they are to agree (handOverLedger())
    // or sign out. Asked again at the next start until answered.
    void ledgerHandOverAsked(const QString& lastAccount, const QString& newAccount, int transactionCount);

private:
    void applyStoredPreferences();
    void buildAccountServices();
    void connectSync();
    void connectWriteHolds();
    // The repositories a long write holds, the ones writesHeld() asks.
    QList<SyncedRepository*> heldRepositories() const;
    // Takes up the sign-in kept from the last run; sync starts once the
    // tokens have been refreshed, or the service could not be reached.
    void restoreSignIn();
    void onLoginSucceeded();
    // Hands the sync cursor to the signed-in user and starts the passes;
    // while a long write is open, once it has ended; for a user the ledger
    // did not last sync with, once they have agreed.
    void startSyncing();
    void askHandOver(const QString& userId);
    // Keeps how the user the cursor now belongs to is named to the next one.
    void nameCursorOwner(const QString& userId);
    void forgetHandOver();

    Database* m_database = nullptr;
    AccountRepository* m_accounts = nullptr;
    TransactionRepository* m_transactions = nullptr;
    CategoryRepository* m_categories = nullptr;
    PreferencesRepository* m_preferences = nullptr;
    SplitLineRepository* m_splitLines = nullptr;
    RecurringRepository* m_recurring = nullptr;
    ReconciliationRepository* m_reconciliations = nullptr;

    CategoryService* m_categoryService = nullptr;
    RecurringService* m_recurringService = nullptr;
    ReportService* m_reportService = nullptr;
    ImportService* m_importService = nullptr;
    BackupService* m_backupService = nullptr;

    TandAccount::Client* m_accountClient = nullptr;
    SyncEngine* m_syncEngine = nullptr;
    AccountSharingService* m_sharingService = nullptr;

    ThemeManager* m_themeManager = nullptr;

    // A sign-in came while a long write was open: syncing starts when it ends.
    bool m_syncStartWaits = false;
    // A pass was turned away while a long write was open. One that is rolled
    // back or changes nothing announces no change, which would bring it.
    bool m_passWaitsForWrites = false;
    // The user asked whether to take the ledger over, until they answer.
    QString m_handOverAskedFor;
    // The user who agreed, until the ledger is theirs.
    QString m_handOverAgreedFor;

    QString m_lastViewedAccountId;
    Database::Problem m_databaseProblem = Database::Problem::None;
};
