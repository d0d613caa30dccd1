#include "tests/support/FakeBrowser.h"
#include "tests/support/OpenedUrls.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QTest>

#include <memory>

// The stand-ins for the browser share the open handlers: whichever goes
// first, the other still takes what the program opens.
class TestOpenedUrls : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newestTakesTheAddressesAndGivesThemBack();
};

void TestOpenedUrls::newestTakesTheAddressesAndGivesThemBack()
{
    const QUrl first("https://one.example.com/");
    const QUrl second("https://two.example.com/");
    const QUrl third("mailto:a@example.com");

    auto outer = std::make_unique<OpenedUrls>();
    {
        FakeBrowser browser;
        browser.setLoadsPages(false);
        QVERIFY(QDesktopServices::openUrl(first));
        QCOMPARE(browser.openedUrls(), QList<QUrl>{first});
        QVERIFY(outer->urls().isEmpty());
    }
    QVERIFY(QDesktopServices::openUrl(second));
    QCOMPARE(outer->urls(), QList<QUrl>{second});

    // The older one going first leaves the newer one holding them.
    FakeBrowser browser;
    browser.setLoadsPages(false);
    outer.reset();
    QVERIFY(QDesktopServices::openUrl(third));
    QCOMPARE(browser.openedUrls(), QList<QUrl>{third});
}

QTEST_MAIN(TestOpenedUrls)
#include "tst_openedurls.moc"
