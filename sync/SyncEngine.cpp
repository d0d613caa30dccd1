#include "sync/SyncEngine.h"

#include "account/ApiClient.h"
#include "account/JsonFieldReader.h"
#include "storage/AccountRepository.h"
#include "storage/CategoryRepository.h"
#include "storage/NativeConnection.h"
#include "storage/PreferencesRepository.h"
#include "storage/ReconciliationRepository.h"
#include "storage/RecurringRepository.h"
#include "storage/ScopedTransaction.h"
#include "storage/Timestamp.h"
#include "storage/TransactionRepository.h"
#include "sync/ParkedRecords.h"
#include "sync/PullPage.h"

#include <QDebug>
#include <QJsonArray>
#include <QJsonObject>
#include <QPointer>
#include <QSqlDatabase>
#include <QTimer>
#include <QUrlQuery>

namespace {

// The transport refuses a 2xx whose body is not JSON (a proxy's page): for
// the pass that is a bad answer, as one of the wrong shape is.
QString failureReason(int httpStatus)
{
    return httpStatus >= 200 && httpStatus <= 299 ? QStringLiteral("bad answer")
                                                  : QStringLiteral("HTTP %1").arg(httpStatus);
}

} // namespace

SyncEngine::SyncEngine(TandAccount::ApiClient* api, AccountRepository* accounts, TransactionRepository* transactions,
                       CategoryRepository* categories, RecurringRepository* recurring,
                       ReconciliationRepository* reconciliations, SplitLineRepository* splitLines,
                       PreferencesRepository* preferences, QObject* parent)
    : QObject(parent)
    , m_api(api)
    , m_categories(categories)
    , m_transactions(transactions)
    , m_syncedTables{accounts, categories, transactions, recurring, reconciliations}
    , m_preferences(preferences)
    , m_periodicTimer(new QTimer(this))
    , m_debounceTimer(new QTimer(this))
    , m_pushQueue(accounts, categories, recurring, transactions, reconciliations, splitLines)
    , m_pullApplier(accounts, categories, recurring, transactions, reconciliations, splitLines, preferences)
{
    m_debounceTimer->setSingleShot(true);
    m_debounceTimer->setInterval(kDebounceMs);
    // A coarse timer may fire up to 5 % early, inside a burst the user is
    // still typing.
    m_debounceTimer->setTimerType(Qt::PreciseTimer);
    connect(m_periodicTimer, &QTimer::timeout, this, &SyncEngine::syncNow);
    connect(m_debounceTimer, &QTimer::timeout, this, &SyncEngine::syncNow);
    connect(m_api, &TandAccount::ApiClient::authenticationRequired, this, [this] { setState(Error); });
}

void SyncEngine::setSyncGate(std::function<bool()> gate)
{
    m_gate = std::move(gate);
}

void SyncEngine::startAutoSync(int intervalMs)
{
    m_periodicTimer->start(intervalMs);
    syncNow();
}

void SyncEngine::stopAutoSync()
{
    m_periodicTimer->stop();
}

void SyncEngine::requestSync()
{
    // The rows a page writes are synced already; the change signals they
    // give ask for nothing a pass would send or fetch. Heeded, they would
    // bring pass after pass from a service that never runs out of pages.
    if (m_writingPage)
        return;
    m_debounceTimer->start();
}

void SyncEngine::abandonPass()
{
    m_debounceTimer->stop();
    dropRunningPass();
}

void SyncEngine::setWaitLimit(int milliseconds)
{
    m_waitLimitMs = milliseconds;
}

