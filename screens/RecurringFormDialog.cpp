#include "screens/RecurringFormDialog.h"

#include "appstate/AppState.h"
#include "appstate/PlainMessage.h"
#include "register/CategoryComboBox.h"
#include "register/DateField.h"
#include "register/DirectedAmount.h"
#include "register/SmartAmountField.h"
#include "register/TabCompleter.h"
#include "screens/RecurringModel.h"
#include "services/RecurrenceSchedule.h"
#include "storage/AccountRepository.h"
#include "storage/CategoryRepository.h"
#include "storage/Money.h"
#include "storage/RecordId.h"
#include "storage/Timestamp.h"
#include "storage/TransactionRepository.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QtDebug>

namespace {

// Earlier start dates are slips of the keyboard: nobody sets up a new
// recurring payment for the last century.
const QDate kEarliestDate(2000, 1, 1);
constexpr int kMaxInterval = 99;
constexpr int kLastDayOfMonth = 0;

constexpr Frequency kFrequencies[] = {Frequency::Daily,     Frequency::Weekly,      Frequency::Biweekly,
                                      Frequency::Monthly,   Frequency::Semimonthly, Frequency::Quarterly,
                                      Frequency::SemiAnnual, Frequency::Annual};

} // namespace

RecurringFormDialog::RecurringFormDialog(AppState* appState, QWidget* parent)
    : RecurringFormDialog(appState, RecurringTransaction{}, Mode::New, parent)
{
}

RecurringFormDialog::RecurringFormDialog(AppState* appState, const RecurringTransaction& item, QWidget* parent)
    : RecurringFormDialog(appState, item, Mode::Edit, parent)
{
}

std::unique_ptr<RecurringFormDialog> RecurringFormDialog::createFromSeed(AppState* appState,
                                                                         const RecurringTransaction& seed,
                                                                         QWidget* parent)
{
    return std::unique_ptr<RecurringFormDialog>(new RecurringFormDialog(appState, seed, Mode::Memorize, parent));
}

RecurringFormDialog::RecurringFormDialog(AppState* appState, const RecurringTransaction& item, Mode mode,
                                         QWidget* parent)
    : QDialog(parent)
    , m_appState(appState)
    , m_original(item)
    , m_mode(mode)
{
    if (m_mode != Mode::Edit) {
        // One id for the life of the form, so that every reading of it is
        // the same item.
        m_original.id = newRecordId();
        m_original.created_at = nowUtc();
    }
    if (m_mode == Mode::New)
        m_original.start_date = QDate::currentDate();
    switch (m_mode) {
    case Mode::New:
        setWindowTitle(tr("New Recurring Transaction"));
        break;
    case Mode::Edit:
        setWindowTitle(tr("Edit Recurring Transaction"));
        break;
    case Mode::Memorize:
        setWindowTitle(tr("Memorize Transaction"));
        break;
    }
    buildForm();
    loadFields();
}

RecurringTransaction RecurringFormDialog::seedFrom(const Transaction& transaction, const QDate& today)
{
    RecurringTransaction seed;
    seed.account_id = transaction.account_id;
    seed.payee = transaction.payee;
    seed.memo = transaction.memo;
    seed.amount = transaction.amount;
    if (!transaction.is_split)
        seed.category_id = transaction.category_id;
    seed.transfer_dest_account_id = transaction.transfer_dest_account_id;
    seed.start_date = transaction.date;
    QDate start = transaction.date;
    while (start.isValid() && (start <= transaction.date || start < today))
        start = RecurrenceSchedule::nextDate(seed, start);
    seed.start_date = start;
    seed.next_due_date = start;
    return seed;
}

