#include "appstate/ThemeHelpers.h"
#include "appstate/ThemeManager.h"
#include "storage/Database.h"
#include "storage/PreferencesRepository.h"
#include "tests/support/TestDataDir.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

#include <algorithm>
#include <memory>

namespace {

// The strongest contrast that any pixel of the area reaches against the
// background: for an unchecked indicator, that of its outline.
qreal strongestContrast(const QImage& image, const QRect& area, const QColor& background)
{
    qreal strongest = 1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            strongest = std::max(strongest, contrastRatio(image.pixelColor(x, y), background));
    }
    return strongest;
}

QByteArray describe(const QObject* object, qreal contrast)
{
    return object->metaObject()->className() + QByteArray(": ") + QByteArray::number(contrast);
}

} // namespace

class TestTheme : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void fontScaleIsClampedAndStored_data();
    void fontScaleIsClampedAndStored();
    void repeatedScalingDoesNotCompound();
    void rescalingRefontsMarkedWidgetsKeepingWeightAndItalic();
    void accentRestylesOnlyMarkedButtons();
    void themeNamesPickPaletteAndSharedColours();
    void restoreAppliesStoredValuesWithoutWriting();
    void uiLanguageFallsBackToSystem();
    void contrastRatioFollowsWcag();
    void uncheckedIndicatorsStandOut_data();
    void uncheckedIndicatorsStandOut();
    void accentButtonRingAndLabelStandOut_data();
    void accentButtonRingAndLabelStandOut();

private:
    QTemporaryDir m_settingsDir;
    std::unique_ptr<TestDataDir> m_dataDir;
    std::unique_ptr<Database> m_db;
    std::unique_ptr<PreferencesRepository> m_preferences;
    std::unique_ptr<ThemeManager> m_theme;
};

void TestTheme::initTestCase()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
}

void TestTheme::init()
{
    setFontScalePercent(kDefaultFontScalePercent);
    setCurrentAccentColor(QColor(QString::fromLatin1(kDefaultAccentColor)));
    m_dataDir = std::make_unique<TestDataDir>();
    m_db = std::make_unique<Database>();
    QVERIFY(m_db->open());
    m_preferences = std::make_unique<PreferencesRepository>(m_db.get());
    m_theme = std::make_unique<ThemeManager>(m_preferences.get());
}

void TestTheme::cleanup()
{
    m_theme.reset();
    m_preferences.reset();
    m_db.reset();
    m_dataDir.reset();
}

void TestTheme::fontScaleIsClampedAndStored_data()
{
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("applied");
    QTest::newRow("below the range") << 50 << 70;
    QTest::newRow("lowest") << 70 << 70;
    QTest::newRow("inside") << 115 << 115;
    QTest::newRow("highest") << 160 << 160;
    QTest::newRow("above the range") << 400 << 160;
}

void TestTheme::fontScaleIsClampedAndStored()
{
    QFETCH(int, requested);
    QFETCH(int, applied);
    QSignalSpy changed(m_theme.get(), &ThemeManager::fontScaleChanged);

    m_theme->setFontScale(requested);

    QCOMPARE(fontScalePercent(), applied);
    QCOMPARE(m_preferences->getInt(QStringLiteral("fontScale"), 0), applied);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.first().first().toInt(), applied);
}

void TestTheme::repeatedScalingDoesNotCompound()
{
    const qreal original = fontForRole(FontRole::Body).pointSizeF();
    m_theme->setFontScale(150);
    m_theme->setFontScale(150);
    QCOMPARE(fontForRole(FontRole::Body).pointSizeF(), original * 1.5);
    QCOMPARE(QApplication::font().pointSizeF(), original * 1.5);
    m_theme->setFontScale(100);
    QCOMPARE(fontForRole(FontRole::Body).pointSizeF(), original);
    QCOMPARE(fontForRole(42), fontForRole(FontRole::Body));
}

