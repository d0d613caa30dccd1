#include "appstate/ThemeHelpers.h"
#include "screens/WelcomeScreen.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

namespace {

const QString kFirstRunTitle = QStringLiteral("Welcome to\nTandrel Ledgerine");
const QString kFirstRunCreate = QStringLiteral("Create Your First Account");
const QString kFirstRunSignIn = QStringLiteral("Already have an account? Sign In");
const QString kReturningCreate = QStringLiteral("Create a different account");
const QString kReturningSignIn = QStringLiteral("Sign In");
const QString kSessionEnded = QStringLiteral("Your session has ended. Sign back in to keep syncing.");

template <typename Widget>
Widget* withText(const WelcomeScreen& page, const QString& text)
{
    const auto widgets = page.findChildren<Widget*>();
    for (Widget* widget : widgets) {
        if (widget->text() == text)
            return widget;
    }
    return nullptr;
}

QWidget* card(const WelcomeScreen& page)
{
    return page.findChild<QWidget*>(QStringLiteral("HowItWorksCard"));
}

QString colorSheet(const QColor& color) { return textColorStyleSheet(color); }

// Everything the page's states change, widget by widget, so that two looks
// can be compared whole.
QStringList look(const WelcomeScreen& page)
{
    QStringList lines;
    const auto widgets = page.findChildren<QWidget*>();
    for (const QWidget* widget : widgets) {
        QString line = QString::fromLatin1(widget->metaObject()->className()) + u' ' + widget->objectName()
            + u" hidden=" + QString::number(widget->isHidden()) + u" min="
            + QString::number(widget->minimumHeight()) + u" sheet=" + widget->styleSheet();
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            line += u" text=" + label->text();
        if (const auto* button = qobject_cast<const QPushButton*>(widget))
            line += u" text=" + button->text() + u" flat=" + QString::number(button->isFlat());
        lines.append(line);
    }
    return lines;
}

// A word-wrapped label given less height than its text needs is cut off.
bool allWrappedTextFits(const WelcomeScreen& page)
{
    const auto labels = page.findChildren<QLabel*>();
    for (const QLabel* label : labels) {
        if (label->wordWrap() && label->isVisible() && label->height() < label->heightForWidth(label->width())) {
            qWarning() << "cut off:" << label->text().left(40) << label->size();
            return false;
        }
    }
    return true;
}

} // namespace

class TestWelcomeScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void eachStateHasItsTextsAndMainButton_data();
    void eachStateHasItsTextsAndMainButton();
    void switchingBackRestoresTheFirstRunLook();
    void buttonsKeepTheirSignalsInBothStates_data();
    void buttonsKeepTheirSignalsInBothStates();
    void coloursFollowAThemeChange();
    void columnIsCappedAndScrollsOnlyVertically();

private:
    QPalette m_lightPalette;
};

void TestWelcomeScreen::initTestCase()
{
    m_lightPalette = QApplication::palette();
    QVERIFY(!isDarkTheme());
}

void TestWelcomeScreen::cleanup()
{
    setFontScalePercent(kDefaultFontScalePercent);
    QApplication::setPalette(m_lightPalette);
    setCurrentAccentColor(QColor(QString::fromLatin1(kDefaultAccentColor)));
}

void TestWelcomeScreen::eachStateHasItsTextsAndMainButton_data()
{
    QTest::addColumn<bool>("signedInBefore");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("subtitle");
    QTest::addColumn<QString>("mainText");
    QTest::addColumn<QString>("secondaryText");

    QTest::newRow("first run") << false << kFirstRunTitle << QStringLiteral("A digital check register.")
                               << kFirstRunCreate << kFirstRunSignIn;
    QTest::newRow("returning user") << true << QStringLiteral("Welcome back")
                                    << QStringLiteral("Sign in to keep your data synced across devices.")
                                    << kReturningSignIn << kReturningCreate;
}

