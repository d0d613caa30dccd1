#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

// Process-wide appearance values and the helpers windows use to follow them.
// ThemeManager changes the values and re-applies them; windows only read them
// and mark their widgets so that a later change reaches them.

// Dynamic properties that ThemeManager looks for when the font scale or the
// accent colour changes.
inline constexpr const char* kFontRoleProperty = "tandFontRole";
inline constexpr const char* kFontWeightProperty = "tandFontWeight";
inline constexpr const char* kFontItalicProperty = "tandFontItalic";
inline constexpr const char* kAccentButtonProperty = "tandAccentButton";

inline constexpr int kDefaultFontScalePercent = 100;
inline constexpr int kMinFontScalePercent = 70;
inline constexpr int kMaxFontScalePercent = 160;
inline constexpr const char* kDefaultAccentColor = "#00897B";

// A namespace rather than an enum class so that a role passes as the int the
// helpers take (and stays apart from names such as X11's Display): write
// FontRole::Title.
namespace FontRole {
enum Role : int {
    Body = 0,
    BodyStrong = 1,
    Caption = 2,
    Subtitle = 3,
    Title = 4,
    Headline = 5,
    Display = 6,
    Mono = 7
};
} // namespace FontRole

// The font of a role at the current font scale; an unknown role gives Body.
QFont fontForRole(int role);
// Marks the widget with the role and gives it the role's font; null is ignored.
void applyFontRole(QWidget* widget, int role);
// As applyFontRole, with a weight (QFont::Weight value) that survives re-fonting.
void applyFontRoleAndWeight(QWidget* widget, int role, int weight);
// Gives a marked widget the font its role, weight and italic properties ask
// for at the current scale; unmarked widgets are left alone.
void refontWidget(QWidget* widget);

// 100 until ThemeManager sets it.
int fontScalePercent();
// Clamps to 70..160; the value actually kept.
int setFontScalePercent(int percent);

// "#00897B" until ThemeManager sets it.
QColor currentAccentColor();
// An invalid colour is ignored.
void setCurrentAccentColor(const QColor& color);

// An accent button's style sheet takes the place of the style's focus frame,
// so it keeps this much room free on every side of its fill; ContrastStyle
// draws the focus ring of a marked button there (the ring, then a gap of
// window colour), and the button keeps its size when focus arrives.
inline constexpr int kAccentFocusRingWidth = 2;
inline constexpr int kAccentFocusRingGap = 2;
inline constexpr int kAccentButtonMargin = kAccentFocusRingWidth + kAccentFocusRingGap;
inline constexpr int kAccentButtonRadius = 6;

// The push-button style sheet in the current accent colour.
QString accentButtonStyleSheet();
// Marks the button as drawn in the accent colour, which also gives it the
// accent focus ring, and styles it; null is ignored.
void markAccentButton(QWidget* button);

// The application palette's window colour has a lightness below 128.
bool isDarkTheme();

// Relative luminance as WCAG 2 defines it: 0 for black, 1 for white. Alpha
// is ignored.
qreal relativeLuminance(const QColor& color);
// WCAG 2 contrast ratio of two colours, from 1 (the same) to 21 (black on
// white), whichever is lighter. User-interface parts such as outlines and
// focus rings need at least 3.
qreal contrastRatio(const QColor& first, const QColor& second);

// Colours several windows share; each picks the dark or light variant from
// the current palette.
QColor negativeAmountColor();
QColor positiveAmountColor();
QColor warningColor();
// The same on both palettes.
QColor mutedCaptionColor();

// The style sheet that draws a label's text in that colour.
QString textColorStyleSheet(const QColor& color);

// The process-wide first day of the week (a Qt::DayOfWeek number), taken from
// the default locale on first use; assign through the reference to change it.
int& localeFirstDayOfWeek();

// The settings key "ui/language" ("system" when unset). With resolveSystem,
// "system" becomes the two-letter language of the system locale.
QString currentUiLanguage(bool resolveSystem = true);
// Takes effect at the next start.
void setUiLanguage(const QString& code);
