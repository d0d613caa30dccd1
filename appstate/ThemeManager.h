#pragma once

#include <QColor>
#include <QObject>
#include <QPalette>
#include <QString>

class PreferencesRepository;

// Applies the palette, the accent colour and the font scale to the whole
// application and keeps them in the preferences. Widgets marked through the
// theme helpers (font roles, accent buttons) follow every change.
class ThemeManager : public QObject
{
    Q_OBJECT

public:
    enum class Theme { System, Light, Dark };
    Q_ENUM(Theme)

    explicit ThemeManager(PreferencesRepository* preferences, QObject* parent = nullptr);

    static QString themeName(Theme theme);
    // "light" and "dark"; any other text is System.
    static Theme themeFromName(const QString& name);

    Theme theme() const { return m_theme; }

    // Applies the stored "theme", "fontScale" and "accentColor" without
    // writing them back.
    void restoreFromPreferences();

    void setThemeByName(const QString& name);
    // Clamped to 70..160.
    void setFontScale(int percent);
    // An invalid colour is ignored.
    void setAccentColor(const QColor& color);

    // The palette a theme gets with the current accent colour.
    QPalette paletteFor(Theme theme) const;

Q_SIGNALS:
    void themeChanged();
    void fontScaleChanged(int percent);
    void accentChanged(const QColor& color);

private:
    void applyTheme();
    void refontMarkedWidgets();
    void restyleAccentButtons();

    PreferencesRepository* m_preferences;
    Theme m_theme = Theme::System;
    // The palette the platform gave before any theme was applied.
    QPalette m_systemPalette;
};
