#include "appstate/AppState.h"

#include "account/AccountClient.h"
#include "account/ApiClient.h"
#include "account/AuthClient.h"
#include "account/Client.h"
#include "account/PersonName.h"
#include "appstate/ServiceEndpoints.h"
#include "appstate/SyncCursorOwner.h"
#include "appstate/ThemeHelpers.h"
#include "appstate/ThemeManager.h"
#include "import/ImportService.h"
#include "services/BackupService.h"
#include "services/CategoryService.h"
#include "services/RecurringService.h"
#include "services/ReportService.h"
#include "storage/AccountRepository.h"
#include "storage/CategoryRepository.h"
#include "storage/Database.h"
#include "storage/Money.h"
#include "storage/PreferencesRepository.h"
#include "storage/ReconciliationRepository.h"
#include "storage/RecurringRepository.h"
#include "storage/SplitLineRepository.h"
#include "storage/TransactionRepository.h"
#include "sync/AccountSharingService.h"
#include "sync/SyncEngine.h"

#include <QPointer>
#include <QSettings>
#include <QtDebug>

#include <algorithm>
#include <utility>

namespace {

const QString kAmountAutoDecimalKey = QStringLiteral("amountAutoDecimal");
const QString kWeekStartDayKey = QStringLiteral("weekStartDay");
const QString kLastViewedAccountKey = QStringLiteral("lastViewedAccountId");
const QString kSignedInBeforeKey = QStringLiteral("auth/hasSignedInBefore");

// How a question names an account: by its e-mail address, which tells two
// accounts apart where display names may not.
QString accountName(const TandAccount::User& user, const QString& userId)
{
    return user.email.isEmpty() ? TandAccount::personName(user.display_name, user.email, userId) : user.email;
}

} // namespace

AppState::AppState(QObject* parent)
    : QObject(parent)
{
}

AppState::~AppState() = default;

bool AppState::initialize()
{
    m_database = new Database(this);
    if (!m_database->open(Database::databaseFilePath())) {
        m_databaseProblem = m_database->problem();
        qCritical().noquote() << "Cannot use the database in" << Database::dataDirectory() << "-"
                              << m_database->lastError();
        delete m_database;
        m_database = nullptr;
        return false;
    }

    m_accounts = new AccountRepository(m_database, this);
    m_transactions = new TransactionRepository(m_database, this);
    m_categories = new CategoryRepository(m_database, this);
    m_preferences = new PreferencesRepository(m_database, this);
    m_splitLines = new SplitLineRepository(m_database, this);
    m_recurring = new RecurringRepository(m_database, this);
    m_reconciliations = new ReconciliationRepository(m_database, this);

    m_categoryService = new CategoryService(m_categories, this);
    m_recurringService = new RecurringService(m_database, m_recurring, m_transactions, m_accounts, this);
    m_reportService = new ReportService(m_database, this);
    m_backupService = new BackupService(m_database, m_accounts, m_transactions, m_categories, m_recurring,
                                        m_reconciliations, this);
    m_importService = new ImportService(m_database, m_accounts, m_transactions, m_categories, m_splitLines, this);

    buildAccountServices();

    applyStoredPreferences();

    m_categoryService->seedDefaults();

    connectWriteHolds();
    connectSync();
    restoreSignIn();

    m_lastViewedAccountId = m_preferences->getString(kLastViewedAccountKey);

    emit databaseReady();
    return true;
}

// The client's token store lives in the data directory, resolved by now.
void AppState::buildAccountServices()
{
    m_accountClient = new TandAccount::Client(ServiceEndpoints::clientConfig(), this);
    m_accountClient->syncApiClient()->setBaseUrl(ServiceEndpoints::syncApiUrl());
    m_syncEngine = new SyncEngine(m_accountClient->syncApiClient(), m_accounts, m_transactions, m_categories,
                                  m_recurring, m_reconciliations, m_splitLines, m_preferences, this);
    m_syncEngine->setSyncGate([this] {
        if (isSignedIn() && writesHeld())
            m_passWaitsForWrites = true;
        return syncMayRun();
    });
    m_sharingService = new AccountSharingService(m_accountClient->syncApiClient(), this);
}

