#include "register/SmartAmountField.h"

#include "storage/Money.h"

#include <cmath>

SmartAmountField::SmartAmountField(QWidget* parent)
    : QDoubleSpinBox(parent)
{
    setDecimals(currencyDecimals(m_currency));
}

void SmartAmountField::setCurrency(Currency currency)
{
    m_currency = currency;
    setDecimals(currencyDecimals(currency));
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
    if (text == u"-" || text == u"+")
        return QValidator::Intermediate;
    if (text.startsWith(u'-') && minimum() >= 0)
        return QValidator::Invalid;
    // ".5" is typed point first; refusing the bare point would turn it into 5.
    if (decimals() > 0 && (text == u"." || text == u"-." || text == u"+."))
        return QValidator::Intermediate;
    // More fraction digits than the currency has would be rounded away unseen.
    const qsizetype point = text.indexOf(u'.');
    if (point >= 0 && text.size() - point - 1 > decimals())
        return QValidator::Invalid;

    const std::optional<qint64> amount = parseAmountDigits(text, m_currency, amountAutoDecimal());
    if (!amount)
        return QValidator::Invalid;
    // Typing more digits only moves away from zero, so an amount on the near
    // side of the range may still become valid; one beyond its far end cannot.
    if (*amount > toMinorUnits(maximum()))
        return *amount > 0 ? QValidator::Invalid : QValidator::Intermediate;
    if (*amount < toMinorUnits(minimum()))
        return *amount < 0 ? QValidator::Invalid : QValidator::Intermediate;
    return QValidator::Acceptable;
}

void SmartAmountField::fixup(QString&) const
{
    // The base class strips the locale's group separator, which in some
    // locales is the point that this field reads as the decimal point. Text
    // that does not read as an amount goes back to the last value instead.
}

double SmartAmountField::valueFromText(const QString& text) const
{
    const std::optional<qint64> amount = parseAmountDigits(amountText(text), m_currency, amountAutoDecimal());
    return double(amount.value_or(0)) / double(currencyScale(m_currency));
}

QString SmartAmountField::textFromValue(double value) const
{
    // Plain digits with a point whatever the locale: the form valueFromText reads.
    // A value that rounds to nothing shows as "0.00", never "-0.00".
    const double shown = toMinorUnits(value) == 0 ? 0.0 : value;
    return QString::number(shown, 'f', decimals());
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
