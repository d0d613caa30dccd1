#pragma once

#include "storage/Enums.h"

#include <QDoubleSpinBox>

#include <optional>

// A spin box for money in one currency. It shows as many decimals as the
// currency has (none for JPY), with the locale's decimal point and no
// groups, and reads typed text by the amount rules of the store (see
// readTypedAmount): "." and the locale's decimal point both read as one,
// and with the "typed digits are cents" preference on, plain digits count as
// minor units ("1234" is 12.34). A blank field reads as zero. The user of the
// field sets its range and prefix. The value it shows is selected whenever
// the field gets focus, so that typing replaces it.
class SmartAmountField : public QDoubleSpinBox
{
    Q_OBJECT

public:
    explicit SmartAmountField(QWidget* parent = nullptr);

    // Sets the decimals to the currency's; the value is rounded to them.
    // Cents rounded away by a currency without them come back with the next
    // currency that has them, unless the amount was changed meanwhile: a
    // form whose account is switched to a yen account and back keeps the
    // amount typed.
    void setCurrency(Currency currency);
    Currency currency() const { return m_currency; }

    // value() in the currency's minor units, rounded half away from zero.
    qint64 minorUnits() const;
    void setMinorUnits(qint64 amount);

    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    double valueFromText(const QString& text) const override;
    QString textFromValue(double value) const override;

private:
    void markIncomplete(bool incomplete);
    // The typed amount without prefix, suffix and surrounding blanks.
    QString amountText(const QString& text) const;
    // The decimal point the field shows: "," or ".".
    QChar decimalMark() const;
    qint64 toMinorUnits(double value) const;

    Currency m_currency = Currency::USD;
    bool m_focusedBefore = false;
    // The value before a change of currency rounded it, while it is still
    // shown rounded.
    std::optional<double> m_beforeRounding;
};
