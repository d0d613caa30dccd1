#include "bench/support/BenchLedger.h"

#include "storage/AccountRepository.h"
#include "storage/CategoryRepository.h"
#include "storage/Database.h"
#include "storage/ReconciliationRepository.h"
#include "storage/RecurringRepository.h"
#include "storage/SplitLineRepository.h"
#include "storage/TransactionRepository.h"

#include <QUuid>

namespace benchledger {

namespace {

QString uuidFor(const QString& name)
{
    return QUuid::createUuidV5(QUuid(), name).toString(QUuid::WithoutBraces);
}

QString transactionId(int i) { return uuidFor(QStringLiteral("transaction %1").arg(i)); }

} // namespace

QStringList accountIds()
{
    static const QStringList ids{uuidFor(QStringLiteral("checking")), uuidFor(QStringLiteral("savings")),
                                 uuidFor(QStringLiteral("visa"))};
    return ids;
}

QString categoryId(int i) { return uuidFor(QStringLiteral("category %1").arg(i % kCategories)); }

void fill(Database& db, int busier)
{
    AccountRepository accounts(&db);
    CategoryRepository categories(&db);
    TransactionRepository transactions(&db);
    SplitLineRepository splitLines(&db);
    RecurringRepository recurring(&db);
    ReconciliationRepository reconciliations(&db);
    const QStringList accountList = accountIds();
    const QDateTime created(kFirstDay, QTime(12, 0), Qt::UTC);

    db.connection().transaction();
    for (int i = 0; i < accountList.size(); ++i) {
        Account account;
        account.id = accountList.at(i);
        account.name = QStringLiteral("Account %1").arg(i);
        account.sort_order = i;
        account.created_at = account.updated_at = created;
        accounts.insert(account);
        for (int month = 0; month < 120; ++month) {
            Reconciliation statement;
            statement.id = uuidFor(QStringLiteral("%1 statement %2").arg(account.id).arg(month));
            statement.account_id = account.id;
            statement.statement_date = kFirstDay.addMonths(month + 1).addDays(-1);
            statement.statement_balance = statement.reconciled_balance = 100000 + month;
            statement.completed_at = statement.created_at = statement.updated_at = created.addMonths(month + 1);
            reconciliations.insert(statement);
        }
    }
    for (int i = 0; i < kCategories; ++i) {
        Category category;
        category.id = categoryId(i);
        category.name = QStringLiteral("Category %1").arg(i);
        category.is_tax_relevant = i % 8 == 0;
        category.tax_category = category.is_tax_relevant ? QStringLiteral("tax_%1").arg(i) : QString();
        category.created_at = category.updated_at = created;
        categories.insert(category);
    }
    for (int i = 0; i < 50; ++i) {
        RecurringTransaction item;
        item.id = uuidFor(QStringLiteral("recurring %1").arg(i));
        item.account_id = accountList.at(i % accountList.size());
        item.payee = QStringLiteral("Payee %1").arg(i);
        item.amount = -(1000 + i);
        item.category_id = categoryId(i);
        item.start_date = kFirstDay;
        item.next_due_date = kFirstDay.addYears(10);
        item.created_at = item.updated_at = created;
        recurring.insert(item);
    }
    for (int i = 0; i < kTransactions * busier; ++i) {
        Transaction t;
        t.id = transactionId(i);
        t.account_id = accountList.at(i % accountList.size());
        t.date = kFirstDay.addDays(i / (kTransactionsPerDay * busier));
        t.payee = QStringLiteral("Payee %1").arg(i % 300);
        t.memo = QStringLiteral("memo %1").arg(i % 50);
        t.amount = i % 9 == 0 ? 250000 : -(500 + i % 20000);
        t.category_id = categoryId(i);
        t.cleared = i % 4 != 0;
        t.is_split = i % 10 == 1;
        // Transfers come in pairs that name each other, as the register makes them.
        if (i % 20 == 3 || i % 20 == 4) {
            const int other = i % 20 == 3 ? i + 1 : i - 1;
            t.transfer_link_id = transactionId(other);
            t.transfer_dest_account_id = accountList.at(other % accountList.size());
        }
        if (t.is_split)
            t.category_id.clear();
        t.created_at = created.addSecs(i);
        t.updated_at = t.created_at;
        transactions.insert(t);
        if (t.is_split) {
            splitLines.insert(SplitLine{t.id + QStringLiteral("-a"), t.id, categoryId(i + 1), t.amount / 2, {},
                                        created, created});
            splitLines.insert(SplitLine{t.id + QStringLiteral("-b"), t.id, categoryId(i + 2),
                                        t.amount - t.amount / 2, {}, created, created});
        }
    }
    for (int i = 0; i < kCategories; i += 13)
        categories.softDelete(categoryId(i));
    db.connection().commit();
}

} // namespace benchledger