void AppState::connectSync()
{
    connect(m_accounts, &AccountRepository::accountsChanged, m_syncEngine, &SyncEngine::requestSync);
    connect(m_categories, &CategoryRepository::categoriesChanged, m_syncEngine, &SyncEngine::requestSync);
    connect(m_transactions, &TransactionRepository::transactionsChanged, m_syncEngine, &SyncEngine::requestSync);
    // A new share reaches its people, and a withdrawn one leaves them, with
    // the next pass.
    connect(m_sharingService, &AccountSharingService::sharingChanged, m_syncEngine, &SyncEngine::requestSync);

    TandAccount::AuthClient* auth = m_accountClient->authClient();
    connect(auth, &TandAccount::AuthClient::loginSucceeded, this, &AppState::onLoginSucceeded);
    // Signed out, a pass is skipped anyway; the timer need not keep asking.
    // The pass that runs goes no further: its next request would go out as
    // nobody, and a page still on its way belongs to the user who left.
    for (const auto signedOut : {&TandAccount::AuthClient::logoutCompleted, &TandAccount::AuthClient::sessionExpired}) {
        connect(auth, signedOut, m_syncEngine, &SyncEngine::stopAutoSync);
        connect(auth, signedOut, m_syncEngine, &SyncEngine::abandonPass);
        connect(auth, signedOut, this, &AppState::forgetHandOver);
    }
}

// One hold ends repository by repository: only the last one's end is the
// end of the write.
void AppState::connectWriteHolds()
{
    for (SyncedRepository* repository : heldRepositories()) {
        connect(repository, &SyncedRepository::holdReleased, this, [this] {
            if (!writesHeld())
                emit writesReleased();
        });
    }
    connect(this, &AppState::writesReleased, this, [this] {
        const bool startWaits = std::exchange(m_syncStartWaits, false);
        const bool passWaits = std::exchange(m_passWaitsForWrites, false);
        if (!isSignedIn())
            return;
        if (startWaits)
            startSyncing();
        else if (passWaits)
            m_syncEngine->requestSync();
    });
}

void AppState::restoreSignIn()
{
    m_accountClient->initialize();
    TandAccount::AuthClient* auth = m_accountClient->authClient();
    if (auth->state() == TandAccount::AuthState::Unauthenticated)
        return;
    QPointer<AppState> self(this);
    auth->refreshToken([self](bool) {
        // A refresh that could not reach the service leaves the user signed
        // in: passes then fail until it answers again.
        if (self && self->isSignedIn())
            self->startSyncing();
    });
}

void AppState::onLoginSucceeded()
{
    forgetHandOver();
    QSettings().setValue(kSignedInBeforeKey, true);
    // The service lists this computer among the user's devices. Nothing
    // waits for it: a failure costs the user only that line in the list.
    m_accountClient->accountClient()->registerDevice([](bool ok) {
        if (!ok)
            qWarning().noquote() << "This device could not be registered with the account service";
    });
    startSyncing();
}

// The cursor must be this user's before the first pass pulls with it. A
// sign-in completes in the background, possibly while an import or a restore
// has its transaction open: the hand-over written then would be undone with
// a rollback of that write, and the new user's pull would go on from the last
// user's cursor. It waits for the write to end; no pass runs before anyway.
void AppState::startSyncing()
{
    if (writesHeld()) {
        m_syncStartWaits = true;
        return;
    }
    m_syncStartWaits = false;
    // The token held names the user even while it waits for a refresh (the
    // service could not be reached at start-up).
    const QString userId = m_accountClient->authClient()->heldUserId();
    SyncCursorOwner cursorOwner(m_preferences, m_syncEngine);
    if (cursorOwner.belongsToAnother(userId) && m_handOverAgreedFor != userId) {
        askHandOver(userId);
        return;
    }
    m_handOverAgreedFor.clear();
    cursorOwner.claimFor(userId);
    nameCursorOwner(userId);
    m_syncEngine->startAutoSync(kAutoSyncIntervalMs);
    m_syncEngine->requestSync();
}

