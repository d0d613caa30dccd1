#pragma once

#include "storage/RecurringTransaction.h"

#include <QObject>
#include <QString>

#include <optional>

class AppState;

// Where a user's recurring item is written: a new one as the form made it,
// an edit, and a delete. Each method says whether it was stored; on false
// nothing was, and lastError() says why in words for the user.
class RecurringEditor : public QObject
{
    Q_OBJECT

public:
    explicit RecurringEditor(AppState* appState, QObject* parent = nullptr);

    bool addItem(const RecurringTransaction& item);

    // Puts the fields the form shows onto the item as stored now, so that
    // what posting or a sync pass did while the form was open stays (its
    // server id above all); one version above the stored row, pending,
    // updated now. `seen` is the item the form opened on: while its start
    // date is kept, the stored next due date stays, and a new start date
    // gives the first occurrence from it after those already posted. The
    // item stays in its account.
    bool updateItem(const RecurringTransaction& edited, const RecurringTransaction& seen);

    // Soft-deletes a live item; one already gone counts as deleted and is
    // not stamped again.
    bool deleteItem(const QString& id);

    // The stored item when it is still live and as `seen` (same version):
    // an action the user chose on what the window showed must not act on
    // an item that was posted or synced meanwhile.
    std::optional<RecurringTransaction> unchanged(const RecurringTransaction& seen) const;

    QString lastError() const { return m_lastError; }

private:
    bool refuse(const QString& reason);

    AppState* m_appState;
    QString m_lastError;
};
