#include "register/DateField.h"

#include "appstate/ThemeHelpers.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QScreen>
#include <QToolButton>

namespace {

const QString kDisplayFormat = QStringLiteral("MM/dd/yyyy");

// The same pivot as the QIF reader, so a date means the same wherever it is typed.
constexpr int kTwoDigitYearPivot = 70;

} // namespace

DateField::DateField(QWidget* parent)
    : QWidget(parent)
    , m_edit(new QLineEdit(this))
    , m_calendarButton(new QToolButton(this))
    , m_date(QDate::currentDate())
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_edit);
    layout->addWidget(m_calendarButton);
    setFocusProxy(m_edit);

    m_edit->setPlaceholderText(tr("MM/DD/YYYY"));
    m_edit->installEventFilter(this);
    // The keys reach the calendar from the text, as in a date edit, so Tab
    // need not stop at the button.
    m_calendarButton->setArrowType(Qt::DownArrow);
    m_calendarButton->setFocusPolicy(Qt::NoFocus);
    m_calendarButton->setToolTip(tr("Choose the date from a calendar (Alt+Down)"));
    m_calendarButton->setAccessibleName(tr("Calendar"));
    connect(m_calendarButton, &QToolButton::clicked, this, &DateField::showCalendar);
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

bool DateField::showsDate(const QDate& date) const { return !m_unreadable && this->date() == date; }

void DateField::showCalendar()
{
    if (!m_calendar) {
        m_calendar = new QCalendarWidget(this);
        m_calendar->setWindowFlags(Qt::Popup);
        m_calendar->installEventFilter(this);
        connect(m_calendar, &QCalendarWidget::clicked, this, &DateField::takeCalendarDate);
        connect(m_calendar, &QCalendarWidget::activated, this, &DateField::takeCalendarDate);
    }
    // Read anew each time: the preferences may have changed since.
    m_calendar->setLocale(QLocale());
    m_calendar->setFirstDayOfWeek(Qt::DayOfWeek(localeFirstDayOfWeek()));
    m_calendar->setSelectedDate(date());

    // Below the field, or above it where the screen ends.
    const QSize size = m_calendar->sizeHint();
    QPoint at = mapToGlobal(QPoint(0, height()));
    if (const QScreen* screen = this->screen()) {
        const QRect room = screen->availableGeometry();
        if (at.y() + size.height() > room.bottom())
            at.setY(mapToGlobal(QPoint(0, 0)).y() - size.height());
        at.setX(qBound(room.left(), at.x(), qMax(room.left(), room.right() - size.width())));
    }
    m_calendar->move(at);
    m_calendar->show();
    m_calendar->setFocus(Qt::PopupFocusReason);
}

void DateField::takeCalendarDate(const QDate& date)
{
    m_calendar->hide();
    setDate(date);
    m_edit->setFocus(Qt::PopupFocusReason);
}

bool DateField::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Down && key->modifiers() == Qt::AltModifier)
            || (key->key() == Qt::Key_F4 && key->modifiers() == Qt::NoModifier)) {
            showCalendar();
            return true;
        }
    } else if (watched == m_calendar && event->type() == QEvent::MouseButtonPress) {
        // A press on the button closes the calendar; it must not open it
        // again as the press reaches the button.
        const auto* press = static_cast<QMouseEvent*>(event);
        const QPoint onButton = m_calendarButton->mapFromGlobal(press->globalPosition().toPoint());
        if (!m_calendar->rect().contains(press->position().toPoint()) && m_calendarButton->rect().contains(onButton))
            m_calendar->setAttribute(Qt::WA_NoMouseReplay);
    }
    return QWidget::eventFilter(watched, event);
}

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
    const bool changed = unreadable != m_unreadable;
    m_unreadable = unreadable;
    QPalette colours;
    if (unreadable)
        colours.setColor(QPalette::Text, warningColor());
    m_edit->setPalette(colours);
    m_edit->setToolTip(unreadable ? tr("Enter the date as month/day/year, for example 12/31/2026.") : QString());
    if (changed)
        Q_EMIT unreadableChanged(unreadable);
}

void DateField::showStoredDate()
{
    m_edit->setText(toText(m_date));
}

QString DateField::toText(const QDate& date) { return date.toString(kDisplayFormat); }
