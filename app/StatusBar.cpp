#include "app/StatusBar.h"

#include <QLabel>
#include <QPainter>
#include <QSizeGrip>
#include <QStyleOption>

namespace {

// Between the due count and the sync state, which would otherwise read as
// one sentence.
constexpr int kLabelGap = 12;
// QStatusBar's own margins around its message.
constexpr int kMessageLeft = 6;
constexpr int kMessageRight = 12;
constexpr int kMessageGap = 2;

} // namespace

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
    m_syncLabel->setContentsMargins(kLabelGap, 0, 0, 0);
    m_syncLabel->hide();
    addPermanentWidget(m_syncLabel);
    connect(this, &QStatusBar::messageChanged, this, &QWidget::setToolTip);
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
    m_syncState = text;
    showSyncState();
}

void StatusBar::setRecordsNotReadable(int count)
{
    m_recordsNotReadable = count;
    showSyncState();
}

void StatusBar::showSyncState()
{
    const bool notReadable = !m_syncState.isEmpty() && m_recordsNotReadable > 0;
    m_syncLabel->setText(notReadable ? tr("%1 (%n record(s) not readable yet)", nullptr, m_recordsNotReadable)
                                           .arg(m_syncState)
                                     : m_syncState);
    m_syncLabel->setToolTip(notReadable ? tr("This version cannot read %n record(s) from the sync service yet. "
                                             "They are kept and tried again at every sync.",
                                             nullptr, m_recordsNotReadable)
                                        : QString());
    m_syncLabel->setVisible(!m_syncState.isEmpty());
}

QString StatusBar::syncText() const
{
    return m_syncLabel->text();
}

QRect StatusBar::messageRect() const
{
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    int left = kMessageLeft;
    int right = width() - kMessageRight;
    const auto keepClearOf = [&](const QWidget* widget) {
        if (!widget || !widget->isVisible())
            return;
        if (rightToLeft)
            left = std::max(left, widget->geometry().right() + 1 + kMessageGap);
        else
            right = std::min(right, widget->x() - kMessageGap);
    };
    keepClearOf(findChild<QSizeGrip*>());
    keepClearOf(m_dueLabel);
    keepClearOf(m_syncLabel);
    return QRect(left, 0, std::max(0, right - left), height());
}

QString StatusBar::shownMessage() const
{
    return fontMetrics().elidedText(currentMessage(), Qt::ElideRight, messageRect().width());
}

void StatusBar::paintEvent(QPaintEvent* event)
{
    const QString message = currentMessage();
    const QString shown = shownMessage();
    if (shown == message) {
        QStatusBar::paintEvent(event);
        return;
    }
    // As QStatusBar paints itself, with the message cut short.
    QPainter painter(this);
    QStyleOption panel;
    panel.initFrom(this);
    style()->drawPrimitive(QStyle::PE_PanelStatusBar, &panel, &painter, this);
    for (QLabel* label : {m_dueLabel, m_syncLabel}) {
        if (!label->isVisible())
            continue;
        QStyleOption frame;
        frame.rect = label->geometry().adjusted(-2, -1, 2, 1);
        frame.palette = palette();
        frame.state = QStyle::State_None;
        style()->drawPrimitive(QStyle::PE_FrameStatusBarItem, &frame, &painter, label);
    }
    painter.setPen(palette().windowText().color());
    painter.drawText(messageRect(), Qt::AlignLeading | Qt::AlignVCenter | Qt::TextSingleLine, shown);
}