void TestTheme::rescalingRefontsMarkedWidgetsKeepingWeightAndItalic()
{
    QWidget window;
    auto* total = new QLabel(&window);
    applyFontRoleAndWeight(total, FontRole::Title, QFont::Black);
    auto* caption = new QLabel(&window);
    caption->setProperty(kFontItalicProperty, true);
    applyFontRole(caption, FontRole::Caption);
    auto* plain = new QLabel(&window);
    QFont ownFont = plain->font();
    ownFont.setPointSizeF(21);
    plain->setFont(ownFont);
    QCOMPARE(total->font().weight(), QFont::Black);

    m_theme->setFontScale(130);

    QCOMPARE(total->font().pointSizeF(), fontForRole(FontRole::Title).pointSizeF());
    QCOMPARE(total->font().weight(), QFont::Black);
    QCOMPARE(caption->font().pointSizeF(), fontForRole(FontRole::Caption).pointSizeF());
    QVERIFY(caption->font().italic());
    QCOMPARE(caption->font().weight(), QFont::Normal);
    QCOMPARE(plain->font().pointSizeF(), 21.0);

    applyFontRoleAndWeight(nullptr, FontRole::Title, QFont::Bold);
    applyFontRole(nullptr, FontRole::Title);
}

void TestTheme::accentRestylesOnlyMarkedButtons()
{
    QWidget window;
    auto* marked = new QPushButton(&window);
    markAccentButton(marked);
    auto* unmarked = new QPushButton(&window);
    unmarked->setStyleSheet(QStringLiteral("color: red;"));
    QVERIFY(marked->styleSheet().contains(QLatin1String("#00897b")));
    QSignalSpy changed(m_theme.get(), &ThemeManager::accentChanged);

    m_theme->setAccentColor(QColor(QStringLiteral("#3949AB")));

    QCOMPARE(currentAccentColor(), QColor(QStringLiteral("#3949AB")));
    QVERIFY(marked->styleSheet().contains(QLatin1String("#3949ab")));
    QVERIFY(!marked->styleSheet().contains(QLatin1String("#00897b")));
    QCOMPARE(unmarked->styleSheet(), QStringLiteral("color: red;"));
    QCOMPARE(m_preferences->getString(QStringLiteral("accentColor")), QStringLiteral("#3949ab"));
    QCOMPARE(QApplication::palette().color(QPalette::Highlight), QColor(QStringLiteral("#3949AB")));
    QCOMPARE(changed.size(), 1);

    m_theme->setAccentColor(QColor());
    QCOMPARE(changed.size(), 1);
    QCOMPARE(currentAccentColor(), QColor(QStringLiteral("#3949AB")));
}

void TestTheme::themeNamesPickPaletteAndSharedColours()
{
    QSignalSpy changed(m_theme.get(), &ThemeManager::themeChanged);

    m_theme->setThemeByName(QStringLiteral("dark"));
    QVERIFY(isDarkTheme());
    QCOMPARE(m_theme->theme(), ThemeManager::Theme::Dark);
    QCOMPARE(negativeAmountColor(), QColor(QStringLiteral("#FF8A80")));
    QCOMPARE(positiveAmountColor(), QColor(QStringLiteral("#66BB6A")));
    QCOMPARE(warningColor(), QColor(QStringLiteral("#FFA726")));
    QCOMPARE(m_preferences->getString(QStringLiteral("theme")), QStringLiteral("dark"));

    m_theme->setThemeByName(QStringLiteral("light"));
    QVERIFY(!isDarkTheme());
    QCOMPARE(negativeAmountColor(), QColor(QStringLiteral("#C62828")));
    QCOMPARE(positiveAmountColor(), QColor(QStringLiteral("#2E7D32")));
    QCOMPARE(warningColor(), QColor(QStringLiteral("#E65100")));
    QCOMPARE(mutedCaptionColor(), QColor(QStringLiteral("#6E8A7E")));

    m_theme->setThemeByName(QStringLiteral("Dark mode please"));
    QCOMPARE(m_theme->theme(), ThemeManager::Theme::System);
    QCOMPARE(m_preferences->getString(QStringLiteral("theme")), QStringLiteral("system"));
    QCOMPARE(changed.size(), 3);
}

