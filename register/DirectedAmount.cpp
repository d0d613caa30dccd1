#include "register/DirectedAmount.h"

#include "appstate/PlainMessage.h"
#include "register/SmartAmountField.h"
#include "storage/Money.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QRadioButton>

DirectedAmount::DirectedAmount(QWidget* parent)
    : QObject(parent)
    , m_directionRow(new QWidget(parent))
    , m_paymentButton(new QRadioButton(tr("&Payment"), m_directionRow))
    , m_depositButton(new QRadioButton(tr("&Deposit"), m_directionRow))
    , m_field(new SmartAmountField(parent))
{
    m_paymentButton->setObjectName(QStringLiteral("paymentButton"));
    m_depositButton->setObjectName(QStringLiteral("depositButton"));
    auto* group = new QButtonGroup(this);
    group->addButton(m_paymentButton);
    group->addButton(m_depositButton);
    auto* row = new QHBoxLayout(m_directionRow);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_paymentButton);
    row->addWidget(m_depositButton);
    row->addStretch();
    m_paymentButton->setChecked(true);

    m_field->setObjectName(QStringLiteral("amountField"));
    m_field->setToolTip(tr("Type a minus sign to switch between payment and deposit"));
    setCurrency(Currency::USD);
    connect(m_field, &SmartAmountField::editingFinished, this, &DirectedAmount::takeSign);
    connect(m_depositButton, &QRadioButton::toggled, this, &DirectedAmount::directionChanged);
    // Only the user's own presses (arrow keys in the pair press too).
    for (QRadioButton* button : {m_paymentButton, m_depositButton})
        connect(button, &QRadioButton::clicked, this, [this] { m_directionChosen = true; });
}

void DirectedAmount::setCurrency(Currency currency)
{
    m_field->setCurrency(currency);
    const double largest = double(kMaxAmountMinorUnits / currencyScale(currency));
    m_field->setRange(-largest, largest);
    m_field->setPrefix(currencySymbol(currency) + u' ');
}

bool DirectedAmount::isDeposit() const { return m_depositButton->isChecked(); }

void DirectedAmount::setDeposit(bool deposit) { (deposit ? m_depositButton : m_paymentButton)->setChecked(true); }

void DirectedAmount::suggestDeposit(bool deposit)
{
    if (!m_directionChosen && m_field->minorUnits() >= 0)
        setDeposit(deposit);
}

qint64 DirectedAmount::signedAmount() const
{
    // A negative value not yet taken as the other direction counts as it.
    const qint64 typed = m_field->minorUnits();
    return isDeposit() ? typed : -typed;
}

void DirectedAmount::setSignedAmount(qint64 amount)
{
    if (amount != 0)
        setDeposit(amount > 0);
    m_field->setMinorUnits(amount < 0 ? -amount : amount);
}

void DirectedAmount::takeSign()
{
    const qint64 typed = m_field->minorUnits();
    if (typed >= 0)
        return;
    m_directionChosen = true;
    setDeposit(!isDeposit());
    m_field->setMinorUnits(-typed);
}

bool DirectedAmount::confirmReadable(QWidget* parent)
{
    // A spin box keeps its last value while its text reads as none; storing
    // that value would replace what the user sees with an older number.
    if (m_field->hasAcceptableInput())
        return true;
    showPlainMessage(parent, QMessageBox::Warning, tr("Invalid Amount"),
                     tr("\"%1\" is not a complete amount. Correct it, or clear it for none.").arg(m_field->cleanText()));
    m_field->setFocus();
    return false;
}
