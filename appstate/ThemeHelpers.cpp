#include "appstate/ThemeHelpers.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QLocale>
#include <QPalette>
#include <QSettings>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

const QString kLanguageKey = QStringLiteral("ui/language");
const QString kSystemLanguage = QStringLiteral("system");

int g_fontScalePercent = kDefaultFontScalePercent;

QColor& accentColorValue()
{
    static QColor accent(QString::fromLatin1(kDefaultAccentColor));
    return accent;
}

// The application font as it was before any scaling: ThemeManager puts the
// scaled body font on the application, so reading it again would compound
// the scale.
const QFont& unscaledBaseFont()
{
    static const QFont base = QGuiApplication::font();
    return base;
}

qreal basePointSize()
{
    const qreal size = unscaledBaseFont().pointSizeF();
    return size > 0 ? size : 10.0;
}

struct RoleMetrics
{
    qreal extraPoints;
    int weight;
};

RoleMetrics metricsFor(int role)
{
    switch (role) {
    case FontRole::BodyStrong:
        return {0, QFont::DemiBold};
    case FontRole::Caption:
        return {-1.5, QFont::Normal};
    case FontRole::Subtitle:
        return {2, QFont::Normal};
    case FontRole::Title:
        return {4, QFont::DemiBold};
    case FontRole::Headline:
        return {8, QFont::DemiBold};
    case FontRole::Display:
        return {14, QFont::Bold};
    case FontRole::Mono:
    case FontRole::Body:
    default:
        return {0, QFont::Normal};
    }
}

} // namespace

QFont fontForRole(int role)
{
    QFont font = role == FontRole::Mono ? QFontDatabase::systemFont(QFontDatabase::FixedFont) : unscaledBaseFont();
    const RoleMetrics metrics = metricsFor(role);
    const qreal unscaled = std::max<qreal>(6.0, basePointSize() + metrics.extraPoints);
    font.setPointSizeF(unscaled * fontScalePercent() / 100.0);
    font.setWeight(QFont::Weight(metrics.weight));
    return font;
}

void refontWidget(QWidget* widget)
{
    if (!widget)
        return;
    const QVariant role = widget->property(kFontRoleProperty);
    if (!role.isValid())
        return;
    QFont font = fontForRole(role.toInt());
    const QVariant weight = widget->property(kFontWeightProperty);
    if (weight.isValid())
        font.setWeight(QFont::Weight(weight.toInt()));
    if (widget->property(kFontItalicProperty).toBool())
        font.setItalic(true);
    widget->setFont(font);
}

void applyFontRole(QWidget* widget, int role)
{
    if (!widget)
        return;
    widget->setProperty(kFontRoleProperty, role);
    refontWidget(widget);
}

void applyFontRoleAndWeight(QWidget* widget, int role, int weight)
{
    if (!widget)
        return;
    widget->setProperty(kFontRoleProperty, role);
    widget->setProperty(kFontWeightProperty, weight);
    refontWidget(widget);
}

int fontScalePercent()
{
    return g_fontScalePercent;
}

int setFontScalePercent(int percent)
{
    g_fontScalePercent = std::clamp(percent, kMinFontScalePercent, kMaxFontScalePercent);
    return g_fontScalePercent;
}

QColor currentAccentColor()
{
    return accentColorValue();
}

void setCurrentAccentColor(const QColor& color)
{
    if (color.isValid())
        accentColorValue() = color;
}

QString accentButtonStyleSheet()
{
    const QColor accent = currentAccentColor();
    // Text stays readable on a pale accent as well as on a deep one.
    const QColor dark(0x1B, 0x1B, 0x1B);
    const QColor white(Qt::white);
    const QColor text = contrastRatio(dark, accent) > contrastRatio(white, accent) ? dark : white;
    return QStringLiteral("QPushButton { background-color: %1; color: %2; border: none; border-radius: %7px;"
                          " margin: %8px; padding: 6px 16px; font-weight: 600; }"
                          "QPushButton:hover { background-color: %3; }"
                          "QPushButton:pressed { background-color: %4; }"
                          "QPushButton:disabled { background-color: %5; color: %6; }")
        .arg(accent.name(), text.name(), accent.lighter(112).name(), accent.darker(115).name(),
             QColor(0x9E, 0x9E, 0x9E).name(), QColor(0xE0, 0xE0, 0xE0).name(), QString::number(kAccentButtonRadius),
             QString::number(kAccentButtonMargin));
}

void markAccentButton(QWidget* button)
{
    if (!button)
        return;
    button->setProperty(kAccentButtonProperty, true);
    button->setStyleSheet(accentButtonStyleSheet());
}

bool isDarkTheme()
{
    return QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
}

qreal relativeLuminance(const QColor& color)
{
    const auto linear = [](qreal channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = color.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

qreal contrastRatio(const QColor& first, const QColor& second)
{
    const qreal a = relativeLuminance(first);
    const qreal b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor negativeAmountColor()
{
    return isDarkTheme() ? QColor(0xFF, 0x8A, 0x80) : QColor(0xC6, 0x28, 0x28);
}

QColor positiveAmountColor()
{
    return isDarkTheme() ? QColor(0x66, 0xBB, 0x6A) : QColor(0x2E, 0x7D, 0x32);
}

QColor warningColor()
{
    return isDarkTheme() ? QColor(0xFF, 0xA7, 0x26) : QColor(0xE6, 0x51, 0x00);
}

QString textColorStyleSheet(const QColor& color)
{
    return QStringLiteral("color: %1;").arg(color.name());
}

QColor mutedCaptionColor()
{
    return QColor(0x6E, 0x8A, 0x7E);
}

int& localeFirstDayOfWeek()
{
    static int firstDay = QLocale().firstDayOfWeek();
    return firstDay;
}

QString currentUiLanguage(bool resolveSystem)
{
    const QString stored = QSettings().value(kLanguageKey, kSystemLanguage).toString();
    if (!resolveSystem || stored != kSystemLanguage)
        return stored;
    return QLocale::system().name().section(QLatin1Char('_'), 0, 0);
}

void setUiLanguage(const QString& code)
{
    QSettings().setValue(kLanguageKey, code);
}
