#include "tests/register/RegisterTestData.h"

#include "screens/PayeeScreen.h"
#include "storage/Database.h"
#include "tests/support/ModalWatcher.h"
#include "tests/support/TestDataDir.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTreeView>
#include <QtTest>

#include <memory>

using namespace registertest;

class TestPayeeScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void listsPayeesWithCountsAndFilters();
    void mergeGoesIntoTheTopSelectedPayee();
    void aFailedRenameSaysSoAndChangesNothing();
    void renameFieldFollowsTheSelection();
    void typedNameStaysAndARenameThatMergesAsks();

private:
    // "Payee count" for each row as shown.
    QStringList shown() const;
    void select(const QStringList& payees);
    // Answers a question with m_reply and anything else with OK, noting
    // each title and text.
    std::function<void(QWidget*)> answer();

    std::unique_ptr<TestDataDir> m_dir;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<PayeeScreen> m_screen;
    QTreeView* m_view = nullptr;
    QLineEdit* m_renameEdit = nullptr;
    QStringList m_titles;
    QStringList m_texts;
    QMessageBox::StandardButton m_reply = QMessageBox::Yes;
};

void TestPayeeScreen::init()
{
    m_dir = std::make_unique<TestDataDir>();
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->initialize());
    const Account account = addAccount(*m_state, QStringLiteral("Checking"));
    for (const char* payee : {"Shell", "Shell #42", "Shell #42", "Bakery", "Shell Oil"})
        addTransaction(*m_state, account.id, QDate(2025, 2, 1), -100, QString::fromUtf8(payee));

    m_screen = std::make_unique<PayeeScreen>(m_state.get());
    m_view = m_screen->findChild<QTreeView*>();
    for (QLineEdit* edit : m_screen->findChildren<QLineEdit*>()) {
        if (!edit->placeholderText().startsWith(QLatin1String("Search")))
            m_renameEdit = edit;
    }
    m_titles.clear();
    m_screen->show();
}

void TestPayeeScreen::cleanup()
{
    m_screen.reset();
    m_state.reset();
    m_dir.reset();
}

QStringList TestPayeeScreen::shown() const
{
    QStringList rows;
    for (int row = 0; row < m_view->model()->rowCount(); ++row)
        rows << m_view->model()->index(row, PayeeScreen::PayeeColumn).data().toString() + u' '
                    + m_view->model()->index(row, PayeeScreen::CountColumn).data().toString();
    return rows;
}

