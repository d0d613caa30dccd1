#include "app/Application.h"
#include "app/LanguageCatalogues.h"
#include "app/MainWindow.h"
#include "app/StatusBar.h"
#include "appstate/AppState.h"
#include "tests/support/TestDataDir.h"
#include "tests/support/TranslationSource.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <utility>

namespace {

QStringList languageList(const char* list)
{
    return QString::fromLatin1(list).split(u',', Qt::SkipEmptyParts);
}

QString catalogueSource(const QString& language)
{
    return QStringLiteral(LEDGERINE_SOURCE_DIR "/resources/i18n/ledgerine_%1.ts").arg(language);
}

// "%1" to "%99", each once, in order of number.
QStringList numberedPlaceholders(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%(\\d{1,2})"));
    QStringList found;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
        found.append(match.captured(0));
    found.sort();
    found.removeDuplicates();
    return found;
}

int mnemonicCount(const QString& text)
{
    static const QRegularExpression mnemonic(QStringLiteral("&(?![&\\s])"));
    return int(text.count(mnemonic)) - int(text.count(QStringLiteral("&&")));
}

// The blanks a text starts and ends with.
std::pair<QString, QString> outerBlanks(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {text, {}};
    const qsizetype start = text.indexOf(trimmed);
    return {text.first(start), text.sliced(start + trimmed.size())};
}

QChar mnemonicLetter(const QString& text)
{
    static const QRegularExpression mnemonic(QStringLiteral("&([^&\\s])"));
    const QRegularExpressionMatch match = mnemonic.match(QString(text).remove(QStringLiteral("&&")));
    return match.hasMatch() ? match.captured(1).front().toLower() : QChar();
}

} // namespace

// The program is started in German here (see main), as a user who chose
// "Deutsch" in the preferences starts it.
class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyCatalogueShipsAndLoads_data();
    void everyCatalogueShipsAndLoads();
    void finishedCatalogueHoldsEveryText_data();
    void finishedCatalogueHoldsEveryText();
    void translationsKeepPlaceholdersMnemonicsAndSpacing_data();
    void translationsKeepPlaceholdersMnemonicsAndSpacing();
    void countedTextsTakeGermanPluralForms();
    void languageWithoutCatalogueSpeaksEnglish();
    void mainWindowShowsGermanMenus();

private:
    static void addFinishedLanguages();
};

void TestTranslations::everyCatalogueShipsAndLoads_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << QStringLiteral("en");
    for (const QString& language : languageList(LEDGERINE_LANGUAGES))
        QTest::newRow(qPrintable(language)) << language;
}

void TestTranslations::everyCatalogueShipsAndLoads()
{
    QFETCH(QString, language);
    QTranslator own;
    QVERIFY(own.load(QStringLiteral(":/i18n/ledgerine_%1.qm").arg(language)));
    if (language == QLatin1String("en"))
        return;
    if (languageList(LEDGERINE_FINISHED_LANGUAGES).contains(language))
        QVERIFY(!own.isEmpty());
    // Qt's own catalogue, where Debian's qt6-translations-l10n puts it.
    QTranslator qtBase;
    QVERIFY2(qtBase.load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)),
             qPrintable(QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    const QString cancel = qtBase.translate("QPlatformTheme", "Cancel");
    QVERIFY(!cancel.isEmpty() && cancel != QLatin1String("Cancel"));
}

void TestTranslations::addFinishedLanguages()
{
    QTest::addColumn<QString>("language");
    for (const QString& language : languageList(LEDGERINE_FINISHED_LANGUAGES))
        QTest::newRow(qPrintable(language)) << language;
}

void TestTranslations::finishedCatalogueHoldsEveryText_data()
{
    addFinishedLanguages();
    // English holds only the plural forms of texts with a count.
    QTest::newRow("en") << QStringLiteral("en");
}

void TestTranslations::finishedCatalogueHoldsEveryText()
{
    // The catalogue brought up to date with today's sources, as
    // update_translations does: a text added to the sources and not yet
    // translated comes out unfinished.
    QFETCH(QString, language);
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("ledgerine_%1.ts").arg(language));
    QVERIFY(QFile::copy(catalogueSource(language), copy));
    QStringList arguments{QStringLiteral("@" LEDGERINE_TRANSLATED_SOURCES), QStringLiteral("-locations"),
                          QStringLiteral("none"), QStringLiteral("-ts"), copy};
    if (language == QLatin1String("en"))
        arguments.prepend(QStringLiteral("-pluralonly"));
    QProcess lupdate;
    lupdate.start(QStringLiteral(LEDGERINE_LUPDATE), arguments);
    QVERIFY(lupdate.waitForFinished(60000));
    QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
             lupdate.readAllStandardError().constData());

    const QList<TranslationMessage> entries = readTranslationSource(copy);
    QStringList lacking;
    for (const TranslationMessage& entry : entries) {
        if (!entry.finished)
            lacking.append(entry.describe());
    }
    QVERIFY(entries.size() > (language == QLatin1String("en") ? 10 : 500));
    QVERIFY2(lacking.isEmpty(),
             qPrintable(QStringLiteral("Run `cmake --build build --target update_translations` and translate these "
                                       "texts in resources/i18n/ledgerine_%1.ts:\n")
                            .arg(language)
                        + lacking.join(u'\n')));
}

void TestTranslations::translationsKeepPlaceholdersMnemonicsAndSpacing_data()
{
    addFinishedLanguages();
}

