#include "screens/PreferenceChoices.h"

#include <QDir>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <utility>

QList<PreferenceChoices::Choice> PreferenceChoices::themes()
{
    return {{tr("System Default"), QStringLiteral("system")},
            {tr("Light"), QStringLiteral("light")},
            {tr("Dark"), QStringLiteral("dark")}};
}

QList<PreferenceChoices::Choice> PreferenceChoices::fontSizes()
{
    return {{tr("Small"), 85}, {tr("Default"), 100}, {tr("Medium"), 115}, {tr("Large"), 130}, {tr("Extra Large"), 150}};
}

QList<PreferenceChoices::Choice> PreferenceChoices::weekStarts()
{
    return {{tr("Sunday"), int(Qt::Sunday)}, {tr("Monday"), int(Qt::Monday)}, {tr("Saturday"), int(Qt::Saturday)}};
}

namespace {

// The shipped languages in the order the preferences list them, each under
// its own name, so that a user who cannot read the current one still finds
// theirs.
const QList<std::pair<QString, QString>>& knownLanguages()
{
    static const QList<std::pair<QString, QString>> languages{{QStringLiteral("en"), QStringLiteral("English")},
                                                             {QStringLiteral("es"), QStringLiteral("Español")},
                                                             {QStringLiteral("de"), QStringLiteral("Deutsch")},
                                                             {QStringLiteral("fr"), QStringLiteral("Français")},
                                                             {QStringLiteral("ja"), QStringLiteral("日本語")}};
    return languages;
}

qsizetype knownRank(const QString& code)
{
    const auto& known = knownLanguages();
    const auto found =
        std::find_if(known.cbegin(), known.cend(), [&code](const auto& language) { return language.first == code; });
    return found - known.cbegin();
}

} // namespace

QList<PreferenceChoices::Choice> PreferenceChoices::languages(const QStringList& codes)
{
    QList<Choice> choices{{tr("System Default"), QStringLiteral("system")}};
    for (const QString& code : codes) {
        const qsizetype rank = knownRank(code);
        choices.append({rank < knownLanguages().size() ? knownLanguages()[rank].second
                                                        : QLocale(code).nativeLanguageName(),
                        code});
    }
    return choices;
}

QStringList PreferenceChoices::shippedLanguages()
{
    static const QRegularExpression catalogue(QStringLiteral("^ledgerine_([A-Za-z_]+)\\.qm$"));
    QStringList codes;
    const QStringList files = QDir(QStringLiteral(":/i18n")).entryList(QDir::Files, QDir::Name);
    for (const QString& file : files) {
        const QRegularExpressionMatch match = catalogue.match(file);
        if (match.hasMatch())
            codes.append(match.captured(1));
    }
    // A catalogue of a language not listed above follows them, by name.
    std::stable_sort(codes.begin(), codes.end(),
                     [](const QString& a, const QString& b) { return knownRank(a) < knownRank(b); });
    return codes;
}

QList<QColor> PreferenceChoices::accentColors()
{
    return {QColor(0x00, 0x89, 0x7B), QColor(0x1E, 0x88, 0xE5), QColor(0x39, 0x49, 0xAB), QColor(0x8E, 0x24, 0xAA),
            QColor(0xD8, 0x1B, 0x60), QColor(0x2E, 0x7D, 0x32), QColor(0xF9, 0xA8, 0x25), QColor(0x54, 0x6E, 0x7A)};
}

int PreferenceChoices::indexOf(const QList<Choice>& choices, const QVariant& value, int fallback)
{
    for (int index = 0; index < choices.size(); ++index) {
        if (choices.at(index).value == value)
            return index;
    }
    return fallback;
}

int PreferenceChoices::fontSizeIndex(int percent)
{
    const QList<Choice> sizes = fontSizes();
    return indexOf(sizes, percent, indexOf(sizes, 100));
}

bool PreferenceChoices::isStoredAccent(const QColor& swatch, const QString& stored)
{
    return swatch.name().compare(stored.trimmed(), Qt::CaseInsensitive) == 0;
}
