#include "account/NewestAnswer.h"

#include <QTest>

#include <memory>

using TandAccount::NewestAnswer;

class NewestAnswerTest : public QObject
{
    Q_OBJECT

private slots:
    void onlyTheNewestTicketCounts();
};

void NewestAnswerTest::onlyTheNewestTicketCounts()
{
    auto holder = std::make_unique<NewestAnswer>();
    const NewestAnswer::Ticket first = holder->next();
    QVERIFY(first.counts());
    const NewestAnswer::Ticket second = holder->next();
    QVERIFY(!first.counts());
    QVERIFY(second.counts());

    // Dropped, no ticket so far counts; the next one does.
    holder->dropAll();
    QVERIFY(!second.counts());
    const NewestAnswer::Ticket third = holder->next();
    QVERIFY(third.counts());

    // Another holder's tickets are its own.
    NewestAnswer other;
    const NewestAnswer::Ticket elsewhere = other.next();
    QVERIFY(elsewhere.counts() && third.counts());

    // A holder that is gone takes its tickets with it.
    holder.reset();
    QVERIFY(!third.counts());
}

QTEST_GUILESS_MAIN(NewestAnswerTest)
#include "tst_newestanswer.moc"
