#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringView>

// A date format as Qt writes it ("dd/MM/yyyy", "MMMM d, yyyy"), read the way
// bank files need: "yy" follows the common two-digit year pivot (see
// expandTwoDigitYear), "d" and "dd", "M" and "MM" take one or two digits where
// a separator follows (so "MM/dd/yyyy" reads 3/4/2024 too), month names are
// English in any case. Formats with other fields (weekdays, times) are left
// to QDate::fromString.
class DateFormat
{
public:
    explicit DateFormat(const QString& format);

    // Invalid when the text does not match the format or names no real day.
    QDate read(QStringView text) const;

private:
    enum class Kind { Literal, Day, Month, MonthName, ShortMonthName, Year2, Year4 };
    struct Field
    {
        Kind kind;
        QString literal;
        // Digits a numeric field takes: at least `minDigits`, up to two.
        int minDigits = 1;
    };

    bool compile();

    QString m_format;
    QList<Field> m_fields;
    bool m_compiled = false;
};
