#include "services/CategoryService.h"

#include "storage/CategoryRepository.h"
#include "storage/ScopedTransaction.h"
#include "storage/Timestamp.h"

#include <QSqlDatabase>
#include <QUuid>
#include <QtDebug>

#include <array>

namespace {

struct DefaultCategory
{
    const char* name;
    const char* parentName; // empty at the top level; parents come before their children
    CategoryType type;
    const char* taxCode;    // empty when not tax-relevant
};

// The source names are English; the stored names go through tr(), while the
// ids always come from these untranslated texts.
constexpr std::array kDefaultCategories{
    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Income"), "", CategoryType::Income, ""},
    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Salary"), "Income", CategoryType::Income, ""},
    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Bonus"), "Income", CategoryType::Income, ""},
    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Interest Income"), "Income", CategoryType::Income,
                    "interest_income"},
    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Dividends"), "Income", CategoryType::Income,
                    "dividend_income"},
    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Gifts Received"), "Income", CategoryType::Income, ""},
    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Other Income"), "Income", CategoryType::Income, ""},

    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Housing"), "", CategoryType::Expense, ""},
    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Rent"), "Housing", CategoryType::Expense, ""},
    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Mortgage"), "Housing", CategoryType::Expense,
                    "mortgage_interest"},
    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Property Tax"), "Housing", CategoryType::Expense,
                    "property_tax"},
    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Home Insurance"), "Housing", CategoryType::Expense, ""},
    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Home Maintenance"), "Housing", CategoryType::Expense, ""},

    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Utilities"), "", CategoryType::Expense, ""},
    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Electricity"), "Utilities", CategoryType::Expense, ""},
    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Water"), "Utilities", CategoryType::Expense, ""},
    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Gas & Heating"), "Utilities", CategoryType::Expense, ""},
    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Internet"), "Utilities", CategoryType::Expense, ""},
    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Phone"), "Utilities", CategoryType::Expense, ""},

    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Food"), "", CategoryType::Expense, ""},
    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Groceries"), "Food", CategoryType::Expense, ""},
    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Restaurants"), "Food", CategoryType::Expense, ""},

    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Transportation"), "", CategoryType::Expense, ""},
    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Fuel"), "Transportation", CategoryType::Expense, ""},
    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Auto Insurance"), "Transportation", CategoryType::Expense,
                    ""},
    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Auto Maintenance"), "Transportation",
                    CategoryType::Expense, ""},
    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Public Transit"), "Transportation", CategoryType::Expense,
                    ""},

    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Health"), "", CategoryType::Expense, ""},
    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Medical"), "Health", CategoryType::Expense,
                    "medical_expenses"},
    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Pharmacy"), "Health", CategoryType::Expense,
                    "medical_expenses"},
    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Health Insurance"), "Health", CategoryType::Expense, ""},

    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Personal"), "", CategoryType::Expense, ""},
    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Clothing"), "Personal", CategoryType::Expense, ""},
    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Personal Care"), "Personal", CategoryType::Expense, ""},
    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Entertainment"), "Personal", CategoryType::Expense, ""},
    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Subscriptions"), "Personal", CategoryType::Expense, ""},
    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Education"), "Personal", CategoryType::Expense, ""},

    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Giving"), "", CategoryType::Expense, ""},
    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Charitable Donations"), "Giving", CategoryType::Expense,
                    "charitable_contributions"},
    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Gifts"), "Giving", CategoryType::Expense, ""},

    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Bank Fees"), "", CategoryType::Expense, ""},

    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Transfers"), "", CategoryType::Transfer, ""},
    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Credit Card Payment"), "Transfers", CategoryType::Transfer,
                    ""},
    DefaultCategory{QT_TRANSLATE_NOOP("CategoryService", "Savings Transfer"), "Transfers", CategoryType::Transfer,
                    ""},
};

// RFC 4122's DNS namespace.
const QUuid kCategoryNamespace(QStringLiteral("{6ba7b810-9dad-11d1-80b4-00c04fd430c8}"));

} // namespace

CategoryService::CategoryService(CategoryRepository* categories, QObject* parent)
    : QObject(parent)
    , m_categories(categories)
{
}

QString CategoryService::defaultCategoryId(const QString& name, const QString& parentName, CategoryType type)
{
    const QString source = name + u':' + parentName + u':' + categoryTypeToString(type);
    return QUuid::createUuidV5(kCategoryNamespace, source.toUtf8()).toString(QUuid::WithoutBraces);
}

int CategoryService::seedDefaults()
{
    if (m_categories->count() > 0)
        return 0;

    // The repositories run on the application's one connection, Qt's default.
    ScopedTransaction transaction(QSqlDatabase::database());
    if (!transaction.isActive())
        return 0;

    const QDateTime now = nowUtc();
    int written = 0;
    for (const DefaultCategory& entry : kDefaultCategories) {
        const QString name = QString::fromUtf8(entry.name);
        const QString parentName = QString::fromUtf8(entry.parentName);
        const QString id = defaultCategoryId(name, parentName, entry.type);

        // A row with this id that is soft-deleted was deleted on purpose, here
        // or on another device that synced the deletion. It stays deleted:
        // reviving it would undo the user's choice at every start and push the
        // revival back over the deletion on every device.
        if (m_categories->getById(id))
            continue;

        Category category;
        category.id = id;
        category.name = tr(entry.name);
        category.category_type = entry.type;
        if (!parentName.isEmpty())
            category.parent_id = defaultCategoryId(parentName, QString(), entry.type);
        category.tax_category = QString::fromUtf8(entry.taxCode);
        category.is_tax_relevant = !category.tax_category.isEmpty();
        category.is_default = true;
        category.created_at = now;
        category.updated_at = now;
        if (!m_categories->insert(category)) {
            qWarning() << "Seeding the default categories failed; nothing was written.";
            return 0;
        }
        ++written;
    }

    if (!transaction.commit())
        return 0;
    return written;
}
