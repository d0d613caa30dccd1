#include "screens/DateRangePicker.h"

#include "appstate/ThemeHelpers.h"
#include "screens/DateRangeEdit.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>

DateRangePicker::DateRangePicker(QWidget* parent)
    : QWidget(parent)
    , m_presetBox(new QComboBox)
    , m_rangeLabel(new QLabel)
    , m_customEdit(new DateRangeEdit)
{
    m_presetBox->setObjectName(QStringLiteral("periodBox"));
    for (DateRange::Preset preset : DateRange::presets())
        m_presetBox->addItem(DateRange::label(preset), int(preset));
    m_rangeLabel->setObjectName(QStringLiteral("periodRangeLabel"));
    showLabelColor();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(m_presetBox);
    layout->addWidget(m_rangeLabel);
    layout->addWidget(m_customEdit);
    setFocusProxy(m_presetBox);

    applyPreset();
    connect(m_presetBox, &QComboBox::currentIndexChanged, this, &DateRangePicker::applyPreset);
    connect(m_customEdit, &DateRangeEdit::rangeChanged, this, [this] { setRange(m_customEdit->range()); });
    connect(m_customEdit, &DateRangeEdit::readabilityChanged, this, &DateRangePicker::readabilityChanged);
}

DateRange::Preset DateRangePicker::preset() const
{
    return DateRange::Preset(m_presetBox->currentData().toInt());
}

void DateRangePicker::setPreset(DateRange::Preset preset)
{
    m_presetBox->setCurrentIndex(m_presetBox->findData(int(preset)));
}

bool DateRangePicker::showsRange(const DateRange& range) const
{
    return preset() == DateRange::Preset::Custom ? m_customEdit->showsRange(range) : range == m_range;
}

void DateRangePicker::refreshForToday()
{
    applyPreset();
}

void DateRangePicker::applyPreset()
{
    const bool custom = preset() == DateRange::Preset::Custom;
    m_customEdit->setVisible(custom);
    m_rangeLabel->setVisible(!custom);
    if (custom) {
        // The dates of the preset chosen before, ready to be changed.
        m_customEdit->setRange(m_range);
        return;
    }
    const DateRange range = DateRange::forPreset(preset(), QDate::currentDate());
    m_rangeLabel->setText(range.text());
    setRange(range);
}

void DateRangePicker::changeEvent(QEvent* event)
{
    // A colour of its own would keep the days looking in force while the
    // picker is disabled.
    if (event->type() == QEvent::EnabledChange)
        showLabelColor();
    QWidget::changeEvent(event);
}

void DateRangePicker::showLabelColor()
{
    m_rangeLabel->setStyleSheet(isEnabled() ? textColorStyleSheet(mutedCaptionColor()) : QString());
}

void DateRangePicker::setRange(const DateRange& range)
{
    if (range == m_range)
        return;
    m_range = range;
    Q_EMIT rangeChanged();
}
