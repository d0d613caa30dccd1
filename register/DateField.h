#pragma once

#include <QDate>
#include <QString>
#include <QWidget>

class QCalendarWidget;
class QLineEdit;
class QToolButton;

// A date typed as month/day/year, or as month/day in the current year, or
// chosen from a calendar (the button beside it, or Alt+Down or F4) whose
// weeks start on the preferred day. It always holds a valid date: text that
// does not read as one leaves the last good date in force. Such text stays
// when editing ends, in the warning colour, so that a form can refuse it and
// the user can correct what was typed rather than find an older date in its
// place.
class DateField : public QWidget
{
    Q_OBJECT

public:
    explicit DateField(QWidget* parent = nullptr);

    // The typed date when the text reads as one, else the stored date.
    QDate date() const;
    // Stores and shows the date; an invalid date is ignored.
    void setDate(const QDate& date);
    // Whether the text as it stands reads as a date.
    bool hasValidText() const;
    // Whether the field stands for `date`: false while its text is marked
    // as reading as no date, and while it reads as another date not yet taken.
    bool showsDate(const QDate& date) const;
    // Opens the calendar at the field's date.
    void showCalendar();

    // "12/05/2026": how every window shows a date in a list.
    static QString toText(const QDate& date);

    // Reads "M/d/yyyy", "MM/dd/yyyy", "M/d/yy", "MM/dd/yy" and, without a
    // year, "M/d" and "MM/dd" as that day in the current year. Two-digit
    // years below 70 are 20xx, the rest 19xx. An invalid date for anything
    // else, impossible days such as 2/30 (or 2/29 without a year outside a
    // leap year) included.
    static QDate parseDate(const QString& text);

Q_SIGNALS:
    void dateChanged(const QDate& date);
    // The text came to be marked as reading as no date, or stopped being so.
    void unreadableChanged(bool unreadable);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void commitText();
    void showStoredDate();
    void markUnreadable(bool unreadable);
    void takeCalendarDate(const QDate& date);

    QLineEdit* m_edit;
    QToolButton* m_calendarButton;
    // Made when first opened.
    QCalendarWidget* m_calendar = nullptr;
    QDate m_date;
    bool m_unreadable = false;
};
