#include "appstate/AppState.h"
#include "screens/CategoriesScreen.h"
#include "screens/CategoryFormDialog.h"
#include "screens/CategoryTreeModel.h"
#include "storage/CategoryRepository.h"
#include "storage/Database.h"
#include "storage/Timestamp.h"
#include "tests/support/ModalWatcher.h"
#include "tests/support/TestDataDir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSqlQuery>
#include <QTreeView>
#include <QtTest>

#include <memory>

namespace {

const QDateTime kCreated(QDate(2025, 3, 1), QTime(9, 30), Qt::UTC);

Category makeCategory(const QString& id, const QString& name, const QString& parentId = {})
{
    Category category;
    category.id = id;
    category.name = name;
    category.parent_id = parentId;
    category.created_at = kCreated;
    category.updated_at = kCreated;
    return category;
}

// A form field found by its label, as the user finds it.
template <typename Field>
Field* field(QWidget* form, const QString& label)
{
    for (const QLabel* candidate : form->findChildren<QLabel*>()) {
        if (candidate->text() == label)
            return qobject_cast<Field*>(candidate->buddy());
    }
    return nullptr;
}

QLineEdit* nameEdit(QWidget* form) { return field<QLineEdit>(form, QStringLiteral("&Name:")); }
QLineEdit* taxCodeEdit(QWidget* form) { return field<QLineEdit>(form, QStringLiteral("Tax &Code:")); }

// The rows under `parent` as the view shows them, by name.
QStringList shownNames(const QAbstractItemModel* model, const QModelIndex& parent = {})
{
    QStringList names;
    for (int row = 0; row < model->rowCount(parent); ++row)
        names << model->index(row, 0, parent).data().toString();
    return names;
}

} // namespace

class TestCategories : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void treeKeepsEveryCategoryInView();
    void taxCodeShowsOnlyWhileTaxRelevant();
    void searchKeepsMatchesInTheirPlaceIgnoringCase();
    void openRowsStayOpenAndANewSubcategoryIsInView();
    void editsRaiseTheVersionAndKeepATransferATransfer();
    void deletingAParentLeavesItsSubcategoriesAtTheTop();
    void aFailedWriteSaysSo();
    void formTrimsTheNameAndDropsAnUnusedTaxCode();
    void newFormsGiveFreshIdsAndEditsKeepIdentity();

private:
    void add(const Category& category) { QVERIFY(m_state->categoryRepository()->insert(category)); }
    void openScreen();
    QModelIndex shown(const QString& id) const
    {
        return m_proxy->mapFromSource(m_model->indexForId(id));
    }
    void makeCurrent(const QString& id) { m_view->setCurrentIndex(shown(id)); }
    // Whether the row's context menu offers a sub-category.
    bool menuOffersSubcategory(const QString& id);

    std::unique_ptr<TestDataDir> m_dir;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<CategoriesScreen> m_screen;
    QTreeView* m_view = nullptr;
    QSortFilterProxyModel* m_proxy = nullptr;
    CategoryTreeModel* m_model = nullptr;
};

void TestCategories::init()
{
    m_dir = std::make_unique<TestDataDir>();
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->initialize());
    // Each test builds the tree it needs, without the default one.
    QSqlQuery clear(m_state->database()->connection());
    QVERIFY(clear.exec(QStringLiteral("DELETE FROM categories")));
    add(makeCategory(QStringLiteral("auto"), QStringLiteral("Auto")));
    add(makeCategory(QStringLiteral("gas"), QStringLiteral("Gas & Fuel"), QStringLiteral("auto")));
    add(makeCategory(QStringLiteral("repairs"), QStringLiteral("Repairs"), QStringLiteral("auto")));
    add(makeCategory(QStringLiteral("home"), QStringLiteral("Home")));
    add(makeCategory(QStringLiteral("heat"), QStringLiteral("Natural GAS"), QStringLiteral("home")));
    add(makeCategory(QStringLiteral("food"), QStringLiteral("Food")));
}

void TestCategories::cleanup()
{
    m_screen.reset();
    m_state.reset();
    m_dir.reset();
}

void TestCategories::openScreen()
{
    m_screen = std::make_unique<CategoriesScreen>(m_state.get());
    m_view = m_screen->findChild<QTreeView*>();
    m_proxy = qobject_cast<QSortFilterProxyModel*>(m_view->model());
    m_model = qobject_cast<CategoryTreeModel*>(m_proxy->sourceModel());
    m_screen->show();
}