void TestWelcomeScreen::eachStateHasItsTextsAndMainButton()
{
    QFETCH(bool, signedInBefore);
    QFETCH(QString, title);
    QFETCH(QString, subtitle);
    QFETCH(QString, mainText);
    QFETCH(QString, secondaryText);

    WelcomeScreen page(nullptr);
    if (signedInBefore)
        page.setHasSignedInBefore(true);
    const QString lighterAccent = colorSheet(currentAccentColor().lighter(135));

    QLabel* titleLabel = withText<QLabel>(page, title);
    QVERIFY(titleLabel);
    QCOMPARE(titleLabel->property("tandFontRole").toInt(), int(FontRole::Headline));
    QCOMPARE(withText<QLabel>(page, subtitle)->styleSheet(), colorSheet(QColor(0x4A, 0x63, 0x58)));
    QCOMPARE(withText<QLabel>(page, kSessionEnded)->isHidden(), !signedInBefore);
    QCOMPARE(card(page)->isHidden(), signedInBefore);
    QCOMPARE(card(page)->styleSheet(),
             QStringLiteral("#HowItWorksCard { border: 1px solid #D8E0DB; border-radius: 10px; }"));
    QCOMPARE(withText<QLabel>(page, QStringLiteral("3."))->styleSheet(), lighterAccent);

    QPushButton* mainButton = withText<QPushButton>(page, mainText);
    QVERIFY(mainButton);
    QVERIFY(!mainButton->isFlat());
    QCOMPARE(mainButton->minimumHeight(), 40 + 2 * kAccentButtonMargin);
    QCOMPARE(mainButton->styleSheet(), accentButtonStyleSheet());
    // Only the main button takes accent changes and the accent focus ring.
    QVERIFY(mainButton->property(kAccentButtonProperty).toBool());

    QPushButton* secondaryButton = withText<QPushButton>(page, secondaryText);
    QVERIFY(secondaryButton);
    QVERIFY(secondaryButton->isFlat());
    QCOMPARE(secondaryButton->minimumHeight(), 0);
    QVERIFY(!secondaryButton->property(kAccentButtonProperty).toBool());
    QCOMPARE(secondaryButton->styleSheet(), lighterAccent);
}

void TestWelcomeScreen::switchingBackRestoresTheFirstRunLook()
{
    WelcomeScreen page(nullptr);
    const QStringList firstRun = look(page);

    page.setHasSignedInBefore(true);
    QVERIFY(look(page) != firstRun);
    page.setHasSignedInBefore(false);
    QCOMPARE(look(page), firstRun);
    QVERIFY(!card(page)->isHidden());
}

void TestWelcomeScreen::buttonsKeepTheirSignalsInBothStates_data()
{
    QTest::addColumn<bool>("signedInBefore");
    QTest::addColumn<QString>("createText");
    QTest::addColumn<QString>("signInText");

    QTest::newRow("first run") << false << kFirstRunCreate << kFirstRunSignIn;
    QTest::newRow("returning user") << true << kReturningCreate << kReturningSignIn;
}

void TestWelcomeScreen::buttonsKeepTheirSignalsInBothStates()
{
    QFETCH(bool, signedInBefore);
    QFETCH(QString, createText);
    QFETCH(QString, signInText);

    WelcomeScreen page(nullptr);
    page.setHasSignedInBefore(signedInBefore);
    QSignalSpy createSpy(&page, &WelcomeScreen::createAccountRequested);
    QSignalSpy signInSpy(&page, &WelcomeScreen::signInRequested);

    QTest::mouseClick(withText<QPushButton>(page, signInText), Qt::LeftButton);
    QCOMPARE(signInSpy.count(), 1);
    QCOMPARE(createSpy.count(), 0);

    QTest::mouseClick(withText<QPushButton>(page, createText), Qt::LeftButton);
    QCOMPARE(createSpy.count(), 1);
    QCOMPARE(signInSpy.count(), 1);
}

