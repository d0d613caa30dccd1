#include "import/DateFormat.h"

#include "import/ImportDate.h"

#include <array>

namespace {

const std::array<QString, 12> kMonthNames = {
    QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),     QStringLiteral("April"),
    QStringLiteral("May"),     QStringLiteral("June"),     QStringLiteral("July"),      QStringLiteral("August"),
    QStringLiteral("September"), QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December"),
};

// The month whose name (or its first three letters) starts `text`, and the
// length of that name; 0 when none does.
std::pair<int, qsizetype> readMonthName(QStringView text, bool shortName)
{
    for (int month = 1; month <= 12; ++month) {
        const QStringView name = shortName ? QStringView(kMonthNames[month - 1]).left(3) : kMonthNames[month - 1];
        if (text.startsWith(name, Qt::CaseInsensitive))
            return {month, name.size()};
    }
    return {0, 0};
}

// Reads `min` to `max` digits at `pos`; -1 when there are too few.
int readNumber(QStringView text, qsizetype& pos, int min, int max)
{
    int value = 0;
    int digits = 0;
    while (digits < max && pos < text.size() && text[pos] >= u'0' && text[pos] <= u'9') {
        value = value * 10 + (text[pos].unicode() - u'0');
        ++pos;
        ++digits;
    }
    return digits >= min ? value : -1;
}

} // namespace

DateFormat::DateFormat(const QString& format)
    : m_format(format)
{
    m_compiled = compile();
}

bool DateFormat::compile()
{
    bool day = false;
    bool month = false;
    bool year = false;
    for (qsizetype i = 0; i < m_format.size();) {
        const QChar c = m_format[i];
        qsizetype run = 1;
        while (i + run < m_format.size() && m_format[i + run] == c)
            ++run;
        if (c == u'\'') {
            // Quoted text; '' is one quote.
            const qsizetype end = m_format.indexOf(u'\'', i + 1);
            if (end < 0)
                return false;
            const QString text = end == i + 1 ? QStringLiteral("'") : m_format.mid(i + 1, end - i - 1);
            m_fields.append({Kind::Literal, text, 0});
            i = end + 1;
            continue;
        }
        if (c == u'd' && run <= 2) {
            m_fields.append({Kind::Day, {}, int(run)});
            day = true;
        } else if (c == u'M' && run <= 2) {
            m_fields.append({Kind::Month, {}, int(run)});
            month = true;
        } else if (c == u'M' && run <= 4) {
            m_fields.append({run == 3 ? Kind::ShortMonthName : Kind::MonthName, {}, 1});
            month = true;
        } else if (c == u'y' && (run == 2 || run == 4)) {
            m_fields.append({run == 2 ? Kind::Year2 : Kind::Year4, {}, int(run)});
            year = true;
        } else if (c.isLetter()) {
            return false;
        } else {
            m_fields.append({Kind::Literal, QString(run, c), 0});
        }
        i += run;
    }
    // Two digits are wanted only where the next field is a number too
    // ("yyyyMMdd"); before a separator one will do.
    for (qsizetype k = 0; k < m_fields.size(); ++k) {
        Field& field = m_fields[k];
        if (field.kind != Kind::Day && field.kind != Kind::Month)
            continue;
        const bool numberFollows = k + 1 < m_fields.size() && m_fields[k + 1].kind != Kind::Literal
            && m_fields[k + 1].kind != Kind::MonthName && m_fields[k + 1].kind != Kind::ShortMonthName;
        field.minDigits = numberFollows ? field.minDigits : 1;
    }
    return day && month && year;
}

QDate DateFormat::read(QStringView text) const
{
    text = text.trimmed();
    if (!m_compiled)
        return QDate::fromString(text.toString(), m_format);
    int day = 0;
    int month = 0;
    int year = 0;
    qsizetype pos = 0;
    for (const Field& field : m_fields) {
        int value = 0;
        switch (field.kind) {
        case Kind::Literal:
            if (!text.sliced(pos).startsWith(field.literal))
                return {};
            pos += field.literal.size();
            continue;
        case Kind::Day:
        case Kind::Month:
            value = readNumber(text, pos, field.minDigits, 2);
            break;
        case Kind::MonthName:
        case Kind::ShortMonthName: {
            const auto [number, length] = readMonthName(text.sliced(pos), field.kind == Kind::ShortMonthName);
            value = number > 0 ? number : -1;
            pos += length;
            break;
        }
        case Kind::Year2:
            value = readNumber(text, pos, 2, 2);
            value = value < 0 ? value : expandTwoDigitYear(value);
            break;
        case Kind::Year4:
            value = readNumber(text, pos, 4, 4);
            break;
        }
        if (value < 0)
            return {};
        (field.kind == Kind::Day ? day : field.kind == Kind::Year2 || field.kind == Kind::Year4 ? year : month) = value;
    }
    return pos == text.size() ? QDate(year, month, day) : QDate();
}
