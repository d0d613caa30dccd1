#pragma once

#include "storage/RecurringTransaction.h"
#include "storage/Transaction.h"

#include <QObject>
#include <QString>

class AppState;
class RecurringEditor;

// What a window does with recurring items, over that window: the form for a
// new, an edited or a memorized item, stored through RecurringEditor; the
// questions before entering early, entering the next days and deleting; and
// the postings of the recurring service. Each acts on the item it was given,
// as it was when the user chose it: one changed meanwhile (posted by itself,
// or by a sync) is left alone with a word, never taken for another. A write
// that fails is told in a message over the window; a form opens again with
// what was typed.
class RecurringActions : public QObject
{
    Q_OBJECT

public:
    RecurringActions(AppState* appState, QWidget* window);

    // The id of the stored item; empty when the user cancelled.
    QString addItem();
    // A split is memorized without its lines, once the user agrees.
    QString memorize(const Transaction& transaction);
    // Whether the edit was stored.
    bool editItem(const RecurringTransaction& item);
    // Whether the item is gone.
    bool deleteItem(const RecurringTransaction& item);

    // Whether a transaction was entered.
    bool confirm(const RecurringTransaction& item);
    bool enterEarly(const RecurringTransaction& item);
    // Whether the item moved on.
    bool skip(const RecurringTransaction& item);
    // The number of transactions entered; -1 when a write failed, which
    // leaves nothing entered.
    int confirmAllDue();
    // Every occurrence due in the next 7 days, after asking; as confirmAllDue().
    int enterNextWeek();

private:
    // A recurring item holds one category: memorizing a split loses its
    // lines, which the user is told and may stop at.
    bool acceptsLosingSplitLines(const Transaction& transaction);
    // Whether the item is stored as the user saw it; else says so.
    bool isUnchanged(const RecurringTransaction& item);
    // After a confirm or skip that did nothing: why, when it is worth a
    // word. `failure` names the item (%1) and the database's words (%2).
    void explainNothingDone(const RecurringTransaction& item, const QString& failure);
    // The batch's count, or -1 after saying why it failed.
    int reportBatch(int posted);
    void warn(const QString& title, const QString& text);

    AppState* m_appState;
    QWidget* m_window;
    RecurringEditor* m_editor;
};
