#pragma once

#include "screens/DateRange.h"

#include <QWidget>

class DateRangeEdit;
class QComboBox;
class QLabel;

// A period chosen from the presets, its days shown beside it, or typed by
// hand under "Custom" (starting from the days of the preset chosen before).
class DateRangePicker : public QWidget
{
    Q_OBJECT

public:
    explicit DateRangePicker(QWidget* parent = nullptr);

    DateRange range() const { return m_range; }
    DateRange::Preset preset() const;
    // Announces the new range when it differs.
    void setPreset(DateRange::Preset preset);
    // Whether the picker stands for `range`: the preset's days, or under
    // Custom fields that stand for its dates.
    bool showsRange(const DateRange& range) const;
    // A preset means its days as seen today, so a window kept open past
    // midnight or shown again days later works them out anew; Custom keeps
    // its dates. Announces the range when it moved.
    void refreshForToday();

    // For a caption's mnemonic.
    QComboBox* presetBox() const { return m_presetBox; }

Q_SIGNALS:
    void rangeChanged();
    // A custom date's text came to read as no date, or stopped doing so.
    void readabilityChanged();

protected:
    void changeEvent(QEvent* event) override;

private:
    void showLabelColor();
    void applyPreset();
    void setRange(const DateRange& range);

    QComboBox* m_presetBox;
    QLabel* m_rangeLabel;
    DateRangeEdit* m_customEdit;
    DateRange m_range;
};