void TestCategories::treeKeepsEveryCategoryInView()
{
    CategoryTreeModel model;
    // "orphan" lost its parent; "self" is its own parent; "loop-a" and
    // "loop-b" are each other's, with "under" beneath one of them.
    model.setCategories({makeCategory(QStringLiteral("top"), QStringLiteral("Top")),
                         makeCategory(QStringLiteral("child"), QStringLiteral("Child"), QStringLiteral("top")),
                         makeCategory(QStringLiteral("orphan"), QStringLiteral("Orphan"), QStringLiteral("deleted")),
                         makeCategory(QStringLiteral("self"), QStringLiteral("Self"), QStringLiteral("self")),
                         makeCategory(QStringLiteral("loop-b"), QStringLiteral("Loop B"), QStringLiteral("loop-a")),
                         makeCategory(QStringLiteral("under"), QStringLiteral("Under"), QStringLiteral("loop-b")),
                         makeCategory(QStringLiteral("loop-a"), QStringLiteral("Loop A"), QStringLiteral("loop-b"))});

    // Rows in id order; the lowest id of a circle stands at the top.
    QCOMPARE(shownNames(&model), (QStringList{"Loop A", "Orphan", "Self", "Top"}));
    const QModelIndex loopA = model.indexForId(QStringLiteral("loop-a"));
    QCOMPARE(shownNames(&model, loopA), QStringList{"Loop B"});
    const QModelIndex under = model.indexForId(QStringLiteral("under"));
    QCOMPARE(under.data().toString(), QStringLiteral("Under"));
    QCOMPARE(model.parent(model.parent(under)), loopA);
    QCOMPARE(shownNames(&model, model.indexForId(QStringLiteral("top"))), QStringList{"Child"});
    QCOMPARE(model.rowCount(model.indexForId(QStringLiteral("self"))), 0);

    QVERIFY(!model.indexForId(QStringLiteral("missing")).isValid());
    QCOMPARE(model.categoryAt({}), Category());

    model.setCategories({});
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.columnCount(), 3);
}

void TestCategories::taxCodeShowsOnlyWhileTaxRelevant()
{
    Category charity = makeCategory(QStringLiteral("charity"), QStringLiteral("Charity"));
    charity.is_tax_relevant = true;
    charity.tax_category = QStringLiteral("charitable_contributions");
    // A code kept from when it was tax-relevant.
    Category gifts = makeCategory(QStringLiteral("gifts"), QStringLiteral("Gifts"));
    gifts.tax_category = QStringLiteral("gifts_given");
    CategoryTreeModel model;
    model.setCategories({charity, gifts});

    const auto taxCode = [&model](const QString& id) {
        const QModelIndex name = model.indexForId(id);
        return name.siblingAtColumn(CategoryTreeModel::TaxCodeColumn).data().toString();
    };
    QCOMPARE(taxCode(QStringLiteral("charity")), QStringLiteral("charitable_contributions"));
    QCOMPARE(taxCode(QStringLiteral("gifts")), QString());
}

void TestCategories::searchKeepsMatchesInTheirPlaceIgnoringCase()
{
    openScreen();
    auto* search = m_screen->findChild<QLineEdit*>();
    search->setText(QStringLiteral("gas"));
    // Each match under its parent, opened, whatever the letter case.
    QCOMPARE(shownNames(m_proxy), (QStringList{"Auto", "Home"}));
    QCOMPARE(shownNames(m_proxy, shown(QStringLiteral("auto"))), QStringList{"Gas & Fuel"});
    QCOMPARE(shownNames(m_proxy, shown(QStringLiteral("home"))), QStringList{"Natural GAS"});
    QVERIFY(m_view->isExpanded(shown(QStringLiteral("auto"))));
    QVERIFY(m_view->isExpanded(shown(QStringLiteral("home"))));

    // The filter outlives a refresh.
    m_screen->refresh();
    QCOMPARE(shownNames(m_proxy), (QStringList{"Auto", "Home"}));

    search->clear();
    QCOMPARE(shownNames(m_proxy), (QStringList{"Auto", "Food", "Home"}));
    QVERIFY(!m_view->isExpanded(shown(QStringLiteral("auto"))));
    QVERIFY(!m_view->isExpanded(shown(QStringLiteral("home"))));
}