bool SyncEngine::restartFromBeginning(LocalRows localRows)
{
    dropRunningPass();
    // All of it or none: a cursor removed while the rows stay marked synced
    // (or the reverse) would pull from the start yet never send them again.
    ScopedTransaction transaction(QSqlDatabase::database());
    bool written = transaction.isActive();
    written = m_preferences->remove(QString::fromLatin1(PreferencesRepository::kSyncCursorKey)) && written;
    written = m_preferences->remove(QString::fromLatin1(kLastSyncTimestampKey)) && written;
    written = ParkedRecords().clear() && written;
    if (localRows == LocalRows::SendAgain) {
        int marked = 0;
        for (SyncedRepository* table : std::as_const(m_syncedTables)) {
            const int rows = table->markAllPendingForResync();
            written = rows >= 0 && written;
            marked += qMax(rows, 0);
        }
        qInfo() << "Sync starts over:" << marked << "local rows are sent again";
    }
    written = written && transaction.commit();
    if (!written)
        qWarning() << "Sync could not start over from the beginning";
    return written;
}

void SyncEngine::syncNow()
{
    if (m_gate && !m_gate()) {
        m_syncAgain = false;
        m_waitingSince.invalidate();
        setState(Idle);
        return;
    }
    setState(Syncing);
    if (m_passInFlight) {
        m_syncAgain = true;
        return;
    }
    m_syncAgain = false;
    // Rows read inside another writer's open transaction may yet be rolled back.
    if (nativeconnection::inTransaction(QSqlDatabase::database())) {
        deferPass();
        return;
    }
    m_passInFlight = true;
    ++m_pass;
    startSync();
}

int SyncEngine::recordsNotReadable() const
{
    return m_pullApplier.recordsNotReadable().value_or(0);
}

QString SyncEngine::stateText(SyncState state)
{
    switch (state) {
    case Idle:
        return QStringLiteral("Synced");
    case Syncing:
        return QStringLiteral("Syncing...");
    case Error:
        return QStringLiteral("Sync error");
    case Offline:
        return QStringLiteral("Offline");
    }
    return QStringLiteral("Unknown");
}

void SyncEngine::startSync()
{
    const std::optional<int> count = m_pushQueue.start();
    if (!count) {
        failPass(QStringLiteral("Push failed (database error)"));
        return;
    }
    if (*count == 0) {
        startPull();
        return;
    }
    qInfo() << "Pushing" << *count << "changes (in batches of" << PushQueue::kBatchSize << ")";
    pushNextBatch();
}

void SyncEngine::pushNextBatch()
{
    const std::optional<QJsonArray> batch = m_pushQueue.takeBatch();
    if (!batch) {
        failPass(QStringLiteral("Push failed (database error)"));
        return;
    }
    if (batch->isEmpty()) {
        startPull();
        return;
    }
    qInfo() << "Push batch:" << batch->size() << "changes," << m_pushQueue.remaining() << "remaining";

    // The engine may be gone by the time a slow answer arrives.
    QPointer<SyncEngine> self(this);
    m_api->post(QStringLiteral("/sync/push"), QJsonObject{{QStringLiteral("changes"), *batch}},
                [self, pass = m_pass](bool ok, int httpStatus, const QJsonObject& body) {
                    if (self && self->isCurrentPass(pass))
                        self->handlePushAnswer(ok, httpStatus, body);
                });
}

void SyncEngine::handlePushAnswer(bool ok, int httpStatus, const QJsonObject& body)
{
    if (!ok) {
        failPass(QStringLiteral("Push failed (%1)").arg(failureReason(httpStatus)));
        return;
    }
    // A 2xx answer that is not the push answer (a proxy's page, an empty
    // body) acknowledges nothing and must not pass for a successful push.
    const QJsonValue results = body.value(QLatin1String("results"));
    if (!results.isArray()) {
        failPass(QStringLiteral("Push failed (bad answer)"));
        return;
    }

    // Marks written now would join the open transaction and vanish if it
    // rolls back. The batch stays pending instead and goes again with the
    // deferred pass, as after an answer that never came.
    if (nativeconnection::inTransaction(QSqlDatabase::database())) {
        deferPass();
        return;
    }

    const std::optional<PushQueue::BatchOutcome> outcome = m_pushQueue.acknowledge(results.toArray());
    if (!outcome) {
        failPass(QStringLiteral("Push failed (database error)"));
        return;
    }
    // Results for records never sent, or not readable as results, leave the
    // whole batch unconfirmed: that pass did not sync.
    if (outcome->matched() == 0) {
        failPass(QStringLiteral("Push failed (bad answer)"));
        return;
    }
    if (outcome->errors > 0) {
        qWarning() << "Push batch:" << outcome->acknowledged << "ok," << outcome->errors
                   << "errors — failed records remain pending for next sync";
    }
    pushNextBatch();
}

