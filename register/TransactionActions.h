#pragma once

#include "storage/Transaction.h"

#include <QObject>
#include <QString>

#include <optional>

class AppState;
class RegisterEditor;
class TransactionFormDialog;
struct TransactionDraft;

// What a window does with a transaction, done the same way in every window
// that shows them: the form for a new or an existing one, stored through
// RegisterEditor, and the question before a delete. A change that moves a
// reconciled amount is asked about first. When a write fails, `failed` says
// so and the form opens again with everything that was typed.
class TransactionActions : public QObject
{
    Q_OBJECT

public:
    // The forms and questions open over `window`.
    TransactionActions(AppState* appState, QWidget* window);

    // The id of the stored transaction; empty when the user cancelled.
    QString addTransaction(const QString& accountId);
    // Whether an edit was stored.
    bool editTransaction(const Transaction& transaction);
    // Whether it (and a transfer's other side) was deleted.
    bool deleteTransaction(const Transaction& transaction);

Q_SIGNALS:
    // A write failed; the text says which. The slot runs before the form
    // opens again, so it may show a message box.
    void failed(const QString& message);

private:
    // False when the user would rather not change a reconciled amount.
    bool confirmReconciledChange(const Transaction& stored, const TransactionDraft& draft);
    QString accountName(const QString& accountId) const;

    AppState* m_appState;
    QWidget* m_window;
    RegisterEditor* m_editor;
};
