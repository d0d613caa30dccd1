#include "app/StatusBar.h"

#include <QLabel>

StatusBar::StatusBar(QWidget* parent)
    : QStatusBar(parent)
    , m_dueLabel(new QLabel(this))
{
    m_dueLabel->setObjectName(QStringLiteral("dueCountLabel"));
    m_dueLabel->hide();
    addPermanentWidget(m_dueLabel);
}

void StatusBar::setDueCount(int count)
{
    m_dueLabel->setText(count > 0 ? tr("%n recurring transaction(s) due", nullptr, count) : QString());
    m_dueLabel->setVisible(count > 0);
}

QString StatusBar::dueText() const
{
    return m_dueLabel->text();
}
