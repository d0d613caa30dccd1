#include "register/SmartAmountField.h"

#include "appstate/ThemeHelpers.h"
#include "storage/Money.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QTimer>

#include <cmath>

SmartAmountField::SmartAmountField(QWidget* parent)
    : QDoubleSpinBox(parent)
{
    setDecimals(currencyDecimals(m_currency));
    connect(lineEdit(), &QLineEdit::textChanged, this, [this] {
        if (hasAcceptableInput())
            markIncomplete(false);
    });
}

void SmartAmountField::focusInEvent(QFocusEvent* event)
{
    QDoubleSpinBox::focusInEvent(event);
    // With the cursor after the prefix, "2351.80" typed over "0.00" would
    // read as 2,351,800.00. Text the user is still typing is theirs to go
    // on with, where they left it: a popup that closes, or their window
    // coming back to the front, returns them to it.
    const bool firstFocus = !m_focusedBefore;
    m_focusedBefore = true;
    const bool showsValue = lineEdit()->text() == prefix() + textFromValue(value()) + suffix();
    const bool returning = event->reason() == Qt::PopupFocusReason
        || (event->reason() == Qt::ActiveWindowFocusReason && !firstFocus);
    if (!showsValue || returning)
        return;
    if (event->reason() != Qt::MouseFocusReason) {
        selectAll();
        return;
    }
    // The click that brought focus places the cursor after this; the
    // selection comes once it has.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus())
            selectAll();
    });
}

void SmartAmountField::focusOutEvent(QFocusEvent* event)
{
    // The spin box puts its last value back over text it cannot read; the
    // user would see an older amount without a word about what they typed.
    const bool incomplete = !hasAcceptableInput();
    const QString typed = lineEdit()->text();
    QDoubleSpinBox::focusOutEvent(event);
    if (incomplete) {
        lineEdit()->setText(typed);
        markIncomplete(true);
    }
}

void SmartAmountField::markIncomplete(bool incomplete)
{
    // Only the text colour is set, so a change of theme still reaches the rest.
    QPalette colours;
    if (incomplete)
        colours.setColor(QPalette::Text, warningColor());
    lineEdit()->setPalette(colours);
}

void SmartAmountField::setCurrency(Currency currency)
{
    const auto roundedTo = [](double value, int decimals) {
        return qRound64(value * std::pow(10.0, decimals));
    };
    double wanted = value();
    if (m_beforeRounding && roundedTo(*m_beforeRounding, decimals()) == roundedTo(wanted, decimals()))
        wanted = *m_beforeRounding;
    m_currency = currency;
    setDecimals(currencyDecimals(currency));
    setValue(wanted);
    if (roundedTo(wanted, decimals()) == roundedTo(wanted, 2))
        m_beforeRounding.reset();
    else
        m_beforeRounding = wanted;
}

qint64 SmartAmountField::minorUnits() const { return toMinorUnits(value()); }

void SmartAmountField::setMinorUnits(qint64 amount)
{
    setValue(double(amount) / double(currencyScale(m_currency)));
}

QValidator::State SmartAmountField::validate(QString& input, int&) const
{
    const QString text = amountText(input);
    // A blank amount is nothing, not the last value the field held: the form
    // must store what the user sees.
    if (text.isEmpty())
        return QValidator::Acceptable;
    if (text.startsWith(u'-') && minimum() >= 0)
        return QValidator::Invalid;

    const TypedAmount typed = readTypedAmount(text, m_currency, amountAutoDecimal(), decimalMark());
    if (typed.state == TypedAmount::State::Unreadable)
        return QValidator::Invalid;
    if (typed.state == TypedAmount::State::Incomplete)
        return QValidator::Intermediate;
    // Typing more digits only moves away from zero, so an amount on the near
    // side of the range may still become valid; one beyond its far end cannot.
    if (typed.minorUnits > toMinorUnits(maximum()))
        return typed.minorUnits > 0 ? QValidator::Invalid : QValidator::Intermediate;
    if (typed.minorUnits < toMinorUnits(minimum()))
        return typed.minorUnits < 0 ? QValidator::Invalid : QValidator::Intermediate;
    return QValidator::Acceptable;
}

void SmartAmountField::fixup(QString&) const
{
    // The base class strips the locale's group separator, which this field
    // may read as the decimal point. Text that does not read as an amount
    // goes back to the last value instead.
}

double SmartAmountField::valueFromText(const QString& text) const
{
    // Only blank or acceptable text gets here; blank is zero.
    const TypedAmount typed = readTypedAmount(amountText(text), m_currency, amountAutoDecimal(), decimalMark());
    return double(typed.minorUnits) / double(currencyScale(m_currency));
}

QString SmartAmountField::textFromValue(double value) const
{
    // Digits and the locale's decimal point without groups: the form
    // valueFromText reads back to the same amount. A value that rounds to
    // nothing shows as "0.00", never "-0.00".
    const double shown = toMinorUnits(value) == 0 ? 0.0 : value;
    return QString::number(shown, 'f', decimals()).replace(u'.', decimalMark());
}

QChar SmartAmountField::decimalMark() const
{
    // Amounts are read with "." and ","; a locale with another decimal
    // point shows amounts with ".".
    return locale().decimalPoint() == u"," ? u',' : u'.';
}

QString SmartAmountField::amountText(const QString& text) const
{
    QStringView view(text);
    if (!prefix().isEmpty() && view.startsWith(prefix()))
        view = view.mid(prefix().size());
    if (!suffix().isEmpty() && view.endsWith(suffix()))
        view.chop(suffix().size());
    return view.trimmed().toString();
}

qint64 SmartAmountField::toMinorUnits(double value) const
{
    // A range set wider than any amount (or infinite) must not overflow.
    const double scaled = value * double(currencyScale(m_currency));
    if (scaled >= double(kMaxAmountMinorUnits))
        return kMaxAmountMinorUnits;
    if (scaled <= -double(kMaxAmountMinorUnits))
        return -kMaxAmountMinorUnits;
    return std::llround(scaled);
}
