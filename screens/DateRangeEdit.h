#pragma once

#include "screens/DateRange.h"

#include <QWidget>

class DateField;

// A range typed by hand: a from and a to date field side by side.
class DateRangeEdit : public QWidget
{
    Q_OBJECT

public:
    explicit DateRangeEdit(QWidget* parent = nullptr);

    DateRange range() const;
    // Shows the range without announcing it; invalid dates are ignored.
    void setRange(const DateRange& range);
    // Whether both fields stand for the range's dates (see DateField::showsDate).
    bool showsRange(const DateRange& range) const;

    // The first field, for a caption's mnemonic.
    DateField* fromField() const { return m_from; }
    DateField* toField() const { return m_to; }

Q_SIGNALS:
    // The user changed either date.
    void rangeChanged();
    // Either field's text came to read as no date, or stopped doing so.
    void readabilityChanged();

private:
    DateField* m_from;
    DateField* m_to;
};
