#pragma once

#include "storage/Enums.h"

#include <QDoubleSpinBox>

// A spin box for money in one currency. It shows as many decimals as the
// currency has (none for JPY) and reads typed text by the amount rules of
// the store: with the "typed digits are cents" preference on, digits typed
// without a point count as minor units ("1234" is 12.34). A blank field
// reads as zero. The user of the field sets its range and prefix.
class SmartAmountField : public QDoubleSpinBox
{
    Q_OBJECT

public:
    explicit SmartAmountField(QWidget* parent = nullptr);

    // Sets the decimals to the currency's; the value is rounded to them.
    void setCurrency(Currency currency);
    Currency currency() const { return m_currency; }

    // value() in the currency's minor units, rounded half away from zero.
    qint64 minorUnits() const;
    void setMinorUnits(qint64 amount);

    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

protected:
    double valueFromText(const QString& text) const override;
    QString textFromValue(double value) const override;

private:
    // The typed amount without prefix, suffix and surrounding blanks.
    QString amountText(const QString& text) const;
    qint64 toMinorUnits(double value) const;

    Currency m_currency = Currency::USD;
};