void TestTheme::restoreAppliesStoredValuesWithoutWriting()
{
    m_preferences->set(QStringLiteral("theme"), QStringLiteral("dark"));
    m_preferences->setInt(QStringLiteral("fontScale"), 500);
    m_preferences->set(QStringLiteral("accentColor"), QStringLiteral("#123456"));
    QSignalSpy written(m_preferences.get(), &PreferencesRepository::changed);

    m_theme->restoreFromPreferences();

    QCOMPARE(m_theme->theme(), ThemeManager::Theme::Dark);
    QVERIFY(isDarkTheme());
    QCOMPARE(fontScalePercent(), kMaxFontScalePercent);
    QCOMPARE(currentAccentColor(), QColor(QStringLiteral("#123456")));
    QCOMPARE(written.size(), 0);
}

void TestTheme::uiLanguageFallsBackToSystem()
{
    QSettings().remove(QStringLiteral("ui/language"));
    QCOMPARE(currentUiLanguage(false), QStringLiteral("system"));
    QCOMPARE(currentUiLanguage(true), QLocale::system().name().section(QLatin1Char('_'), 0, 0));
    setUiLanguage(QStringLiteral("de"));
    QCOMPARE(currentUiLanguage(false), QStringLiteral("de"));
    QCOMPARE(currentUiLanguage(true), QStringLiteral("de"));
}

void TestTheme::contrastRatioFollowsWcag()
{
    QCOMPARE(relativeLuminance(Qt::black), 0.0);
    QCOMPARE(relativeLuminance(Qt::white), 1.0);
    QCOMPARE(contrastRatio(Qt::black, Qt::white), 21.0);
    QCOMPARE(contrastRatio(QColor(0x3A, 0x48, 0x42), QColor(0x3A, 0x48, 0x42)), 1.0);
    // Grey #777 on white is the usual example of just missing 4.5:1.
    const qreal grey = contrastRatio(QColor(0x77, 0x77, 0x77), Qt::white);
    QVERIFY2(qAbs(grey - 4.48) < 0.01, QByteArray::number(grey).constData());
    QCOMPARE(contrastRatio(Qt::white, QColor(0x77, 0x77, 0x77)), grey);
    // Green weighs most.
    QVERIFY(contrastRatio(Qt::green, Qt::black) > 5 * contrastRatio(Qt::blue, Qt::black));
}

void TestTheme::uncheckedIndicatorsStandOut_data()
{
    QTest::addColumn<QString>("theme");
    QTest::newRow("dark") << QStringLiteral("dark");
    QTest::newRow("light") << QStringLiteral("light");
}

void TestTheme::uncheckedIndicatorsStandOut()
{
    QFETCH(QString, theme);
    m_theme->setThemeByName(theme);

    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    // No text, so that the indicator is all a button draws; the last two
    // are disabled.
    const QList<QAbstractButton*> buttons{new QCheckBox, new QRadioButton, new QCheckBox, new QRadioButton};
    for (int i = 0; i < buttons.size(); ++i) {
        buttons[i]->setEnabled(i < 2);
        layout->addWidget(buttons[i]);
    }
    // A plain row and an alternate one, as a reconciliation table shows them.
    QStandardItemModel model(2, 1);
    for (int row = 0; row < model.rowCount(); ++row) {
        auto* item = new QStandardItem;
        item->setCheckable(true);
        model.setItem(row, item);
    }
    auto* view = new QTableView;
    view->setModel(&model);
    view->setAlternatingRowColors(true);
    layout->addWidget(view);
    const QImage image = window.grab().toImage();
    const QColor background = image.pixelColor(0, 0);
    QCOMPARE(background, window.palette().color(QPalette::Window));

    for (int i = 0; i < 2; ++i) {
        const qreal enabled = strongestContrast(image, buttons[i]->geometry(), background);
        QVERIFY2(enabled >= 3.0, describe(buttons[i], enabled).constData());
        // Disabled stays visible but plainly weaker.
        const qreal disabled = strongestContrast(image, buttons[i + 2]->geometry(), background);
        QVERIFY2(disabled >= 2.0 && disabled < enabled - 0.5, describe(buttons[i + 2], disabled).constData());
    }
    for (int row = 0; row < model.rowCount(); ++row) {
        const QRect cell = view->visualRect(model.index(row, 0)).translated(view->viewport()->mapTo(&window, QPoint()));
        const QColor cellBackground = image.pixelColor(cell.right() - 3, cell.center().y());
        const qreal contrast = strongestContrast(image, cell.adjusted(1, 1, -1, -1), cellBackground);
        QVERIFY2(contrast >= 3.0, describe(view, contrast).constData());
    }
}

