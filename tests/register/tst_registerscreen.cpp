#include "RegisterTestData.h"

#include "appstate/AppState.h"
#include "register/RegisterModel.h"
#include "register/RegisterScreen.h"
#include "storage/PreferencesRepository.h"
#include "tests/support/TestDataDir.h"

#include <QApplication>
#include <QHeaderView>
#include <QTableView>
#include <QToolTip>
#include <QtTest>

#include <memory>

using namespace registertest;

class TestRegisterScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void keepsTheCurrentTransactionAcrossReloads();
    void selectsTheRowThatTookADeletedOnesPlace();
    void anotherAccountOpensAtItsNewestRow();
    void columnsWidenWithALargerFont();
    void elidedTextShowsInFullAsATooltip();

private:
    std::unique_ptr<TestDataDir> m_dir;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<RegisterScreen> m_screen;
    QTableView* m_view = nullptr;
    Account m_account;
};

void TestRegisterScreen::init()
{
    m_dir = std::make_unique<TestDataDir>();
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->initialize());
    m_account = addAccount(*m_state, QStringLiteral("Checking"), 1000);
    m_screen = std::make_unique<RegisterScreen>(m_state.get());
    m_view = m_screen->findChild<QTableView*>();
    QVERIFY(m_view);
}

void TestRegisterScreen::cleanup()
{
    m_screen.reset();
    m_state.reset();
    m_dir.reset();
}

void TestRegisterScreen::keepsTheCurrentTransactionAcrossReloads()
{
    addTransaction(*m_state, m_account.id, QDate(2024, 1, 2), 500, QStringLiteral("Second"));
    const Transaction chosen = addTransaction(*m_state, m_account.id, QDate(2024, 1, 3), 500, QStringLiteral("Third"));
    m_screen->setAccount(m_account.id);
    m_view->setCurrentIndex(m_view->model()->index(1, 0));

    // An earlier transaction pushes the chosen one down a row.
    addTransaction(*m_state, m_account.id, QDate(2024, 1, 1), 500, QStringLiteral("First"));
    QTRY_COMPARE(m_view->model()->rowCount(), 3);
    QCOMPARE(m_view->currentIndex().row(), 2);
    QCOMPARE(m_view->model()->index(2, 2).data().toString(), chosen.payee);
}

void TestRegisterScreen::selectsTheRowThatTookADeletedOnesPlace()
{
    const Transaction gone = addTransaction(*m_state, m_account.id, QDate(2024, 1, 1), 500, QStringLiteral("Gone"));
    addTransaction(*m_state, m_account.id, QDate(2024, 1, 2), 500, QStringLiteral("Next"));
    m_screen->setAccount(m_account.id);
    m_view->setCurrentIndex(m_view->model()->index(0, 0));

    QVERIFY(m_state->transactionRepository()->softDelete(gone.id));
    QTRY_COMPARE(m_view->model()->rowCount(), 1);
    QCOMPARE(m_view->currentIndex().row(), 0);
    QCOMPARE(m_view->model()->index(0, 2).data().toString(), QStringLiteral("Next"));
}

void TestRegisterScreen::anotherAccountOpensAtItsNewestRow()
{
    const Account other = addAccount(*m_state, QStringLiteral("Savings"));
    addTransaction(*m_state, m_account.id, QDate(2024, 1, 1), 500, QStringLiteral("Here"));
    const QDate first(2020, 1, 1);
    for (int day = 0; day < 300; ++day)
        addTransaction(*m_state, other.id, first.addDays(day), 500, QStringLiteral("Day %1").arg(day));
    m_screen->resize(800, 300);
    m_screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    m_screen->setAccount(m_account.id);
    m_view->setCurrentIndex(m_view->model()->index(0, 0));

    const auto newestIsCurrentAndInView = [&](int row) {
        const QModelIndex current = m_view->currentIndex();
        return current.row() == row && current.siblingAtColumn(RegisterModel::PayeeColumn).data().toString() == u"Day 299"
            && m_view->viewport()->rect().contains(m_view->visualRect(current));
    };
    m_screen->setAccount(other.id);
    QVERIFY(newestIsCurrentAndInView(299));

    m_state->preferencesRepository()->setBool(QStringLiteral("registerNewestFirst"), true);
    m_screen->setAccount(m_account.id);
    m_screen->setAccount(other.id);
    QVERIFY(newestIsCurrentAndInView(0));
}

void TestRegisterScreen::columnsWidenWithALargerFont()
{
    QHeaderView* header = m_view->horizontalHeader();
    const QList<int> columns{RegisterModel::DateColumn, RegisterModel::PaymentColumn, RegisterModel::BalanceColumn};
    QList<int> before;
    for (const int column : columns)
        before << header->sectionSize(column);

    const QFont original = QApplication::font();
    QFont larger = original;
    larger.setPointSizeF(original.pointSizeF() * 2);
    QApplication::setFont(larger);
    for (int i = 0; i < columns.size(); ++i)
        QTRY_VERIFY(header->sectionSize(columns.at(i)) > before.at(i));
    QApplication::setFont(original);
}

void TestRegisterScreen::elidedTextShowsInFullAsATooltip()
{
    addTransaction(*m_state, m_account.id, QDate(2024, 1, 1), -500, QStringLiteral("Shell"));
    const QString longPayee = QStringLiteral("Springfield Electric & Gas <Company> of the Greater Metropolitan Area");
    addTransaction(*m_state, m_account.id, QDate(2024, 1, 2), -500, longPayee);
    m_screen->resize(1000, 300);
    m_screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    m_screen->setAccount(m_account.id);

    const auto toolTipAt = [&](int row) {
        const QRect cell = m_view->visualRect(m_view->model()->index(row, RegisterModel::PayeeColumn));
        QHelpEvent event(QEvent::ToolTip, cell.center(), m_view->viewport()->mapToGlobal(cell.center()));
        QApplication::sendEvent(m_view->viewport(), &event);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    QVERIFY(toolTipAt(0).isEmpty());
    const QString tip = toolTipAt(1);
    // The payee as plain text, never read as markup.
    QVERIFY2(tip.contains(QStringLiteral("&lt;Company&gt; of the Greater Metropolitan Area")), qPrintable(tip));
    QToolTip::hideText();
}

QTEST_MAIN(TestRegisterScreen)
#include "tst_registerscreen.moc"