void TestWelcomeScreen::coloursFollowAThemeChange()
{
    WelcomeScreen page(nullptr);
    page.setHasSignedInBefore(true);
    const QString oldAccentSheet = accentButtonStyleSheet();

    QPalette dark = m_lightPalette;
    dark.setColor(QPalette::Window, QColor(0x12, 0x1A, 0x17));
    QApplication::setPalette(dark);
    QVERIFY(isDarkTheme());
    const QColor accent(0x5C, 0x6B, 0xC0);
    setCurrentAccentColor(accent);
    page.applyThemeColors();

    const QString lighterAccent = colorSheet(accent.lighter(135));
    QCOMPARE(withText<QLabel>(page, QStringLiteral("Sign in to keep your data synced across devices."))->styleSheet(),
             colorSheet(QColor(0x8F, 0xAF, 0x9F)));
    QCOMPARE(card(page)->styleSheet(),
             QStringLiteral("#HowItWorksCard { border: 1px solid #2A4038; border-radius: 10px; }"));
    QCOMPARE(withText<QLabel>(page, kSessionEnded)->styleSheet(),
             lighterAccent);
    QCOMPARE(withText<QLabel>(page, QStringLiteral("2."))->styleSheet(), lighterAccent);
    QVERIFY(accentButtonStyleSheet() != oldAccentSheet);
    QCOMPARE(withText<QPushButton>(page, kReturningSignIn)->styleSheet(), accentButtonStyleSheet());
    QCOMPARE(withText<QPushButton>(page, kReturningCreate)->styleSheet(), lighterAccent);

    // The new colours also hold for the state the page switches to later.
    page.setHasSignedInBefore(false);
    QCOMPARE(withText<QPushButton>(page, kFirstRunCreate)->styleSheet(), accentButtonStyleSheet());
    QCOMPARE(withText<QPushButton>(page, kFirstRunSignIn)->styleSheet(), lighterAccent);
    QCOMPARE(withText<QLabel>(page, QStringLiteral("A digital check register."))->styleSheet(),
             colorSheet(QColor(0x8F, 0xAF, 0x9F)));
}

void TestWelcomeScreen::columnIsCappedAndScrollsOnlyVertically()
{
    // A large font scale and a long note stand in for a wordy translation.
    setFontScalePercent(160);
    WelcomeScreen page(nullptr);
    QLabel* note = withText<QLabel>(page, QStringLiteral("Works fully offline. Your data stays on this device."));
    note->setText(note->text().repeated(12));
    QWidget* column = note->parentWidget();
    QScrollArea* scrollArea = page.findChild<QScrollArea*>();
    QVERIFY(scrollArea);

    page.resize(1400, 600);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QTRY_COMPARE(column->width(), 560);
    const int centre = column->mapTo(&page, column->rect().center()).x();
    QVERIFY(qAbs(centre - page.width() / 2) <= 10);
    QVERIFY(allWrappedTextFits(page));

    page.resize(420, 300);
    QTRY_VERIFY(scrollArea->verticalScrollBar()->isVisible());
    QVERIFY(column->width() < 560);
    QVERIFY(allWrappedTextFits(page));
    QVERIFY(!scrollArea->horizontalScrollBar()->isVisible());
    QCOMPARE(scrollArea->horizontalScrollBar()->maximum(), 0);
    // Scrolled to the end, the last button is reachable.
    scrollArea->verticalScrollBar()->setValue(scrollArea->verticalScrollBar()->maximum());
    QPushButton* signIn = withText<QPushButton>(page, kFirstRunSignIn);
    const QRect visible = scrollArea->viewport()->rect();
    QVERIFY(visible.contains(signIn->mapTo(scrollArea->viewport(), signIn->rect().bottomRight())));
}

QTEST_MAIN(TestWelcomeScreen)
#include "tst_welcomescreen.moc"