// Second stage of a pass. Every successful pass ends in finishPass, which
// records the time of the sync.
void SyncEngine::startPull()
{
    m_pullPages = 0;
    m_pulledRecords = false;
    m_pullApplier.startPass();
    const QString cursor = m_preferences->getString(QString::fromLatin1(PreferencesRepository::kSyncCursorKey));
    m_passCursors = {cursor};
    pullChanges(cursor);
}

void SyncEngine::pullChanges(const QString& cursor)
{
    QUrlQuery query;
    if (!cursor.isEmpty())
        query.addQueryItem(QStringLiteral("cursor"), cursor);
    query.addQueryItem(QStringLiteral("limit"), QString::number(kPullPageSize));
    QPointer<SyncEngine> self(this);
    m_api->get(
        QStringLiteral("/sync/pull"),
        [self, cursor, pass = m_pass](bool ok, int httpStatus, const QJsonObject& body) {
            if (self && self->isCurrentPass(pass))
                self->handlePullAnswer(cursor, ok, httpStatus, body);
        },
        query);
}

void SyncEngine::handlePullAnswer(const QString& requestCursor, bool ok, int httpStatus, const QJsonObject& body)
{
    if (!ok) {
        failPass(QStringLiteral("Pull failed (%1)").arg(failureReason(httpStatus)));
        return;
    }
    const std::optional<PullPage> page = PullPage::fromAnswer(body);
    if (!page) {
        failPass(QStringLiteral("Pull failed (bad answer)"));
        return;
    }
    // Written now, the page would join the other writer's transaction and
    // vanish if that rolls back. The pass waits and asks for it again.
    if (nativeconnection::inTransaction(QSqlDatabase::database())) {
        deferPass();
        return;
    }
    m_writingPage = true;
    const PullPageApplier::Result result = m_pullApplier.apply(*page, requestCursor);
    m_writingPage = false;
    switch (result) {
    case PullPageApplier::Result::Stored:
        break;
    case PullPageApplier::Result::DatabaseFailed:
        failPass(QStringLiteral("Pull failed (database error)"));
        return;
    case PullPageApplier::Result::CursorMoved:
        // Someone moved the cursor under this pass: the page belongs to a
        // pull that is over. The next pass pulls from where it stands now.
        qWarning() << "Pull: the stored cursor changed while the page was asked for; the page is dropped";
        dropRunningPass();
        requestSync();
        return;
    }
    m_pulledRecords = m_pulledRecords || page->recordCount() > 0;
    if (page->integrity)
        checkIntegrity(*page->integrity);
    ++m_pullPages;

    if (!page->hasMore) {
        m_passesAtTheBound = 0;
        finishPass();
        return;
    }
    if (page->cursor.isEmpty()) {
        qWarning() << "Pull: the service has more but gave no new cursor; the pass ends here";
        finishPass();
        return;
    }
    // Asked again from a place the pass has been, the service would send
    // the same pages for ever (A, B, A, ...).
    if (m_passCursors.contains(page->cursor)) {
        qWarning() << "Pull: the service repeated a cursor of this pass; the pass ends here";
        failPass(QStringLiteral("Pull failed (the service repeated a cursor)"));
        return;
    }
    m_passCursors.insert(page->cursor);
    // The rest comes with a pass of its own, after the windows have shown
    // what this one brought.
    if (m_pullPages >= kMaxPullPages) {
        if (++m_passesAtTheBound < kPassesInARowAtTheBound)
            requestSync();
        else
            qInfo() << "Pull: the service has more pages; they come with the next regular sync";
        finishPass();
        return;
    }
    pullChanges(page->cursor);
}

