#include "screens/AccountFormDialog.h"

#include "appstate/ThemeHelpers.h"
#include "register/SmartAmountField.h"
#include "storage/Money.h"
#include "storage/RecordId.h"
#include "storage/Timestamp.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The largest starting balance below a hundred million whole units that the
// currency can express, in minor units: 99999999.99, or 99999999 for a
// currency without decimals (a spin box would round the two-decimal bound
// up to 10^8).
qint64 usualMaximumBalance(Currency currency)
{
    return 100'000'000LL * currencyScale(currency) - 1;
}

} // namespace

AccountFormDialog::AccountFormDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("New Account"));
    buildForm();
}

AccountFormDialog::AccountFormDialog(const Account& account, QWidget* parent)
    : QDialog(parent)
    , m_account(account)
    , m_editMode(true)
{
    setWindowTitle(tr("Edit Account"));
    buildForm();

    m_nameEdit->setText(account.name);
    const int typeIndex = m_typeCombo->findData(accountTypeToString(account.account_type));
    if (typeIndex >= 0)
        m_typeCombo->setCurrentIndex(typeIndex);
    // The currency goes first so that the balance is shown with its decimals.
    const int currencyIndex = m_currencyCombo->findData(currencyToString(account.currency));
    if (currencyIndex >= 0)
        m_currencyCombo->setCurrentIndex(currencyIndex);
    m_startingBalanceField->setMinorUnits(account.starting_balance);
    m_institutionEdit->setText(account.institution);
    m_accountNumberEdit->setText(account.account_number_last4);
}

AccountFormDialog::~AccountFormDialog() = default;

void AccountFormDialog::buildForm()
{
    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setPlaceholderText(tr("Account name"));

    m_typeCombo = new QComboBox(this);
    m_typeCombo->addItem(tr("Checking"), accountTypeToString(AccountType::Checking));
    m_typeCombo->addItem(tr("Savings"), accountTypeToString(AccountType::Savings));
    m_typeCombo->addItem(tr("Credit Card"), accountTypeToString(AccountType::CreditCard));
    m_typeCombo->addItem(tr("Cash"), accountTypeToString(AccountType::Cash));
    m_typeCombo->addItem(tr("Investment"), accountTypeToString(AccountType::Investment));
    m_typeCombo->addItem(tr("Other"), accountTypeToString(AccountType::Other));

    m_currencyCombo = new QComboBox(this);
    m_currencyCombo->addItem(tr("USD ($)"), currencyToString(Currency::USD));
    m_currencyCombo->addItem(tr("EUR (€)"), currencyToString(Currency::EUR));
    m_currencyCombo->addItem(tr("GBP (£)"), currencyToString(Currency::GBP));
    m_currencyCombo->addItem(tr("CAD ($)"), currencyToString(Currency::CAD));
    m_currencyCombo->addItem(tr("AUD ($)"), currencyToString(Currency::AUD));
    m_currencyCombo->addItem(tr("JPY (¥)"), currencyToString(Currency::JPY));

    m_startingBalanceField = new SmartAmountField(this);
    applyCurrency();
    m_startingBalanceField->setValue(0.0);

    m_asOfEdit = new QDateEdit(QDate::currentDate(), this);
    m_asOfEdit->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    m_asOfEdit->setCalendarPopup(true);
    m_asOfEdit->calendarWidget()->setLocale(QLocale());
    m_asOfEdit->calendarWidget()->setFirstDayOfWeek(Qt::DayOfWeek(localeFirstDayOfWeek()));
    // Tab would step through the day, month and year and then on into the
    // next field's worth of typing; here it moves to the next field, as
    // everywhere else in the form (the arrow keys still step the parts).
    m_asOfEdit->installEventFilter(this);

    m_institutionEdit = new QLineEdit(this);
    m_institutionEdit->setPlaceholderText(tr("Bank name (optional)"));

    m_accountNumberEdit = new QLineEdit(this);
    m_accountNumberEdit->setMaxLength(4);
    m_accountNumberEdit->setPlaceholderText(tr("Last 4 digits (optional)"));

    auto* form = new QFormLayout;
    form->addRow(tr("&Name:"), m_nameEdit);
    form->addRow(tr("&Type:"), m_typeCombo);
    form->addRow(tr("&Currency:"), m_currencyCombo);
    form->addRow(tr("Starting &Balance:"), m_startingBalanceField);
    form->addRow(tr("&As of:"), m_asOfEdit);
    form->addRow(tr("&Institution:"), m_institutionEdit);
    form->addRow(tr("Account N&umber:"), m_accountNumberEdit);

    m_buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_buttonBox);
    setMinimumWidth(400);

    connect(m_buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_currencyCombo, &QComboBox::currentIndexChanged, this, &AccountFormDialog::applyCurrency);
    connect(m_nameEdit, &QLineEdit::textChanged, this, &AccountFormDialog::updateOkButton);
    updateOkButton();

    m_nameEdit->setFocus();
}

// The balance is entered in the chosen currency, so its decimals, bounds and
// symbol follow the currency combo; the value in whole units is kept.
void AccountFormDialog::applyCurrency()
{
    const Currency currency = selectedCurrency();
    // A balance stored beyond the usual bound (by an import or another
    // device) must come back unchanged from an edit of the name, so the
    // field then reaches as far as the store does.
    const bool storedBeyondUsual =
        m_editMode && qAbs(m_account.starting_balance) > usualMaximumBalance(m_account.currency);
    const qint64 maximumMinorUnits = storedBeyondUsual ? kMaxAmountMinorUnits : usualMaximumBalance(currency);
    const double maximum = double(maximumMinorUnits) / double(currencyScale(currency));
    m_startingBalanceField->setCurrency(currency);
    m_startingBalanceField->setRange(-maximum, maximum);
    m_startingBalanceField->setPrefix(
        tr("%1 ", "starting balance prefix; %1 is the currency symbol").arg(currencySymbol(currency)));
}

void AccountFormDialog::setCurrencyLocked(bool locked)
{
    // Amounts are stored in the currency's minor units, so another currency
    // would read every stored amount anew (1234 cents as 1,234 yen).
    m_currencyCombo->setEnabled(!locked);
    m_currencyCombo->setToolTip(locked ? tr("The currency cannot change once the account has transactions.")
                                       : QString());
}

// An account without a name could not be told apart in the account list.
void AccountFormDialog::updateOkButton()
{
    m_buttonBox->button(QDialogButtonBox::Ok)->setEnabled(!m_nameEdit->text().trimmed().isEmpty());
}

Currency AccountFormDialog::selectedCurrency() const
{
    return currencyFromString(m_currencyCombo->currentData().toString());
}

Account AccountFormDialog::account() const
{
    Account result = m_account;
    if (!m_editMode) {
        result.id = newRecordId();
        result.created_at = nowUtc();
    }
    result.name = m_nameEdit->text().trimmed();

    result.account_type = accountTypeFromString(m_typeCombo->currentData().toString());
    result.currency = selectedCurrency();
    result.starting_balance = m_startingBalanceField->minorUnits();

    result.institution = m_institutionEdit->text().trimmed();
    result.account_number_last4 = m_accountNumberEdit->text().trimmed();
    result.updated_at = nowUtc();
    result.sync_status = SyncStatus::Pending;
    return result;
}

bool AccountFormDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_asOfEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            focusNextPrevChild(key == Qt::Key_Tab);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QDate AccountFormDialog::asOfDate() const
{
    return m_asOfEdit->date();
}
