#pragma once

#include <QString>
#include <QWidget>

class AppState;
class QEvent;
class QPushButton;
class QTableView;
class RegisterEditor;
class RegisterModel;
struct Transaction;

// One account's register as a table under a row of buttons (new transaction,
// reconcile). New, edit (double click or Return) and delete (Delete key,
// after a question) go through the transaction form and RegisterEditor; the table reloads after each of its own writes and keeps
// the current transaction selected across reloads. An account opens at its
// latest transaction.
class RegisterScreen : public QWidget
{
    Q_OBJECT

public:
    explicit RegisterScreen(AppState* appState, QWidget* parent = nullptr);

    void setAccount(const QString& accountId);
    QString accountId() const;
    void reload();
    // Whether a transaction is selected for editing or deleting.
    bool hasCurrentTransaction() const;

public Q_SLOTS:
    void newTransaction();
    void editCurrentTransaction();
    void deleteCurrentTransaction();

Q_SIGNALS:
    // A write of this screen failed; the text says which.
    void errorMessage(const QString& message);
    // The user asked to reconcile the shown account.
    void reconcileRequested();
    // A transaction became selected, or none is any more.
    void currentTransactionChanged();

protected:
    void changeEvent(QEvent* event) override;

private:
    void sizeColumns();
    bool confirmDelete(const Transaction& transaction);
    void rememberCurrentRow();
    void restoreCurrentRow();
    void selectTransaction(const QString& transactionId);
    void makeCurrent(int row);

    AppState* m_appState;
    RegisterModel* m_model;
    RegisterEditor* m_editor;
    QTableView* m_view;
    QPushButton* m_newButton;
    QPushButton* m_reconcileButton;
    // The row to select again once the model has reloaded.
    QString m_currentId;
    int m_currentRow = -1;
};
