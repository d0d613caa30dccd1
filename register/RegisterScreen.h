#pragma once

#include "register/RegisterColumnLayout.h"

#include <QList>
#include <QString>
#include <QWidget>

class AppState;
class QEvent;
class QPushButton;
class QTableView;
class RegisterModel;
class TransactionActions;
struct Transaction;

// One account's register as a table under a row of buttons (new transaction,
// reconcile). New, edit (double click or Return) and delete (Delete key,
// after a question) go through TransactionActions; the table reloads after
// each of its own writes and keeps the current transaction selected across
// reloads. An account opens at its latest transaction. With two-line rows
// (a preference) the memo shows under the payee instead of in a column of
// its own. Column widths come from the font and the width at hand (see
// RegisterColumnLayout); the screen is never narrower than what shows the
// dates, amounts and balance. Widths the user drags and the optional columns
// hidden from the header's context menu are kept in the settings.
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
    // Asks for the selected transaction to be made a recurring one.
    void memorizeCurrentTransaction();

Q_SIGNALS:
    // A write of this screen failed; the text says which.
    void errorMessage(const QString& message);
    // The user asked to reconcile the shown account.
    void reconcileRequested();
    // A transaction became selected, or none is any more.
    void currentTransactionChanged();
    // The user asked to repeat this transaction as a recurring one.
    void memorizeRequested(const Transaction& transaction);

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void restoreColumnSettings();
    void addColumnActions();
    void measureColumns();
    void applyColumnWidths();
    void onSectionResized(int column, int oldSize, int newSize);
    void setColumnHidden(int column, bool hidden);
    // False for a column the user hid, and for the memo while it shows
    // under the payee.
    bool isColumnShown(int column) const;
    void rememberCurrentRow();
    void restoreCurrentRow();
    void selectTransaction(const QString& transactionId);
    void makeCurrent(int row);

    AppState* m_appState;
    RegisterModel* m_model;
    TransactionActions* m_actions;
    QTableView* m_view;
    QPushButton* m_newButton;
    QPushButton* m_reconcileButton;
    // The header's choice to show the memo column, which has nothing to
    // show while the memo is under the payee.
    QAction* m_memoAction = nullptr;
    // The row to select again once the model has reloaded.
    QString m_currentId;
    int m_currentRow = -1;
    // One per model column.
    QList<RegisterColumnLayout::Column> m_columns;
    // Set while the screen sizes the sections itself, so that only the
    // user's resizing is remembered.
    // The category's width from the font; a wide window gives it more.
    int m_categoryWidth = 0;
    bool m_applyingWidths = false;
};
