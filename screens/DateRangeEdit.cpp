#include "screens/DateRangeEdit.h"

#include "register/DateField.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

DateRangeEdit::DateRangeEdit(QWidget* parent)
    : QWidget(parent)
    , m_from(new DateField)
    , m_to(new DateField)
{
    m_from->setObjectName(QStringLiteral("fromDateField"));
    m_to->setObjectName(QStringLiteral("toDateField"));
    m_from->setAccessibleName(tr("From"));
    m_to->setAccessibleName(tr("To"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addWidget(m_from);
    layout->addWidget(new QLabel(tr("–")));
    layout->addWidget(m_to);
    setFocusProxy(m_from);

    connect(m_from, &DateField::dateChanged, this, &DateRangeEdit::rangeChanged);
    connect(m_to, &DateField::dateChanged, this, &DateRangeEdit::rangeChanged);
    connect(m_from, &DateField::unreadableChanged, this, &DateRangeEdit::readabilityChanged);
    connect(m_to, &DateField::unreadableChanged, this, &DateRangeEdit::readabilityChanged);
}

DateRange DateRangeEdit::range() const { return {m_from->date(), m_to->date()}; }

void DateRangeEdit::setRange(const DateRange& range)
{
    const QSignalBlocker blockFrom(m_from);
    const QSignalBlocker blockTo(m_to);
    m_from->setDate(range.from);
    m_to->setDate(range.to);
}

bool DateRangeEdit::showsRange(const DateRange& range) const
{
    return m_from->showsDate(range.from) && m_to->showsDate(range.to);
}