void TestPayeeScreen::select(const QStringList& payees)
{
    m_view->clearSelection();
    // Picked from the bottom up: the order of the clicks does not count.
    for (int row = m_view->model()->rowCount() - 1; row >= 0; --row) {
        const QModelIndex index = m_view->model()->index(row, PayeeScreen::PayeeColumn);
        if (payees.contains(index.data().toString()))
            m_view->selectionModel()->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

std::function<void(QWidget*)> TestPayeeScreen::answer()
{
    return [this](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        QCOMPARE(box->textFormat(), Qt::PlainText);
        m_titles << box->windowTitle();
        m_texts << box->text();
        (box->button(m_reply) ? box->button(m_reply) : box->button(QMessageBox::Ok))->click();
    };
}

void TestPayeeScreen::listsPayeesWithCountsAndFilters()
{
    QCOMPARE(shown(), (QStringList{"Bakery 1", "Shell 1", "Shell #42 2", "Shell Oil 1"}));
    m_screen->findChild<QLineEdit*>()->setText(QStringLiteral("SHELL"));
    QCOMPARE(shown(), (QStringList{"Shell 1", "Shell #42 2", "Shell Oil 1"}));
}

void TestPayeeScreen::mergeGoesIntoTheTopSelectedPayee()
{
    QSignalSpy changed(m_screen.get(), &PayeeScreen::payeesChanged);
    select({QStringLiteral("Shell Oil"), QStringLiteral("Shell #42"), QStringLiteral("Shell")});
    ModalWatcher watcher(answer());
    m_screen->onMerge();
    QCOMPARE(m_titles, (QStringList{"Merge Payees", "Merge Complete"}));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(shown(), (QStringList{"Bakery 1", "Shell 4"}));
    QVERIFY(m_view->selectionModel()->selectedRows().isEmpty());

    // One payee is not a merge.
    select({QStringLiteral("Shell")});
    m_screen->onMerge();
    QCOMPARE(m_titles.last(), QStringLiteral("Merge"));
    QCOMPARE(changed.count(), 1);
}

void TestPayeeScreen::aFailedRenameSaysSoAndChangesNothing()
{
    QSignalSpy changed(m_screen.get(), &PayeeScreen::payeesChanged);
    auto* renameButton = m_screen->findChild<QPushButton*>();
    select({QStringLiteral("Bakery"), QStringLiteral("Shell")});
    // No name to rename to: nothing to do.
    m_renameEdit->clear();
    QVERIFY(!renameButton->isEnabled());

    QSqlQuery trigger(m_state->database()->connection());
    QVERIFY(trigger.exec(QStringLiteral("CREATE TEMP TRIGGER refuse BEFORE UPDATE ON transactions "
                                        "WHEN OLD.payee = 'Shell' BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    m_renameEdit->setText(QStringLiteral("Corner Shop"));
    QVERIFY(renameButton->isEnabled());
    ModalWatcher watcher(answer());
    m_screen->onRename();
    // Two payees become one: asked first.
    QCOMPARE(m_titles, (QStringList{"Merge Payees", "Rename Failed"}));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(m_state->transactionRepository()->listPayees(),
             (QStringList{"Bakery", "Shell", "Shell #42", "Shell Oil"}));
}

void TestPayeeScreen::renameFieldFollowsTheSelection()
{
    select({QStringLiteral("Shell #42")});
    QCOMPARE(m_renameEdit->text(), QStringLiteral("Shell #42"));
    select({QStringLiteral("Shell Oil"), QStringLiteral("Bakery")});
    QCOMPARE(m_renameEdit->text(), QStringLiteral("Bakery"));
    m_view->clearSelection();
    QVERIFY(m_renameEdit->text().isEmpty());

    // After a rename the name typed for it is not offered again.
    select({QStringLiteral("Shell")});
    m_renameEdit->setText(QStringLiteral("Shell Station"));
    ModalWatcher watcher(answer());
    m_screen->onRename();
    QCOMPARE(m_titles, QStringList{"Rename Complete"});
    QVERIFY(m_renameEdit->text().isEmpty());

    // So a merge of two others goes into one of them, not into that name.
    select({QStringLiteral("Shell Oil"), QStringLiteral("Bakery")});
    m_screen->onMerge();
    QCOMPARE(shown(), (QStringList{"Bakery 2", "Shell #42 2", "Shell Station 1"}));
    QVERIFY(m_renameEdit->text().isEmpty());
}

void TestPayeeScreen::typedNameStaysAndARenameThatMergesAsks()
{
    select({QStringLiteral("Bakery")});
    QTest::keyClicks(m_renameEdit, QStringLiteral(" & Deli"));
    // Ctrl+click adds "Shell" to the selection; the typed name stays.
    const QRect shell = m_view->visualRect(m_view->model()->index(1, PayeeScreen::PayeeColumn));
    QTest::mouseClick(m_view->viewport(), Qt::LeftButton, Qt::ControlModifier, shell.center());
    QCOMPARE(m_renameEdit->text(), QStringLiteral("Bakery & Deli"));

    // Two payees would become one: asked first, naming them; No changes nothing.
    m_reply = QMessageBox::No;
    ModalWatcher watcher(answer());
    m_screen->onRename();
    QCOMPARE(m_titles, QStringList{"Merge Payees"});
    QVERIFY(m_texts.last().contains(QStringLiteral("Shell")) && m_texts.last().contains(QStringLiteral("Deli")));
    QCOMPARE(shown(), (QStringList{"Bakery 1", "Shell 1", "Shell #42 2", "Shell Oil 1"}));
    m_reply = QMessageBox::Yes;
    m_screen->onRename();
    QCOMPARE(shown(), (QStringList{"Bakery & Deli 2", "Shell #42 2", "Shell Oil 1"}));

    // So does a rename into a payee that exists.
    select({QStringLiteral("Shell Oil")});
    m_renameEdit->setText(QStringLiteral("Shell #42"));
    m_screen->onRename();
    QCOMPARE(m_titles.mid(3), (QStringList{"Merge Payees", "Rename Complete"}));
    QCOMPARE(shown(), (QStringList{"Bakery & Deli 2", "Shell #42 3"}));
}

QTEST_MAIN(TestPayeeScreen)
#include "tst_payeescreen.moc"