void TestTranslations::translationsKeepPlaceholdersMnemonicsAndSpacing()
{
    QFETCH(QString, language);
    const QList<TranslationMessage> entries = readTranslationSource(catalogueSource(language));
    QVERIFY(!entries.isEmpty());
    QStringList faults;
    for (const TranslationMessage& entry : entries) {
        const QStringList placeholders = numberedPlaceholders(entry.source);
        bool countShown = false;
        for (const QString& form : entry.forms) {
            if (numberedPlaceholders(form) != placeholders)
                faults.append(QStringLiteral("placeholders differ: ") + entry.describe());
            // A menu or a form field without its key cannot be reached by
            // keyboard; one with two takes only the first.
            if (mnemonicCount(form) != mnemonicCount(entry.source))
                faults.append(QStringLiteral("mnemonic differs: ") + entry.describe());
            // Texts pieced together keep their blanks.
            if (outerBlanks(form) != outerBlanks(entry.source))
                faults.append(QStringLiteral("leading or trailing blanks differ: ") + entry.describe());
            countShown = countShown || form.contains(QStringLiteral("%n"));
        }
        // A singular form may say "one" in words; the others show the count.
        if (entry.source.contains(QStringLiteral("%n")) && !countShown)
            faults.append(QStringLiteral("count not shown: ") + entry.describe());
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void TestTranslations::countedTextsTakeGermanPluralForms()
{
    // German takes its singular for one alone; none and many take the plural.
    StatusBar bar;
    bar.setDueCount(1);
    QCOMPARE(bar.dueText(), QStringLiteral("1 wiederkehrende Buchung fällig"));
    bar.setDueCount(2);
    QCOMPARE(bar.dueText(), QStringLiteral("2 wiederkehrende Buchungen fällig"));
    QCOMPARE(MainWindow::tr("Auto-posted %n recurring transaction(s)", nullptr, 0),
             QStringLiteral("0 wiederkehrende Buchungen automatisch gebucht"));
    QCOMPARE(QCoreApplication::translate("ImportScreen", "%n transaction(s) imported", nullptr, 21),
             QStringLiteral("21 Buchungen importiert"));
    // The same English text under two comments is two German texts.
    QCOMPARE(QCoreApplication::translate("RecurringFormDialog", "day(s)", "repeat every", 1), QStringLiteral("Tag"));
    QCOMPARE(QCoreApplication::translate("RecurringFormDialog", "week(s)", "repeat every", 3), QStringLiteral("Wochen"));
}

void TestTranslations::languageWithoutCatalogueSpeaksEnglish()
{
    const QList<QTranslator*> german = qApp->findChildren<QTranslator*>();
    for (QTranslator* translator : german)
        QCoreApplication::removeTranslator(translator);
    const auto restoreGerman = qScopeGuard([&german] {
        for (QTranslator* translator : german)
            QCoreApplication::installTranslator(translator);
    });

    LanguageCatalogues unknown(QStringLiteral("xx"));
    QCOMPARE(unknown.language(), QStringLiteral("en"));
    QCOMPARE(MainWindow::tr("&File"), QStringLiteral("&File"));
    // A count still reads in English, never "(s)".
    QCOMPARE(MainWindow::tr("Auto-posted %n recurring transaction(s)", nullptr, 1),
             QStringLiteral("Auto-posted 1 recurring transaction"));
    // Qt's own buttons stay English with the rest.
    QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancel"));
}

void TestTranslations::mainWindowShowsGermanMenus()
{
    TestDataDir dataDir;
    AppState state;
    QVERIFY(state.initialize());
    MainWindow window(&state);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QStringList titles;
    QSet<QChar> barKeys;
    for (QAction* menuAction : window.menuBar()->actions()) {
        if (!menuAction->isVisible())
            continue;
        titles.append(menuAction->text());
        const QChar key = mnemonicLetter(menuAction->text());
        QVERIFY2(!key.isNull() && !barKeys.contains(key), qPrintable(menuAction->text()));
        barKeys.insert(key);
        // Each entry of a menu (and of its submenus) is reached by a key of
        // its own.
        QList<QMenu*> menus{menuAction->menu()};
        while (!menus.isEmpty()) {
            QMenu* menu = menus.takeFirst();
            QSet<QChar> keys;
            for (QAction* action : menu->actions()) {
                if (action->isSeparator())
                    continue;
                if (action->menu())
                    menus.append(action->menu());
                const QChar actionKey = mnemonicLetter(action->text());
                QVERIFY2(!actionKey.isNull() && !keys.contains(actionKey),
                         qPrintable(menu->title() + QStringLiteral(" › ") + action->text()));
                keys.insert(actionKey);
            }
        }
    }
    QCOMPARE(titles, (QStringList{QStringLiteral("&Datei"), QStringLiteral("&Konto"), QStringLiteral("B&uchungen"),
                                  QStringLiteral("Be&richte"), QStringLiteral("E&xtras"), QStringLiteral("&Hilfe")}));
    auto* reconcile = window.findChild<QAction*>(QStringLiteral("reconcileAction"));
    QVERIFY(reconcile);
    QCOMPARE(reconcile->text(), QStringLiteral("&Abgleichen..."));

    // Qt's own buttons speak German too.
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
}

int main(int argc, char* argv[])
{
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Tandrel"));
    QCoreApplication::setApplicationName(QStringLiteral("Ledgerine"));
    QSettings().setValue(QStringLiteral("ui/language"), QStringLiteral("de"));
    Application app(argc, argv);
    TestTranslations test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_translations.moc"
