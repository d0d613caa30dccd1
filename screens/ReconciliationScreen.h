#pragma once

#include "screens/Reconciler.h"
#include "storage/Enums.h"
#include "storage/Transaction.h"

#include <QList>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <optional>

class AppState;
class DateField;
class QEvent;
class QGridLayout;
class QKeySequence;
class QLabel;
class QPushButton;
class QTableView;
class ReconciliationModel;
class SmartAmountField;
class TransactionActions;

// Reconciles one account against a bank statement: the user enters the
// statement's date and closing balance, ticks the transactions that are on
// it until the difference is zero, and finishes, which marks them cleared
// and reconciled and records the statement. Transactions can be added,
// edited and deleted here through the register's editor; ticks survive it.
// Nothing is written before Finish.
class ReconciliationScreen : public QWidget
{
    Q_OBJECT

public:
    explicit ReconciliationScreen(AppState* appState, QWidget* parent = nullptr);
    ~ReconciliationScreen() override;

    // Serves that account for the screen's life. A missing account leaves
    // the screen empty, with Finish disabled.
    void setAccount(const QString& accountId);
    QString accountId() const { return m_accountId; }

public Q_SLOTS:
    void updateDifference();
    void finish();
    void addTransaction();
    void editSelectedTransaction();
    void deleteSelectedTransaction();

Q_SIGNALS:
    // Sent once the reconciliation is stored.
    void reconciliationCompleted();
    void cancelled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QWidget* buildSummaryPanel();
    QWidget* buildTransactionPanel();
    static QLabel* addSummaryRow(QGridLayout* grid, int row, const QString& caption, bool muted);
    void addShortcuts(const QList<QKeySequence>& keys, void (ReconciliationScreen::*slot)());
    void sizeColumns();
    void applyThemeColors();
    std::optional<Transaction> currentTransaction() const;
    // Reads the rows again with their ticks, keeping `currentId` (or the
    // transaction that was current) selected.
    void reloadTransactions(const QString& currentId = QString());
    // Reads the previous balance and the rows again after a change made
    // elsewhere; what the user typed and ticked stays.
    void refresh();
    void warn(const QString& title, const QString& text);

    AppState* m_appState;
    Reconciler m_reconciler;
    TransactionActions* m_actions;
    ReconciliationModel* m_model;
    QString m_accountId;
    std::optional<Reconciler::Opening> m_opening;
    Currency m_currency = Currency::USD;
    qint64 m_difference = 0;
    bool m_finished = false;
    QTimer m_refreshTimer;

    DateField* m_dateField = nullptr;
    SmartAmountField* m_balanceField = nullptr;
    QLabel* m_previousLabel = nullptr;
    QLabel* m_depositsLabel = nullptr;
    QLabel* m_withdrawalsLabel = nullptr;
    QLabel* m_clearedLabel = nullptr;
    QLabel* m_statementLabel = nullptr;
    QLabel* m_differenceLabel = nullptr;
    QPushButton* m_finishButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QPushButton* m_addButton = nullptr;
    QPushButton* m_editButton = nullptr;
    QPushButton* m_deleteButton = nullptr;
    QTableView* m_view = nullptr;
};