// The question names the user who signed in as the service does; until it
// has been answered, the gate keeps every pass back.
void AppState::askHandOver(const QString& userId)
{
    if (m_handOverAskedFor == userId)
        return;
    m_handOverAskedFor = userId;
    QPointer<AppState> self(this);
    m_accountClient->authClient()->fetchCurrentUser([self, userId](bool, const TandAccount::User& user) {
        if (!self || self->m_handOverAskedFor != userId
            || self->m_accountClient->authClient()->heldUserId() != userId)
            return;
        emit self->ledgerHandOverAsked(SyncCursorOwner(self->m_preferences, self->m_syncEngine).ownerName(),
                                       accountName(user, userId), self->m_transactions->count());
    });
}

void AppState::handOverLedger()
{
    const QString userId = std::exchange(m_handOverAskedFor, QString());
    if (userId.isEmpty() || !isSignedIn() || m_accountClient->authClient()->heldUserId() != userId)
        return;
    m_handOverAgreedFor = userId;
    startSyncing();
}

void AppState::forgetHandOver()
{
    m_handOverAskedFor.clear();
    m_handOverAgreedFor.clear();
}

void AppState::nameCursorOwner(const QString& userId)
{
    QPointer<AppState> self(this);
    m_accountClient->authClient()->fetchCurrentUser([self, userId](bool ok, const TandAccount::User& user) {
        if (ok && self && self->m_accountClient->authClient()->heldUserId() == userId)
            SyncCursorOwner(self->m_preferences, self->m_syncEngine).nameOwner(userId, accountName(user, userId));
    });
}

bool AppState::awaitsHandOver() const
{
    return isSignedIn()
        && SyncCursorOwner(m_preferences, m_syncEngine).belongsToAnother(m_accountClient->authClient()->heldUserId());
}

bool AppState::isSignedIn() const
{
    return m_accountClient && m_accountClient->isAuthenticated();
}

QString AppState::signedInUserName() const
{
    if (!isSignedIn())
        return {};
    const TandAccount::User user = m_accountClient->authClient()->currentUser();
    return TandAccount::personName(user.display_name, user.email, m_accountClient->authClient()->userId());
}

bool AppState::syncMayRun() const
{
    return isSignedIn() && m_database && !writesHeld() && !awaitsHandOver();
}

AppState::FullSyncStart AppState::prepareFullSync()
{
    if (!isSignedIn())
        return FullSyncStart::NotSignedIn;
    if (writesHeld())
        return FullSyncStart::WritesHeld;
    if (awaitsHandOver())
        return FullSyncStart::NotHandedOver;
    if (!m_syncEngine->restartFromBeginning(SyncEngine::LocalRows::SendAgain))
        return FullSyncStart::NotWritten;
    return FullSyncStart::Ready;
}

bool AppState::writesHeld() const
{
    if (!m_database)
        return false;
    const QList<SyncedRepository*> repositories = heldRepositories();
    return std::any_of(repositories.cbegin(), repositories.cend(),
                       [](const SyncedRepository* repository) { return repository->changesHeld(); });
}

QList<SyncedRepository*> AppState::heldRepositories() const
{
    return {m_accounts, m_transactions, m_categories, m_recurring, m_reconciliations};
}

void AppState::applyStoredPreferences()
{
    setAmountAutoDecimal(m_preferences->getBool(kAmountAutoDecimalKey, false));

    m_themeManager = new ThemeManager(m_preferences, this);
    m_themeManager->restoreFromPreferences();

    // A stored day outside Monday..Sunday (hand-edited or from a newer
    // version) leaves the locale's own first day in force.
    const int weekStart = m_preferences->getInt(kWeekStartDayKey, 0);
    if (weekStart >= Qt::Monday && weekStart <= Qt::Sunday)
        localeFirstDayOfWeek() = weekStart;
}