void TestCategories::openRowsStayOpenAndANewSubcategoryIsInView()
{
    openScreen();
    m_view->expand(shown(QStringLiteral("auto")));
    m_screen->refresh();
    QVERIFY(m_view->isExpanded(shown(QStringLiteral("auto"))));
    QVERIFY(!m_view->isExpanded(shown(QStringLiteral("home"))));

    makeCurrent(QStringLiteral("home"));
    {
        ModalWatcher watcher([](QWidget* modal) {
            QCOMPARE(modal->windowTitle(), QStringLiteral("New Subcategory"));
            nameEdit(modal)->setText(QStringLiteral("Electricity"));
            modal->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        m_screen->onCreateSubcategory();
        QCOMPARE(watcher.handledCount(), 1);
    }
    QVERIFY(m_view->isExpanded(shown(QStringLiteral("auto"))));
    QVERIFY(m_view->isExpanded(shown(QStringLiteral("home"))));
    QCOMPARE(shownNames(m_proxy, shown(QStringLiteral("home"))), (QStringList{"Electricity", "Natural GAS"}));
    // The new row is the current one, ready for the keyboard.
    const Category added = m_model->categoryAt(m_proxy->mapToSource(m_view->currentIndex()));
    QCOMPARE(added.name, QStringLiteral("Electricity"));
    QCOMPARE(added.parent_id, QStringLiteral("home"));

    // The tree keeps to two levels: nothing opens under a sub-category.
    ModalWatcher none([](QWidget* modal) { modal->close(); });
    m_screen->onCreateSubcategory();
    QCOMPARE(none.handledCount(), 0);
}

void TestCategories::editsRaiseTheVersionAndKeepATransferATransfer()
{
    Category transfer = makeCategory(QStringLiteral("xfer"), QStringLiteral("Transfers"));
    transfer.category_type = CategoryType::Transfer;
    transfer.version = 4;
    transfer.sync_status = SyncStatus::Synced;
    transfer.server_id = QStringLiteral("srv-9");
    add(transfer);
    openScreen();
    makeCurrent(QStringLiteral("xfer"));

    ModalWatcher watcher([](QWidget* modal) {
        nameEdit(modal)->setText(QStringLiteral("Moves"));
        modal->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    m_screen->onEditCategory();
    QCOMPARE(watcher.handledCount(), 1);

    const Category stored = *m_state->categoryRepository()->getById(QStringLiteral("xfer"));
    QCOMPARE(stored.name, QStringLiteral("Moves"));
    QCOMPARE(stored.category_type, CategoryType::Transfer);
    QCOMPARE(stored.version, 5);
    QCOMPARE(stored.sync_status, SyncStatus::Pending);
    QCOMPARE(stored.server_id, QStringLiteral("srv-9"));
    QCOMPARE(stored.created_at, kCreated);
    QVERIFY(stored.updated_at > kCreated);
}

void TestCategories::deletingAParentLeavesItsSubcategoriesAtTheTop()
{
    openScreen();
    makeCurrent(QStringLiteral("auto"));
    {
        ModalWatcher watcher([](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            QCOMPARE(box->textFormat(), Qt::PlainText);
            box->button(QMessageBox::Yes)->click();
        });
        m_screen->onDeleteCategory();
        QCOMPARE(watcher.handledCount(), 1);
    }

    QVERIFY(m_state->categoryRepository()->getById(QStringLiteral("auto"))->deleted_at);
    QCOMPARE(m_state->categoryRepository()->getById(QStringLiteral("gas"))->parent_id, QStringLiteral("auto"));
    QCOMPARE(shownNames(m_proxy), (QStringList{"Food", "Gas & Fuel", "Home", "Repairs"}));

    // Now at the top, it names no parent, but takes no sub-categories: they
    // would stand on a third level once its parent is restored.
    QVERIFY(menuOffersSubcategory(QStringLiteral("home")));
    QVERIFY(!menuOffersSubcategory(QStringLiteral("gas")));
    makeCurrent(QStringLiteral("gas"));
    QStringList parentRows;
    ModalWatcher forms([&parentRows](QWidget* modal) {
        parentRows << QString::number(field<QLabel>(modal, QStringLiteral("&Parent:")) != nullptr);
        qobject_cast<QDialog*>(modal)->reject();
    });
    m_screen->onEditCategory();
    m_screen->onCreateSubcategory();
    QCOMPARE(parentRows, QStringList{"0"});
}

bool TestCategories::menuOffersSubcategory(const QString& id)
{
    QStringList entries;
    QTimer::singleShot(0, this, [&entries] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (const QAction* action : menu->actions())
            entries << action->text();
        menu->close();
    });
    Q_EMIT m_view->customContextMenuRequested(m_view->visualRect(shown(id)).center());
    return entries.contains(QStringLiteral("Add &Subcategory"));
}

void TestCategories::aFailedWriteSaysSo()
{
    openScreen();
    QSqlQuery trigger(m_state->database()->connection());
    QVERIFY(trigger.exec(QStringLiteral("CREATE TEMP TRIGGER refuse BEFORE UPDATE ON categories "
                                        "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    makeCurrent(QStringLiteral("food"));
    QStringList titles;
    ModalWatcher watcher([&titles](QWidget* modal) {
        titles << modal->windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            (box->button(QMessageBox::Yes) ? box->button(QMessageBox::Yes) : box->button(QMessageBox::Ok))->click();
            return;
        }
        nameEdit(modal)->setText(QStringLiteral("Groceries"));
        modal->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    m_screen->onEditCategory();
    m_screen->onDeleteCategory();
    QCOMPARE(titles, (QStringList{"Edit Category", "Category Not Saved", "Delete Category", "Category Not Deleted"}));
    const Category food = *m_state->categoryRepository()->getById(QStringLiteral("food"));
    QCOMPARE(food.name, QStringLiteral("Food"));
    QVERIFY(!food.deleted_at);
}

void TestCategories::formTrimsTheNameAndDropsAnUnusedTaxCode()
{
    Category gifts = makeCategory(QStringLiteral("gifts"), QStringLiteral("Gifts"));
    gifts.tax_category = QStringLiteral("gifts_given");
    CategoryFormDialog edit(gifts, QString());
    // A code kept from when it was tax-relevant is shown but greyed, and
    // not stored again.
    QCOMPARE(taxCodeEdit(&edit)->text(), QStringLiteral("gifts_given"));
    QVERIFY(!taxCodeEdit(&edit)->isEnabled());
    nameEdit(&edit)->setText(QStringLiteral("  Presents \t"));
    QCOMPARE(edit.category().name, QStringLiteral("Presents"));
    QCOMPARE(edit.category().tax_category, QString());

    CategoryFormDialog form{QString(), QString()};
    auto* taxCheck = form.findChild<QCheckBox*>();
    taxCheck->setChecked(true);
    taxCodeEdit(&form)->setText(QStringLiteral(" medical "));
    QCOMPARE(form.category().tax_category, QStringLiteral("medical"));
    QVERIFY(form.category().is_tax_relevant);
    // Unticked, the code is gone; ticked again, it starts empty.
    taxCheck->setChecked(false);
    QCOMPARE(form.category().tax_category, QString());
    taxCheck->setChecked(true);
    QCOMPARE(taxCodeEdit(&form)->text(), QString());

    // A blank name cannot be accepted.
    auto* ok = form.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    nameEdit(&form)->setText(QStringLiteral("   "));
    QVERIFY(!ok->isEnabled());
}

void TestCategories::newFormsGiveFreshIdsAndEditsKeepIdentity()
{
    CategoryFormDialog form(QStringLiteral("home"), QStringLiteral("Home"));
    nameEdit(&form)->setText(QStringLiteral("Water"));
    const Category first = form.category();
    const Category second = form.category();
    QVERIFY(!first.id.isEmpty());
    QVERIFY(first.id != second.id);
    QVERIFY(first.created_at.isValid());
    QCOMPARE(first.parent_id, QStringLiteral("home"));

    Category stored = makeCategory(QStringLiteral("water"), QStringLiteral("Water"), QStringLiteral("home"));
    stored.category_type = CategoryType::Income;
    CategoryFormDialog edit(stored, QStringLiteral("Home"));
    const Category edited = edit.category();
    QCOMPARE(edited.id, stored.id);
    QCOMPARE(edited.created_at, kCreated);
    QCOMPARE(edited.parent_id, QStringLiteral("home"));
    QCOMPARE(edited.category_type, CategoryType::Income);
}

QTEST_MAIN(TestCategories)
#include "tst_categories.moc"
