#include "screens/RecurringEditor.h"

#include "appstate/AppState.h"
#include "services/RecurringService.h"
#include "storage/RecurringRepository.h"
#include "storage/SqlStatement.h"
#include "storage/Timestamp.h"

#include <QtDebug>

RecurringEditor::RecurringEditor(AppState* appState, QObject* parent)
    : QObject(parent)
    , m_appState(appState)
{
}

bool RecurringEditor::addItem(const RecurringTransaction& item)
{
    if (!m_appState->recurringRepository()->insert(item))
        return refuse(tr("the database refused it (%1)").arg(SqlStatement::lastFailure()));
    m_lastError.clear();
    return true;
}

bool RecurringEditor::updateItem(const RecurringTransaction& edited, const RecurringTransaction& seen)
{
    const std::optional<RecurringTransaction> stored = m_appState->recurringRepository()->getById(edited.id);
    if (!stored || stored->deleted_at)
        return refuse(tr("it was deleted while the form was open"));

    RecurringTransaction result = *stored;
    result.payee = edited.payee;
    result.memo = edited.memo;
    result.amount = edited.amount;
    result.category_id = edited.category_id;
    result.transfer_dest_account_id = edited.transfer_dest_account_id;
    result.frequency = edited.frequency;
    result.interval_count = edited.interval_count;
    result.semimonthly_day_1 = edited.semimonthly_day_1;
    result.semimonthly_day_2 = edited.semimonthly_day_2;
    result.start_date = edited.start_date;
    result.end_date = edited.end_date;
    result.auto_post = edited.auto_post;
    result.lead_days = edited.lead_days;
    result.is_active = edited.is_active;
    if (edited.start_date != seen.start_date) {
        result.next_due_date = m_appState->recurringService()->firstDueFrom(result, edited.start_date);
        if (!result.next_due_date.isValid())
            return refuse(tr("its next due date could not be worked out from the new start date"));
    }
    result.version = stored->version + 1;
    result.sync_status = SyncStatus::Pending;
    result.updated_at = nowUtc();

    if (!m_appState->recurringRepository()->update(result))
        return refuse(tr("the database refused it (%1)").arg(SqlStatement::lastFailure()));
    m_lastError.clear();
    return true;
}

bool RecurringEditor::deleteItem(const QString& id)
{
    RecurringRepository* repository = m_appState->recurringRepository();
    const std::optional<RecurringTransaction> stored = repository->getById(id);
    if (stored && !stored->deleted_at && !repository->softDelete(id))
        return refuse(tr("the database refused it (%1)").arg(SqlStatement::lastFailure()));
    m_lastError.clear();
    return true;
}

std::optional<RecurringTransaction> RecurringEditor::unchanged(const RecurringTransaction& seen) const
{
    const std::optional<RecurringTransaction> stored = m_appState->recurringRepository()->getById(seen.id);
    if (!stored || stored->deleted_at || stored->version != seen.version)
        return std::nullopt;
    return stored;
}

bool RecurringEditor::refuse(const QString& reason)
{
    m_lastError = reason;
    qWarning().noquote() << "A recurring item was not stored:" << reason;
    return false;
}