RecurringTransaction RecurringFormDialog::recurring() const
{
    RecurringTransaction result = m_original;
    result.account_id = accountId();
    result.payee = m_payeeEdit->text().trimmed();
    result.memo = m_memoEdit->text().trimmed();
    result.amount = m_amount->signedAmount();
    result.category_id.clear();
    result.transfer_dest_account_id.clear();
    if (const std::optional<CategoryChoices::Choice> choice = m_categoryCombo->currentChoice()) {
        if (choice->kind == CategoryChoices::Kind::Category)
            result.category_id = choice->id;
        else if (choice->kind == CategoryChoices::Kind::Transfer)
            result.transfer_dest_account_id = choice->id;
    }
    result.frequency = frequencyFromString(m_frequencyCombo->currentData().toString());
    result.interval_count = m_intervalSpin->value();
    result.semimonthly_day_1 = m_firstDayCombo->currentData().toInt();
    result.semimonthly_day_2 = m_secondDayCombo->currentData().toInt();
    result.end_date = m_endCheck->isChecked() ? std::optional<QDate>(m_endField->date()) : std::nullopt;

    // An edit that leaves the start alone keeps the item where it is in its
    // schedule, however far it has moved on.
    const QDate start = m_startField->date();
    const bool restarted = m_mode != Mode::Edit || start != m_original.start_date;
    if (restarted)
        result.start_date = start;
    if (!result.start_date.isValid() || result.start_date < kEarliestDate) {
        qWarning() << "RecurringFormDialog: rejecting invalid startDate" << result.start_date << "— falling back to today";
        result.start_date = QDate::currentDate();
    }
    if (restarted)
        result.next_due_date = result.start_date;
    if (!result.next_due_date.isValid() || result.next_due_date < kEarliestDate) {
        qWarning() << "RecurringFormDialog: rejecting invalid nextDueDate" << result.next_due_date
                   << "— falling back to startDate" << result.start_date;
        result.next_due_date = result.start_date;
    }

    result.auto_post = m_autoPostCheck->isChecked();
    result.lead_days = result.auto_post ? m_leadDaysSpin->value() : 0;
    result.is_active = m_activeCheck->isChecked();
    if (m_mode == Mode::Edit)
        result.version = m_original.version + 1;
    result.sync_status = SyncStatus::Pending;
    result.updated_at = nowUtc();
    return result;
}

void RecurringFormDialog::accept()
{
    // OK is off without an account; Return must not get round it.
    if (accountId().isEmpty() || !m_amount->confirmReadable(this) || !datesAreReadable())
        return;
    m_amount->takeSign();
    if (!categoryIsResolved())
        return;
    const RecurringTransaction result = recurring();
    if (result.end_date && *result.end_date < result.start_date) {
        showPlainMessage(this, QMessageBox::Warning, tr("End Before Start"),
                         tr("The end date, %1, is before the start date, %2. Choose an end date on or after the start.")
                             .arg(DateField::toText(*result.end_date), DateField::toText(result.start_date)));
        m_endField->setFocus();
        return;
    }
    QDialog::accept();
}

