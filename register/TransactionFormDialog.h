#pragma once

#include "register/TransactionDraft.h"
#include "storage/Transaction.h"

#include <QDialog>
#include <QString>

class AppState;
class DateField;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class SmartAmountField;

// The form for one transaction of an account: date, check number, payee,
// category, memo, amount with its direction, and the cleared mark. It writes
// nothing: the caller takes transaction() after acceptance and stores it.
// An existing split or transfer keeps its lines and links; a split's
// category and amount come from its lines, so the form shows them but does
// not offer to change them.
class TransactionFormDialog : public QDialog
{
    Q_OBJECT

public:
    // "New Transaction" in that account.
    TransactionFormDialog(AppState* appState, const QString& accountId, QWidget* parent = nullptr);
    // "Edit Transaction" on a copy of the record.
    TransactionFormDialog(AppState* appState, const Transaction& existing, QWidget* parent = nullptr);

    // The form's result, read from the fields on every call: a new id and
    // creation time for a new transaction (fresh on each call), the edited
    // copy with its version one higher otherwise; pending, updated now.
    Transaction transaction() const;
    // The same with what goes with it (split lines, the other account of a
    // transfer), for RegisterEditor to store. A new transaction's id is
    // fresh on each call.
    TransactionDraft draft() const;

    // Refuses a date that does not read as one, with a word on how to type
    // it, rather than store an older date the user did not choose.
    void accept() override;

private:
    void buildForm();
    void fillCategories();
    // The typed category text picks a listed category, or goes back to the
    // chosen one: only listed categories can be stored. Blank text is none.
    void settleCategoryText();
    int categoryIndex() const;
    void loadFields();

    AppState* m_appState;
    Transaction m_original;
    // What the transaction came with when the form opened.
    TransactionDraft m_stored;
    bool m_editMode;

    DateField* m_dateField = nullptr;
    QLineEdit* m_numberEdit = nullptr;
    QLineEdit* m_payeeEdit = nullptr;
    QComboBox* m_categoryCombo = nullptr;
    QLineEdit* m_memoEdit = nullptr;
    QRadioButton* m_paymentButton = nullptr;
    QRadioButton* m_depositButton = nullptr;
    SmartAmountField* m_amountField = nullptr;
    QCheckBox* m_clearedCheck = nullptr;
};
