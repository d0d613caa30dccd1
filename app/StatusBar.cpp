#include "app/StatusBar.h"

#include <QLabel>

StatusBar::StatusBar(QWidget* parent)
    : QStatusBar(parent)
    , m_dueLabel(new QLabel(this))
    , m_syncLabel(new QLabel(this))
{
    m_dueLabel->setObjectName(QStringLiteral("dueCountLabel"));
    m_dueLabel->hide();
    addPermanentWidget(m_dueLabel);
    m_syncLabel->setObjectName(QStringLiteral("syncStateLabel"));
    m_syncLabel->setTextFormat(Qt::PlainText);
    m_syncLabel->hide();
    addPermanentWidget(m_syncLabel);
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

void StatusBar::setSyncText(const QString& text)
{
    m_syncLabel->setText(text);
    m_syncLabel->setVisible(!text.isEmpty());
}

QString StatusBar::syncText() const
{
    return m_syncLabel->text();
}
