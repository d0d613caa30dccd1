#include "register/DateField.h"

#include "appstate/ThemeHelpers.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QRegularExpression>

namespace {

const QString kDisplayFormat = QStringLiteral("MM/dd/yyyy");

// The same pivot as the QIF reader, so a date means the same wherever it is typed.
constexpr int kTwoDigitYearPivot = 70;

} // namespace

DateField::DateField(QWidget* parent)
    : QWidget(parent)
    , m_edit(new QLineEdit(this))
    , m_date(QDate::currentDate())
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_edit);
    setFocusProxy(m_edit);

    m_edit->setPlaceholderText(tr("MM/DD/YYYY"));
    showStoredDate();
    connect(m_edit, &QLineEdit::editingFinished, this, &DateField::commitText);
    connect(m_edit, &QLineEdit::textChanged, this, [this] {
        if (m_unreadable && hasValidText())
            markUnreadable(false);
    });
}

QDate DateField::date() const
{
    const QDate typed = parseDate(m_edit->text());
    return typed.isValid() ? typed : m_date;
}

void DateField::setDate(const QDate& date)
{
    if (!date.isValid())
        return;
    const bool changed = date != m_date;
    m_date = date;
    showStoredDate();
    if (changed)
        Q_EMIT dateChanged(m_date);
}

bool DateField::hasValidText() const { return parseDate(m_edit->text()).isValid(); }

QDate DateField::parseDate(const QString& text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^([0-9]{1,2})/([0-9]{1,2})(?:/([0-9]{2}|[0-9]{4}))?$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return {};
    const int month = match.capturedView(1).toInt();
    const int day = match.capturedView(2).toInt();
    const QStringView yearText = match.capturedView(3);
    if (yearText.isEmpty())
        return QDate(QDate::currentDate().year(), month, day);
    int year = yearText.toInt();
    if (yearText.size() == 2)
        year += year < kTwoDigitYearPivot ? 2000 : 1900;
    return QDate(year, month, day);
}

void DateField::commitText()
{
    const QDate typed = parseDate(m_edit->text());
    if (typed.isValid())
        setDate(typed);
    else
        markUnreadable(true);
}

void DateField::markUnreadable(bool unreadable)
{
    // The text stays for the user to correct, but the window goes on with
    // the last good date: the colour says the two differ, the tip how to
    // type one. Only the text colour is set, so a theme change still
    // reaches the rest.
    m_unreadable = unreadable;
    QPalette colours;
    if (unreadable)
        colours.setColor(QPalette::Text, warningColor());
    m_edit->setPalette(colours);
    m_edit->setToolTip(unreadable ? tr("Enter the date as month/day/year, for example 12/31/2026.") : QString());
}

void DateField::showStoredDate()
{
    m_edit->setText(toText(m_date));
}

QString DateField::toText(const QDate& date) { return date.toString(kDisplayFormat); }
