#include "services/CategoryService.h"
#include "tests/support/TestStore.h"

#include <QSet>
#include <QSqlQuery>
#include <QtTest>

#include <memory>

class TestCategoryService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void seedsTreeWithDerivedIds();
    void idsComeFromUntranslatedNames();
    void seedsNothingWhileALiveCategoryExists();
    void softDeletedDefaultsStayDeleted();

private:
    std::unique_ptr<TestStore> m_store;
    std::unique_ptr<CategoryService> m_service;
};

void TestCategoryService::init()
{
    m_store = std::make_unique<TestStore>();
    m_service = std::make_unique<CategoryService>(&m_store->categories);
}

void TestCategoryService::cleanup()
{
    m_service.reset();
    m_store.reset();
}

void TestCategoryService::seedsTreeWithDerivedIds()
{
    const int written = m_service->seedDefaults();
    QVERIFY(written >= 30);
    QCOMPARE(m_store->categories.count(), written);

    const QList<Category> all = m_store->categories.listAll();
    QSet<QString> ids;
    for (const Category& category : all)
        ids.insert(category.id);
    QSet<CategoryType> types;
    for (const Category& category : all) {
        QVERIFY(category.is_default);
        QCOMPARE(category.version, 1);
        QCOMPARE(category.sync_status, SyncStatus::Pending);
        QCOMPARE(category.is_tax_relevant, !category.tax_category.isEmpty());
        if (!category.parent_id.isEmpty())
            QVERIFY2(ids.contains(category.parent_id), qPrintable(category.name));
        types.insert(category.category_type);
    }
    QCOMPARE(types.size(), 3);

    const std::optional<Category> groceries = m_store->categories.getById(QStringLiteral("690743c7-ae55-515e-a931-0b54d68c1b8a"));
    QVERIFY(groceries);
    QCOMPARE(groceries->name, QStringLiteral("Groceries"));
    QCOMPARE(groceries->parent_id, CategoryService::defaultCategoryId(QStringLiteral("Food"), {}, CategoryType::Expense));
}

void TestCategoryService::idsComeFromUntranslatedNames()
{
    // Fixed expectations from RFC 4122's version-5 algorithm: any device, any language.
    QCOMPARE(CategoryService::defaultCategoryId(QStringLiteral("Groceries"), QStringLiteral("Food"), CategoryType::Expense),
             QStringLiteral("690743c7-ae55-515e-a931-0b54d68c1b8a"));
    QCOMPARE(CategoryService::defaultCategoryId(QStringLiteral("Income"), QString(), CategoryType::Income),
             QStringLiteral("26495235-0a89-5d47-93db-fd361825dfdc"));
    QVERIFY(CategoryService::defaultCategoryId(QStringLiteral("Gifts"), {}, CategoryType::Expense)
            != CategoryService::defaultCategoryId(QStringLiteral("Gifts"), {}, CategoryType::Income));
}

void TestCategoryService::seedsNothingWhileALiveCategoryExists()
{
    QVERIFY(m_service->seedDefaults() > 0);
    const int count = m_store->categories.count();
    QCOMPARE(m_service->seedDefaults(), 0);
    QCOMPARE(m_store->categories.count(), count);

    // A user's own category alone also counts as a live category.
    QSqlQuery(m_store->db.connection()).exec(QStringLiteral("DELETE FROM categories"));
    Category own;
    own.id = QStringLiteral("own");
    own.name = QStringLiteral("Pets");
    QVERIFY(m_store->categories.insert(own));
    QCOMPARE(m_service->seedDefaults(), 0);
    QCOMPARE(m_store->categories.count(), 1);
}

void TestCategoryService::softDeletedDefaultsStayDeleted()
{
    const int total = m_service->seedDefaults();
    const QList<Category> seeded = m_store->categories.listAll();
    for (const Category& category : seeded)
        QVERIFY(m_store->categories.softDelete(category.id));

    // Every default id is taken by a deleted row: seeding succeeds, writes nothing, revives nothing.
    QCOMPARE(m_service->seedDefaults(), 0);
    QCOMPARE(m_store->categories.count(), 0);

    // Rows that are gone altogether are written again; the deleted ones stay deleted.
    QSqlQuery erase(m_store->db.connection());
    QVERIFY(erase.exec(QStringLiteral("DELETE FROM categories WHERE rowid % 2 = 0")));
    QSqlQuery remaining(QStringLiteral("SELECT COUNT(*) FROM categories"), m_store->db.connection());
    QVERIFY(remaining.next());
    const int missing = total - remaining.value(0).toInt();
    QVERIFY(missing > 0);
    QCOMPARE(m_service->seedDefaults(), missing);
    QCOMPARE(m_store->categories.count(), missing);
}

QTEST_GUILESS_MAIN(TestCategoryService)
#include "tst_categoryservice.moc"
