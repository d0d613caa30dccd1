#include "appstate/WindowPlacement.h"

#include <QtTest>

class TestWindowPlacement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void frameStaysWithinTheArea_data();
    void frameStaysWithinTheArea();
};

void TestWindowPlacement::frameStaysWithinTheArea_data()
{
    QTest::addColumn<QSize>("wanted");
    QTest::addColumn<QSize>("minimum");
    QTest::addColumn<QPoint>("centre");
    QTest::addColumn<QRect>("expected");

    // A panel takes the top 30 pixels of a 1280x800 screen; the frame adds
    // a 30-pixel title bar and 2-pixel borders.
    QTest::newRow("room to spare") << QSize(600, 400) << QSize(200, 100) << QPoint(640, 415)
                                   << QRect(339, 200, 604, 432);
    QTest::newRow("off the right and bottom edges")
        << QSize(600, 400) << QSize(200, 100) << QPoint(1200, 780) << QRect(676, 368, 604, 432);
    QTest::newRow("past the top left") << QSize(600, 400) << QSize(200, 100) << QPoint(0, 0)
                                       << QRect(0, 30, 604, 432);
    // 1200x900 at font scale 150 on an 800-pixel screen: its bottom edge stays in view.
    QTest::newRow("taller than the area") << QSize(1200, 900) << QSize(600, 300) << QPoint(640, 415)
                                          << QRect(39, 30, 1204, 770);
    QTest::newRow("wider than the area") << QSize(2000, 400) << QSize(600, 300) << QPoint(640, 415)
                                         << QRect(0, 200, 1280, 432);
    // Nothing smaller can hold it: the title bar and left edge stay in reach.
    QTest::newRow("minimum beyond the area") << QSize(1400, 500) << QSize(1400, 500) << QPoint(640, 415)
                                             << QRect(0, 150, 1404, 532);
}

void TestWindowPlacement::frameStaysWithinTheArea()
{
    QFETCH(QSize, wanted);
    QFETCH(QSize, minimum);
    QFETCH(QPoint, centre);
    QFETCH(QRect, expected);
    const QRect area(0, 30, 1280, 770);
    const QMargins frame(2, 30, 2, 2);
    QCOMPARE(WindowPlacement::frameWithin(wanted, minimum, frame, area, centre), expected);
}

QTEST_GUILESS_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
