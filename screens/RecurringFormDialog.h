#pragma once

#include "storage/Enums.h"
#include "storage/RecurringTransaction.h"
#include "storage/Transaction.h"

#include <QDate>
#include <QDialog>

#include <memory>

class AppState;
class CategoryComboBox;
class DateField;
class DirectedAmount;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The form of one recurring item: its account, payee, amount with its
// direction, category (or a transfer to another account), memo, how often it
// repeats, when it starts and ends, and whether it is entered by itself. It
// writes nothing: the caller takes recurring() after acceptance and stores
// it through RecurringEditor.
//
// OK stays off until an account is chosen, and refuses an amount or a date
// that does not read as one, an end before the start, and category text
// that names no single category, rather than store something else.
class RecurringFormDialog : public QDialog
{
    Q_OBJECT

public:
    // "New Recurring Transaction": a payment starting today.
    explicit RecurringFormDialog(AppState* appState, QWidget* parent = nullptr);
    // "Edit Recurring Transaction" on a copy of the item. The item stays in
    // its account: its posted transactions are there.
    RecurringFormDialog(AppState* appState, const RecurringTransaction& item, QWidget* parent = nullptr);
    // "Memorize Transaction": a new item filled in from `seed`.
    static std::unique_ptr<RecurringFormDialog> createFromSeed(AppState* appState, const RecurringTransaction& seed,
                                                               QWidget* parent = nullptr);

    // What a memorized transaction repeats as: monthly, with its account,
    // payee, amount, category (none for a split) or transfer and memo,
    // starting on the same day of a later month, the first that is after
    // the transaction and not before today, so that the transaction itself
    // is never entered twice.
    static RecurringTransaction seedFrom(const Transaction& transaction, const QDate& today);

    // The form's result, read from the fields on every call: a new item
    // (with an id made when the form opened) or the edited copy with its
    // version one higher; pending, updated now. A start date before the
    // year 2000 is taken as a slip and becomes today. In the edit form an
    // untouched start date keeps the next due date; a new one moves it
    // there.
    RecurringTransaction recurring() const;

    void accept() override;

private:
    enum class Mode { New, Edit, Memorize };

    RecurringFormDialog(AppState* appState, const RecurringTransaction& item, Mode mode, QWidget* parent);

    void buildForm();
    void loadFields();
    QString accountId() const;
    // The currency, categories and payees of the chosen account.
    void onAccountChanged();
    void loadCategoryChoices();
    void onFrequencyChanged();

    // The checks OK makes; each says what is wrong and puts focus there.
    bool datesAreReadable();
    bool categoryIsResolved();

    AppState* m_appState;
    RecurringTransaction m_original;
    Mode m_mode;
    Currency m_currency = Currency::USD;

    QFormLayout* m_form = nullptr;
    QComboBox* m_accountCombo = nullptr;
    QLineEdit* m_payeeEdit = nullptr;
    DirectedAmount* m_amount = nullptr;
    CategoryComboBox* m_categoryCombo = nullptr;
    QLineEdit* m_memoEdit = nullptr;
    QComboBox* m_frequencyCombo = nullptr;
    QSpinBox* m_intervalSpin = nullptr;
    QComboBox* m_firstDayCombo = nullptr;
    QComboBox* m_secondDayCombo = nullptr;
    DateField* m_startField = nullptr;
    QCheckBox* m_endCheck = nullptr;
    DateField* m_endField = nullptr;
    QCheckBox* m_autoPostCheck = nullptr;
    QSpinBox* m_leadDaysSpin = nullptr;
    QCheckBox* m_activeCheck = nullptr;
    QPushButton* m_okButton = nullptr;
};