void RecurringFormDialog::buildForm()
{
    m_accountCombo = new QComboBox(this);
    m_accountCombo->setObjectName(QStringLiteral("accountCombo"));
    for (const Account& account : m_appState->accountRepository()->listActive())
        m_accountCombo->addItem(account.name, account.id);
    m_accountCombo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_accountCombo->setPlaceholderText(m_accountCombo->count() == 0 ? tr("No account yet: create one first")
                                                                    : tr("Choose an account"));
    if (m_mode == Mode::Edit) {
        m_accountCombo->setEnabled(false);
        m_accountCombo->setToolTip(tr("A recurring transaction stays in the account it enters its transactions in"));
    }

    m_amount = new DirectedAmount(this);

    m_payeeEdit = new QLineEdit(this);
    m_payeeEdit->setObjectName(QStringLiteral("payeeEdit"));
    m_payeeEdit->setPlaceholderText(tr("Start typing to search payees..."));
    // The payees of every account: the same shop is paid from several.
    auto* completer = new QCompleter(m_appState->transactionRepository()->listPayees(), m_payeeEdit);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    completer->setMaxVisibleItems(10);
    m_payeeEdit->setCompleter(completer);
    TabCompleter::install(completer);

    m_categoryCombo = new CategoryComboBox(this);
    m_categoryCombo->setObjectName(QStringLiteral("categoryCombo"));
    // The longest entry ("Transfer to/from: " and an account's name) shows
    // in the list; the field itself need not be as wide.
    m_categoryCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_categoryCombo->setMinimumContentsLength(16);
    m_categoryCombo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // A choice too long for the field shows its start: the tail of
    // "Transfer to/from: Savings at the Credit Union" reads like a category.
    const auto showStart = [this] { m_categoryCombo->lineEdit()->setCursorPosition(0); };
    connect(m_categoryCombo, &QComboBox::activated, this, showStart);
    connect(m_categoryCombo, &CategoryComboBox::settled, this, showStart);

    m_memoEdit = new QLineEdit(this);
    m_memoEdit->setObjectName(QStringLiteral("memoEdit"));
    m_memoEdit->setPlaceholderText(tr("Optional"));

    m_frequencyCombo = new QComboBox(this);
    m_frequencyCombo->setObjectName(QStringLiteral("frequencyCombo"));
    for (const Frequency frequency : kFrequencies)
        m_frequencyCombo->addItem(RecurringModel::frequencyName(frequency), frequencyToString(frequency));
    m_frequencyCombo->setCurrentIndex(m_frequencyCombo->findData(frequencyToString(Frequency::Monthly)));

    m_intervalSpin = new QSpinBox(this);
    m_intervalSpin->setObjectName(QStringLiteral("intervalSpin"));
    m_intervalSpin->setRange(1, kMaxInterval);

    const auto dayCombo = [this](const char* name) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(QString::fromLatin1(name));
        for (int day = 1; day <= 31; ++day)
            combo->addItem(QString::number(day), day);
        combo->addItem(tr("Last day"), kLastDayOfMonth);
        return combo;
    };
    m_firstDayCombo = dayCombo("firstDayCombo");
    m_secondDayCombo = dayCombo("secondDayCombo");

    m_startField = new DateField(this);
    m_startField->setObjectName(QStringLiteral("startField"));
    m_endCheck = new QCheckBox(tr("Has &end date"), this);
    m_endCheck->setObjectName(QStringLiteral("endCheck"));
    m_endField = new DateField(this);
    m_endField->setObjectName(QStringLiteral("endField"));
    m_endField->setEnabled(false);
    connect(m_endCheck, &QCheckBox::toggled, m_endField, &QWidget::setEnabled);
    auto* endRow = new QHBoxLayout;
    endRow->addWidget(m_endCheck);
    endRow->addWidget(m_endField, 1);

    m_autoPostCheck = new QCheckBox(tr("A&uto-post when due"), this);
    m_autoPostCheck->setObjectName(QStringLiteral("autoPostCheck"));
    m_leadDaysSpin = new QSpinBox(this);
    m_leadDaysSpin->setObjectName(QStringLiteral("leadDaysSpin"));
    m_leadDaysSpin->setRange(0, 60);
    m_leadDaysSpin->setEnabled(false);
    connect(m_autoPostCheck, &QCheckBox::toggled, m_leadDaysSpin, &QWidget::setEnabled);
    const auto showLeadUnit = [this](int days) { m_leadDaysSpin->setSuffix(u' ' + tr("day(s)", "in advance", days)); };
    connect(m_leadDaysSpin, &QSpinBox::valueChanged, this, showLeadUnit);
    showLeadUnit(m_leadDaysSpin->value());

    m_activeCheck = new QCheckBox(tr("Acti&ve"), this);
    m_activeCheck->setObjectName(QStringLiteral("activeCheck"));
    m_activeCheck->setChecked(true);

    m_form = new QFormLayout;
    m_form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    m_form->addRow(tr("&Account:"), m_accountCombo);
    m_form->addRow(tr("Type:"), m_amount->directionRow());
    m_form->addRow(tr("Pa&yee:"), m_payeeEdit);
    m_form->addRow(tr("A&mount:"), m_amount->field());
    // The amount is made with its direction, before the payee: Tab follows the rows.
    setTabOrder(m_payeeEdit, m_amount->field());
    m_form->addRow(tr("&Category:"), m_categoryCombo);
    m_form->addRow(tr("Mem&o:"), m_memoEdit);
    m_form->addRow(tr("&Frequency:"), m_frequencyCombo);
    m_form->addRow(tr("&Repeat every:"), m_intervalSpin);
    m_form->addRow(tr("F&irst day:"), m_firstDayCombo);
    m_form->addRow(tr("&Second day:"), m_secondDayCombo);
    // The field's own line edit: a mnemonic passes over a buddy that takes
    // no focus itself.
    auto* startLabel = new QLabel(tr("S&tart date:"), this);
    startLabel->setBuddy(m_startField->focusProxy());
    m_form->addRow(startLabel, m_startField);
    m_form->addRow(tr("End date:"), endRow);
    m_form->addRow(QString(), m_autoPostCheck);
    m_form->addRow(tr("Enter i&n advance:"), m_leadDaysSpin);
    m_form->addRow(QString(), m_activeCheck);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_okButton = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    connect(m_accountCombo, &QComboBox::currentIndexChanged, this, &RecurringFormDialog::onAccountChanged);
    connect(m_frequencyCombo, &QComboBox::currentIndexChanged, this, &RecurringFormDialog::onFrequencyChanged);
    connect(m_intervalSpin, &QSpinBox::valueChanged, this, &RecurringFormDialog::onFrequencyChanged);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(12);
    layout->addLayout(m_form);
    layout->addStretch();
    layout->addWidget(buttons);
    // Room for a long account or category name at any font scale.
    setMinimumWidth(30 * fontMetrics().height());
    m_payeeEdit->setFocus();
}

