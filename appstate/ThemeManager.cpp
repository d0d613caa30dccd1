#include "appstate/ThemeManager.h"

#include "appstate/ContrastStyle.h"
#include "appstate/ThemeHelpers.h"
#include "storage/PreferencesRepository.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>

#include <algorithm>

namespace {

const QString kThemeKey = QStringLiteral("theme");
const QString kFontScaleKey = QStringLiteral("fontScale");
const QString kAccentColorKey = QStringLiteral("accentColor");

struct PaletteColors
{
    QColor window;
    QColor base;
    QColor alternateBase;
    QColor text;
    QColor button;
    QColor mid;
    QColor disabledText;
    QColor toolTipBase;
};

// Green-grey neutrals that sit with the teal default accent without
// competing with it.
const PaletteColors kLight{QColor(0xF4, 0xF7, 0xF5), QColor(0xFF, 0xFF, 0xFF), QColor(0xEE, 0xF3, 0xF0),
                           QColor(0x1C, 0x2A, 0x24), QColor(0xE8, 0xEE, 0xEA), QColor(0xC4, 0xCF, 0xC9),
                           QColor(0x9A, 0xA8, 0xA1), QColor(0xFF, 0xFF, 0xF2)};
const PaletteColors kDark{QColor(0x1C, 0x24, 0x21), QColor(0x14, 0x1A, 0x18), QColor(0x1F, 0x29, 0x25),
                          QColor(0xE2, 0xEA, 0xE6), QColor(0x27, 0x32, 0x2E), QColor(0x3A, 0x48, 0x42),
                          QColor(0x6B, 0x7B, 0x74), QColor(0x27, 0x32, 0x2E)};

QPalette buildPalette(const PaletteColors& colors, const QColor& accent)
{
    QPalette palette;
    palette.setColor(QPalette::Window, colors.window);
    palette.setColor(QPalette::WindowText, colors.text);
    palette.setColor(QPalette::Base, colors.base);
    palette.setColor(QPalette::AlternateBase, colors.alternateBase);
    palette.setColor(QPalette::Text, colors.text);
    palette.setColor(QPalette::Button, colors.button);
    palette.setColor(QPalette::ButtonText, colors.text);
    palette.setColor(QPalette::BrightText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, colors.toolTipBase);
    palette.setColor(QPalette::ToolTipText, colors.text);
    palette.setColor(QPalette::PlaceholderText, colors.disabledText);
    palette.setColor(QPalette::Mid, colors.mid);
    palette.setColor(QPalette::Light, colors.button.lighter(115));
    palette.setColor(QPalette::Midlight, colors.button.lighter(107));
    palette.setColor(QPalette::Dark, colors.mid.darker(130));
    palette.setColor(QPalette::Shadow, QColor(0, 0, 0, 90));
    palette.setColor(QPalette::Highlight, accent);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, accent);
    palette.setColor(QPalette::LinkVisited, accent.darker(120));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, colors.disabledText);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, colors.mid);
    return palette;
}

} // namespace

ThemeManager::ThemeManager(PreferencesRepository* preferences, QObject* parent)
    : QObject(parent)
    , m_preferences(preferences)
{
    // The desktop's own palette, taken before any theme replaces it, is what
    // "system" means (a dark desktop stays dark). Fusion draws the same on
    // every platform and follows a palette fully, which the light and dark
    // themes rely on; ContrastStyle keeps its faintest parts readable.
    m_systemPalette = QGuiApplication::palette();
    QApplication::setStyle(new ContrastStyle);
}

QString ThemeManager::themeName(Theme theme)
{
    switch (theme) {
    case Theme::Light:
        return QStringLiteral("light");
    case Theme::Dark:
        return QStringLiteral("dark");
    case Theme::System:
        break;
    }
    return QStringLiteral("system");
}

ThemeManager::Theme ThemeManager::themeFromName(const QString& name)
{
    if (name == QLatin1String("light"))
        return Theme::Light;
    if (name == QLatin1String("dark"))
        return Theme::Dark;
    return Theme::System;
}

void ThemeManager::restoreFromPreferences()
{
    setFontScalePercent(m_preferences->getInt(kFontScaleKey, kDefaultFontScalePercent));
    setCurrentAccentColor(QColor(m_preferences->getString(kAccentColorKey, QString::fromLatin1(kDefaultAccentColor))));
    m_theme = themeFromName(m_preferences->getString(kThemeKey, themeName(Theme::System)));
    applyTheme();
}

void ThemeManager::setThemeByName(const QString& name)
{
    m_theme = themeFromName(name);
    applyTheme();
    m_preferences->set(kThemeKey, themeName(m_theme));
    emit themeChanged();
}

void ThemeManager::setFontScale(int percent)
{
    const int applied = setFontScalePercent(percent);
    m_preferences->setInt(kFontScaleKey, applied);
    applyTheme();
    refontMarkedWidgets();
    emit fontScaleChanged(applied);
}

void ThemeManager::setAccentColor(const QColor& color)
{
    if (!color.isValid())
        return;
    setCurrentAccentColor(color);
    m_preferences->set(kAccentColorKey, color.name());
    applyTheme();
    restyleAccentButtons();
    emit accentChanged(color);
}

QPalette ThemeManager::paletteFor(Theme theme) const
{
    const QColor accent = currentAccentColor();
    switch (theme) {
    case Theme::Light:
        return buildPalette(kLight, accent);
    case Theme::Dark:
        return buildPalette(kDark, accent);
    case Theme::System:
        break;
    }
    QPalette palette = m_systemPalette;
    palette.setColor(QPalette::Highlight, accent);
    palette.setColor(QPalette::Link, accent);
    return palette;
}

void ThemeManager::applyTheme()
{
    QApplication::setPalette(paletteFor(m_theme));
    QApplication::setFont(fontForRole(FontRole::Body));
}

void ThemeManager::refontMarkedWidgets()
{
    QList<QWidget*> widgets = QApplication::allWidgets();
    for (QWidget* widget : std::as_const(widgets))
        refontWidget(widget);

    // A style sheet (a colour, an accent button's) fixes the font its widget
    // had when it was applied, so the new scale would pass such a widget
    // by. Without a role of its own it takes its parent's font again, then
    // the sheet's own font rules; parents first, so that each takes the new one.
    const auto depth = [](const QWidget* widget) {
        int levels = 0;
        for (const QWidget* parent = widget->parentWidget(); parent; parent = parent->parentWidget())
            ++levels;
        return levels;
    };
    widgets.removeIf([](const QWidget* widget) {
        return widget->styleSheet().isEmpty() || widget->property(kFontRoleProperty).isValid();
    });
    std::stable_sort(widgets.begin(), widgets.end(),
                     [&depth](const QWidget* a, const QWidget* b) { return depth(a) < depth(b); });
    for (QWidget* widget : std::as_const(widgets)) {
        widget->setFont(QFont());
        widget->setStyleSheet(widget->styleSheet());
    }
}

void ThemeManager::restyleAccentButtons()
{
    const QString styleSheet = accentButtonStyleSheet();
    const QList<QWidget*> widgets = QApplication::allWidgets();
    for (QWidget* widget : widgets) {
        if (widget->property(kAccentButtonProperty).toBool())
            widget->setStyleSheet(styleSheet);
    }
}