void TestTheme::accentButtonRingAndLabelStandOut_data()
{
    QTest::addColumn<QString>("theme");
    QTest::addColumn<QColor>("accent");
    for (const QString& theme : {QStringLiteral("dark"), QStringLiteral("light")}) {
        QTest::addRow("%s, default teal", qPrintable(theme))
            << theme << QColor(QString::fromLatin1(kDefaultAccentColor));
        QTest::addRow("%s, pale yellow", qPrintable(theme)) << theme << QColor(QStringLiteral("#FFEB3B"));
        QTest::addRow("%s, deep indigo", qPrintable(theme)) << theme << QColor(QStringLiteral("#1A237E"));
    }
}

void TestTheme::accentButtonRingAndLabelStandOut()
{
    QFETCH(QString, theme);
    QFETCH(QColor, accent);
    m_theme->setThemeByName(theme);
    m_theme->setAccentColor(accent);

    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* previous = new QPushButton(QStringLiteral("Back"), &window);
    auto* button = new QPushButton(QStringLiteral("Create Your First Account"), &window);
    markAccentButton(button);
    layout->addWidget(previous);
    layout->addWidget(button);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    previous->setFocus();
    const QSize size = button->size();
    const QSize sizeHint = button->sizeHint();
    const QImage unfocused = window.grab().toImage();

    QTest::keyClick(previous, Qt::Key_Tab);
    QVERIFY(button->hasFocus());
    const QImage focused = window.grab().toImage();

    // The ring lies in the room the button keeps around its fill; measured
    // halfway down its left side, where it runs straight, with the window
    // beside it.
    const QRect geometry = button->geometry();
    const QRect ring(geometry.left(), geometry.center().y() - 2, kAccentFocusRingWidth, 5);
    const QColor background = focused.pixelColor(geometry.left() - 1, geometry.center().y());
    QCOMPARE(background, window.palette().color(QPalette::Window));
    QVERIFY(strongestContrast(unfocused, ring, background) < 1.1);
    const qreal contrast = strongestContrast(focused, ring, background);
    QVERIFY2(contrast >= 3.0, qPrintable(QString::number(contrast)));
    // A gap of window colour parts the ring from the fill, so the ring shows
    // even when the accent is close to the colour it gets.
    QVERIFY(strongestContrast(focused, ring.translated(kAccentFocusRingWidth, 0), background) < 1.1);
    QCOMPARE(button->size(), size);
    QCOMPARE(button->sizeHint(), sizeHint);

    // A pale accent must not swallow the label either (white on the default
    // teal gets 4.3:1). Measured inside the fill, clear of its rounded corners.
    const int inset = kAccentButtonMargin + kAccentButtonRadius;
    const QRect fill = geometry.adjusted(inset, kAccentButtonMargin, -inset, -kAccentButtonMargin);
    const QColor fillColor = focused.pixelColor(fill.left(), fill.center().y());
    QCOMPARE(fillColor, accent);
    const qreal label = strongestContrast(focused, fill, fillColor);
    QVERIFY2(label >= 4.0, qPrintable(QString::number(label)));
}

QTEST_MAIN(TestTheme)
#include "tst_theme.moc"