void RecurringFormDialog::loadFields()
{
    const int account = m_accountCombo->findData(m_original.account_id);
    if (account >= 0 || m_mode == Mode::Edit || !m_original.account_id.isEmpty())
        m_accountCombo->setCurrentIndex(account);
    onAccountChanged();

    m_amount->setDeposit(m_original.amount > 0);
    m_amount->setSignedAmount(m_original.amount);
    m_payeeEdit->setText(m_original.payee);
    m_memoEdit->setText(m_original.memo);
    if (m_original.isTransfer())
        m_categoryCombo->select(CategoryChoices::Kind::Transfer, m_original.transfer_dest_account_id);
    else
        m_categoryCombo->select(CategoryChoices::Kind::Category, m_original.category_id);
    m_categoryCombo->lineEdit()->setCursorPosition(0);

    m_frequencyCombo->setCurrentIndex(m_frequencyCombo->findData(frequencyToString(m_original.frequency)));
    m_intervalSpin->setValue(m_original.interval_count);
    for (const auto& [combo, day] : {std::pair{m_firstDayCombo, m_original.semimonthly_day_1},
                                     std::pair{m_secondDayCombo, m_original.semimonthly_day_2}}) {
        if (const int item = combo->findData(day); item >= 0)
            combo->setCurrentIndex(item);
    }
    onFrequencyChanged();

    m_startField->setDate(m_original.start_date);
    if (m_original.end_date) {
        m_endCheck->setChecked(true);
        m_endField->setDate(*m_original.end_date);
    }
    m_autoPostCheck->setChecked(m_original.auto_post);
    m_leadDaysSpin->setValue(m_original.lead_days);
    m_activeCheck->setChecked(m_original.is_active);
}

QString RecurringFormDialog::accountId() const { return m_accountCombo->currentData().toString(); }

void RecurringFormDialog::onAccountChanged()
{
    const std::optional<Account> account = m_appState->accountRepository()->getById(accountId());
    m_currency = account ? account->currency : Currency::USD;
    m_amount->setCurrency(m_currency);
    loadCategoryChoices();
    m_okButton->setEnabled(account.has_value());
}

