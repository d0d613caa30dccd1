#include "appstate/AppState.h"

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

#include <QtDebug>

#include <algorithm>
#include <initializer_list>

namespace {

const QString kAmountAutoDecimalKey = QStringLiteral("amountAutoDecimal");
const QString kWeekStartDayKey = QStringLiteral("weekStartDay");
const QString kLastViewedAccountKey = QStringLiteral("lastViewedAccountId");

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

    applyStoredPreferences();

    m_categoryService->seedDefaults();

    m_lastViewedAccountId = m_preferences->getString(kLastViewedAccountKey);

    emit databaseReady();
    return true;
}

bool AppState::syncMayRun() const
{
    return isSignedIn() && m_database && !writesHeld();
}

bool AppState::writesHeld() const
{
    if (!m_database)
        return false;
    const std::initializer_list<const SyncedRepository*> repositories = {m_accounts, m_transactions, m_categories,
                                                                         m_recurring, m_reconciliations};
    return std::any_of(repositories.begin(), repositories.end(),
                       [](const SyncedRepository* repository) { return repository->changesHeld(); });
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
