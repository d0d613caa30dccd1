#include "app/StatusBar.h"

#include <QLabel>
#include <QtTest>

class TestStatusBar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void longMessageEndsInAnEllipsisBesideTheLabels();
    void recordsNotReadableShowBesideTheSyncState();
};

void TestStatusBar::longMessageEndsInAnEllipsisBesideTheLabels()
{
    StatusBar bar;
    bar.setSizeGripEnabled(false);
    bar.setDueCount(3);
    bar.setSyncText(QStringLiteral("Syncing..."));
    bar.resize(700, bar.sizeHint().height());
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));

    const QString shortMessage = QStringLiteral("Sync complete");
    bar.showMessage(shortMessage, 5000);
    QCOMPARE(bar.shownMessage(), shortMessage);
    QCOMPARE(bar.toolTip(), shortMessage);

    const QString longMessage =
        QStringLiteral("Update check failed: current version 1.1.4 is older than min_upgradable_from 1.2.0; "
                       "please upgrade to an intermediate release first");
    bar.showMessage(longMessage, 5000);
    const QString shown = bar.shownMessage();
    QVERIFY(shown.endsWith(QChar(0x2026)));
    QVERIFY(longMessage.startsWith(shown.chopped(1)));
    // Nothing of it under the labels on the right.
    const int leftmostLabel = bar.findChild<QLabel*>(QStringLiteral("dueCountLabel"))->x();
    QVERIFY(bar.fontMetrics().horizontalAdvance(shown) < leftmostLabel);
    // The whole message stays within reach while it is shown.
    QCOMPARE(bar.toolTip(), longMessage);
    const QImage painted = bar.grab().toImage();
    QVERIFY(!painted.isNull());

    // With the room a wider window gives, it is whole again.
    bar.resize(4000, bar.height());
    QCOMPARE(bar.shownMessage(), longMessage);

    bar.clearMessage();
    QVERIFY(bar.toolTip().isEmpty());
}

void TestStatusBar::recordsNotReadableShowBesideTheSyncState()
{
    StatusBar bar;
    bar.setSyncText(QStringLiteral("Synced"));
    bar.setRecordsNotReadable(4);
    QVERIFY(bar.syncText().startsWith(QStringLiteral("Synced")) && bar.syncText().contains(u'4'));
    bar.setRecordsNotReadable(0);
    QCOMPARE(bar.syncText(), QStringLiteral("Synced"));
    // Signed out, nothing of the sync shows.
    bar.setRecordsNotReadable(2);
    bar.setSyncText(QString());
    QVERIFY(bar.findChild<QLabel*>(QStringLiteral("syncStateLabel"))->isHidden());
}

QTEST_MAIN(TestStatusBar)
#include "tst_statusbar.moc"
