#pragma once

#include "storage/Account.h"

#include <QDate>
#include <QDialog>

class QComboBox;
class QDateEdit;
class QDialogButtonBox;
class QLineEdit;
class SmartAmountField;

// The modal form for a new account or for editing one. It writes nothing:
// the caller reads the result through account() and asOfDate().
class AccountFormDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AccountFormDialog(QWidget* parent = nullptr);
    AccountFormDialog(const Account& account, QWidget* parent = nullptr);
    ~AccountFormDialog() override;

    // A new form gives a fresh id and creation time on every call; the edit
    // form keeps the edited account's id, creation time and version.
    Account account() const;
    QDate asOfDate() const;

    // For an account that has transactions: the currency is shown but cannot
    // be changed.
    void setCurrencyLocked(bool locked);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildForm();
    void applyCurrency();
    void updateOkButton();
    Currency selectedCurrency() const;

    QLineEdit* m_nameEdit = nullptr;
    QComboBox* m_typeCombo = nullptr;
    QComboBox* m_currencyCombo = nullptr;
    SmartAmountField* m_startingBalanceField = nullptr;
    QDateEdit* m_asOfEdit = nullptr;
    QLineEdit* m_institutionEdit = nullptr;
    QLineEdit* m_accountNumberEdit = nullptr;
    QDialogButtonBox* m_buttonBox = nullptr;
    Account m_account;
    bool m_editMode = false;
};
