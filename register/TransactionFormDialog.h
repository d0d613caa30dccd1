#pragma once

#include "register/TransactionDraft.h"
#include "storage/Enums.h"
#include "storage/Transaction.h"

#include <QDialog>
#include <QList>
#include <QString>

#include <optional>

class AppState;
class CategoryComboBox;
class DateField;
class DirectedAmount;
class QCheckBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class SmartAmountField;
struct Account;

// The form for one transaction of an account: date, check number, payee,
// category (or a transfer to another account, or split lines), memo, amount
// with its direction, and the cleared mark. It writes nothing: the caller
// takes draft() after acceptance and hands it to RegisterEditor.
//
// Nothing typed is lost: OK refuses an empty form and an unreadable date,
// and asks about category text that names no category (offering to create
// it) instead of storing something else. A minus typed into the amount turns
// a payment into a deposit and back.
class TransactionFormDialog : public QDialog
{
    Q_OBJECT

public:
    // "New Transaction" in that account.
    TransactionFormDialog(AppState* appState, const QString& accountId, QWidget* parent = nullptr);
    // "Edit Transaction" on a copy of the record.
    TransactionFormDialog(AppState* appState, const Transaction& existing, QWidget* parent = nullptr);

    // The form's result, read from the fields on every call: a new
    // transaction (with an id made when the form opened), or the edited
    // copy with its version one higher; pending, updated now.
    Transaction transaction() const;
    // The same with what goes with it (split lines, the other account of a
    // transfer, a category to create), for RegisterEditor to store.
    TransactionDraft draft() const;

    void accept() override;

private:
    void buildForm();
    void loadFields();
    void loadCategoryChoices();
    // What the stored other side of this transfer received, when it is in
    // that account; 0 otherwise.
    qint64 storedTransferAmount(const QString& accountId) const;

    // Split lines replace the category and fix the amount to their sum.
    void showSplit();
    void editSplit();
    void onCategorySettled();
    void followCategoryType();
    void onTransferChanged();
    void growToFit();
    void onPayeeChosen();
    void fillFromLatest(const Transaction& latest);
    void onDirectionToggled();

    // The checks OK makes; each says what is wrong and puts focus there.
    bool amountsAreReadable();
    bool hasPayeeOrAmount();
    bool resolveCategory();
    bool hasTransferAmount();

    std::optional<Account> transferAccount() const;

    AppState* m_appState;
    Transaction m_original;
    // What the transaction came with when the form opened.
    TransactionDraft m_originalDraft;
    bool m_editMode;
    Currency m_currency = Currency::USD;
    bool m_isSplit = false;
    // Signed as stored; their sum is the amount while m_isSplit.
    QList<SplitLine> m_splitLines;
    // Categories the user agreed to create here or in the split, listed in
    // the fields and stored with the transaction when it names them.
    QList<Category> m_newCategories;
    // What the user has set by hand is never overwritten from a payee's
    // earlier transaction.
    bool m_categoryTouched = false;
    bool m_amountTouched = false;
    bool m_filling = false;
    QString m_filledFromPayee;

    QFormLayout* m_form = nullptr;
    DateField* m_dateField = nullptr;
    QLineEdit* m_numberEdit = nullptr;
    QLineEdit* m_payeeEdit = nullptr;
    CategoryComboBox* m_categoryCombo = nullptr;
    QPushButton* m_splitButton = nullptr;
    QLabel* m_categoryHint = nullptr;
    QLineEdit* m_memoEdit = nullptr;
    DirectedAmount* m_amount = nullptr;
    QLabel* m_transferAmountLabel = nullptr;
    SmartAmountField* m_transferAmountField = nullptr;
    // The currency of the amount the transfer field holds; none until a
    // transfer into another currency first asks for one.
    std::optional<Currency> m_transferAmountCurrency;
    QCheckBox* m_clearedCheck = nullptr;
};