void RecurringFormDialog::loadCategoryChoices()
{
    // The choice carries over to another account where it is offered there
    // too; elsewhere its text stays for OK to refuse, never a silent "(none)".
    const std::optional<CategoryChoices::Choice> before =
        m_categoryCombo->count() > 0 ? m_categoryCombo->currentChoice() : std::nullopt;
    const QString typed = m_categoryCombo->currentText();

    CategoryChoices choices = CategoryChoices::load(m_appState, accountId(), true);
    // Neither a category nor an account deleted since the item was made is
    // offered for new choices, but an edit must not drop it unasked.
    if (m_original.isTransfer()) {
        if (m_original.transfer_dest_account_id != accountId()
            && choices.indexOf(CategoryChoices::Kind::Transfer, m_original.transfer_dest_account_id) < 0) {
            const std::optional<Account> other =
                m_appState->accountRepository()->getById(m_original.transfer_dest_account_id);
            const QString name = other ? other->name : tr("(deleted account)");
            choices.addKept({CategoryChoices::Kind::Transfer, m_original.transfer_dest_account_id,
                             CategoryChoices::transferText(name), name});
        }
    } else if (!m_original.category_id.isEmpty()
               && choices.indexOf(CategoryChoices::Kind::Category, m_original.category_id) < 0) {
        const std::optional<Category> stored = m_appState->categoryRepository()->getById(m_original.category_id);
        if (!stored || stored->account_id.isEmpty() || stored->account_id == accountId()) {
            const QString name = stored ? stored->name : tr("(deleted category)");
            choices.addKept({CategoryChoices::Kind::Category, m_original.category_id, name, name});
        }
    }
    m_categoryCombo->setChoices(choices);

    if (!before)
        return;
    if (choices.indexOf(before->kind, before->id) >= 0)
        m_categoryCombo->select(before->kind, before->id);
    else
        m_categoryCombo->setEditText(typed);
}

void RecurringFormDialog::onFrequencyChanged()
{
    const Frequency frequency = frequencyFromString(m_frequencyCombo->currentData().toString());
    const int interval = m_intervalSpin->value();
    QString unit;
    switch (frequency) {
    case Frequency::Daily:
        unit = tr("day(s)", "repeat every", interval);
        break;
    case Frequency::Weekly:
        unit = tr("week(s)", "repeat every", interval);
        break;
    case Frequency::Monthly:
        unit = tr("month(s)", "repeat every", interval);
        break;
    case Frequency::Quarterly:
        unit = tr("quarter(s)", "repeat every", interval);
        break;
    case Frequency::Annual:
        unit = tr("year(s)", "repeat every", interval);
        break;
    default:
        break;
    }
    m_intervalSpin->setSuffix(unit.isEmpty() ? QString() : u' ' + unit);

    // The two days of the month take the place of the interval, which
    // means nothing to them.
    const bool semimonthly = frequency == Frequency::Semimonthly;
    m_form->setRowVisible(m_intervalSpin, !semimonthly);
    m_form->setRowVisible(m_firstDayCombo, semimonthly);
    m_form->setRowVisible(m_secondDayCombo, semimonthly);
}

bool RecurringFormDialog::datesAreReadable()
{
    for (DateField* field : {m_startField, m_endField}) {
        if (field->isEnabled() && !field->hasValidText()) {
            showPlainMessage(this, QMessageBox::Warning, tr("Invalid Date"),
                             tr("Enter the date as month/day/year, for example 12/31/2026."));
            field->setFocus();
            return false;
        }
    }
    return true;
}

bool RecurringFormDialog::categoryIsResolved()
{
    const CategoryChoices::Match match = m_categoryCombo->typedMatch();
    if (match.result == CategoryChoices::Match::One)
        return true;
    const QString typed = m_categoryCombo->currentText().trimmed();
    const QString text = match.result == CategoryChoices::Match::Several
        ? tr("More than one category matches \"%1\". Choose one from the list.")
        : tr("No category is named \"%1\". Choose one from the list, or clear the field for none.");
    showPlainMessage(this, QMessageBox::Warning, tr("Choose a Category"), text.arg(typed));
    m_categoryCombo->setFocus();
    m_categoryCombo->lineEdit()->selectAll();
    return false;
}