// Informational only: the local count may lag while pages still arrive.
void SyncEngine::checkIntegrity(const QJsonObject& integrity)
{
    const int serverCount = TandAccount::JsonFieldReader(integrity).integer(QLatin1String("category_count"));
    const int localCount = m_categories->count();
    if (serverCount >= 1 && serverCount != localCount) {
        qWarning() << "Category count mismatch: local=" << localCount << "server=" << serverCount
                   << "(informational only — use Force Full Sync if data appears wrong)";
    }
}

void SyncEngine::reportPulledRecords()
{
    const ServerRecordApplier::Notes& notes = m_pullApplier.passNotes();
    if (notes.splitsMadeWhole > 0) {
        qInfo() << "Sync:" << notes.splitsMadeWhole
                << "split transactions did not add up and got an uncategorized line for the difference";
    }
    // Only now: the partner of a link may come on any page of the pass.
    if (const std::optional<QStringList> oneSided = m_transactions->withOneSidedLink(notes.linkedTransactions);
        oneSided && !oneSided->isEmpty()) {
        constexpr qsizetype kNamed = 10;
        qWarning() << "Sync:" << oneSided->size()
                   << "transactions name a transfer partner that does not name them back, so they count as "
                      "ordinary transactions:"
                   << oneSided->mid(0, kNamed);
    }
    if (!m_pulledRecords)
        return;
    const int notReadable = recordsNotReadable();
    const int waiting = m_pullApplier.recordsAwaitingAccount().value_or(0) - notReadable;
    if (waiting > 0)
        qInfo() << "Sync:" << waiting << "records wait for the account they belong to";
    if (notReadable > 0)
        qInfo() << "Sync:" << notReadable << "records cannot be read by this version yet; they are kept";
}

void SyncEngine::finishPass()
{
    m_passInFlight = false;
    m_waitingSince.invalidate();
    reportPulledRecords();
    m_preferences->set(QString::fromLatin1(kLastSyncTimestampKey), toIsoUtc(nowUtc()));
    setState(Idle);
    emit syncCompleted();
    if (m_syncAgain) {
        m_syncAgain = false;
        QTimer::singleShot(0, this, &SyncEngine::syncNow);
    }
}

bool SyncEngine::isCurrentPass(quint64 pass) const
{
    if (m_passInFlight && pass == m_pass)
        return true;
    qInfo() << "Sync: an answer for a pass that was stopped is dropped";
    return false;
}

void SyncEngine::dropRunningPass()
{
    ++m_pass;
    m_passInFlight = false;
    m_syncAgain = false;
    m_waitingSince.invalidate();
    if (m_state == Syncing)
        setState(Idle);
}

// Rows read inside another writer's transaction may yet be rolled back, so
// the pass waits for it to end: it stops, still showing Syncing, and tries
// again after the debounce interval. A request made meanwhile joins that
// try. A wait beyond the limit ends the pass in Error, so the state never
// stays at Syncing for good.
void SyncEngine::deferPass()
{
    m_passInFlight = false;
    m_syncAgain = false;
    if (!m_waitingSince.isValid()) {
        qInfo() << "Sync waits for a database transaction to end";
        m_waitingSince.start();
    } else if (m_waitingSince.elapsed() >= m_waitLimitMs) {
        failPass(QStringLiteral("Sync waited too long for another write to finish"));
        return;
    }
    m_debounceTimer->start();
}

// Nothing is retried within the pass: records not yet acknowledged stay
// pending and go with the next one.
void SyncEngine::failPass(const QString& error)
{
    m_passInFlight = false;
    m_waitingSince.invalidate();
    m_lastError = error;
    setState(Error);
    emit syncFailed(m_lastError);
}

void SyncEngine::setState(SyncState state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(m_state);
}
