#include "screens/CategoriesScreen.h"

#include "appstate/AppState.h"
#include "appstate/PlainMessage.h"
#include "appstate/ThemeHelpers.h"
#include "screens/CategoryEditor.h"
#include "screens/CategoryFormDialog.h"
#include "screens/CategoryTreeModel.h"
#include "storage/CategoryRepository.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

// Only by its own record: one shown at the top because its parent was
// deleted (or its parents run in a circle) still names a parent, which a
// restore or a sync may bring back, and a child of it would then stand on a
// third level.
bool takesSubcategories(const Category& category)
{
    return category.parent_id.isEmpty();
}

} // namespace

CategoriesScreen::CategoriesScreen(AppState* appState, QWidget* parent)
    : QWidget(parent)
    , m_appState(appState)
    , m_editor(new CategoryEditor(appState->categoryRepository(), this))
    , m_searchEdit(new QLineEdit(this))
    , m_view(new QTreeView(this))
    , m_model(new CategoryTreeModel(this))
    , m_proxy(new QSortFilterProxyModel(this))
{
    auto* title = new QLabel(tr("Categories"), this);
    applyFontRoleAndWeight(title, FontRole::Title, QFont::Bold);

    m_searchEdit->setPlaceholderText(tr("Search categories..."));
    m_searchEdit->setClearButtonEnabled(true);
    m_searchEdit->setMaximumWidth(280);
    m_searchEdit->setAccessibleName(tr("Search categories"));

    auto* newButton = new QPushButton(tr("+ &New Category"), this);

    // A category shows when its name or the name of one beneath it matches,
    // so a match is always seen in its place in the tree.
    m_proxy->setSourceModel(m_model);
    m_proxy->setFilterKeyColumn(CategoryTreeModel::NameColumn);
    m_proxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_proxy->setRecursiveFilteringEnabled(true);
    m_proxy->setSortCaseSensitivity(Qt::CaseInsensitive);
    m_proxy->setSortLocaleAware(true);
    m_proxy->setDynamicSortFilter(true);

    m_view->setModel(m_proxy);
    m_view->setAlternatingRowColors(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    m_view->setSortingEnabled(true);
    m_view->sortByColumn(CategoryTreeModel::NameColumn, Qt::AscendingOrder);
    // Names stay whole in a narrow window (the tree scrolls sideways); the
    // tax codes, seldom there, take what room is left.
    QHeaderView* header = m_view->header();
    header->setSectionResizeMode(CategoryTreeModel::NameColumn, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(CategoryTreeModel::TypeColumn, QHeaderView::ResizeToContents);
    header->setStretchLastSection(true);

    auto* headerRow = new QHBoxLayout;
    headerRow->addWidget(title);
    // The search field takes the room first (up to its maximum), so that its
    // placeholder is read whole.
    headerRow->addStretch(1);
    headerRow->addWidget(m_searchEdit, 4);
    headerRow->addWidget(newButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addLayout(headerRow);
    layout->addWidget(m_view, 1);
    setTabOrder(m_searchEdit, newButton);
    setTabOrder(newButton, m_view);

    connect(m_searchEdit, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_proxy->setFilterFixedString(text);
        if (text.isEmpty())
            m_view->collapseAll();
        else
            m_view->expandAll();
    });
    connect(newButton, &QPushButton::clicked, this, &CategoriesScreen::onCreateCategory);
    connect(m_view, &QTreeView::customContextMenuRequested, this, &CategoriesScreen::showContextMenu);
    // Return or a double click opens the row's form.
    connect(m_view, &QTreeView::activated, this, &CategoriesScreen::onEditCategory);

    const auto addShortcut = [this](const QKeySequence& key, QWidget* on, Qt::ShortcutContext context,
                                    void (CategoriesScreen::*slot)()) {
        auto* shortcut = new QShortcut(key, on);
        shortcut->setContext(context);
        connect(shortcut, &QShortcut::activated, this, slot);
    };
    addShortcut(QKeySequence(Qt::CTRL | Qt::Key_N), this, Qt::WidgetWithChildrenShortcut,
                &CategoriesScreen::onCreateCategory);
    // Only in the tree: in the search field these keys edit the text.
    addShortcut(QKeySequence(Qt::Key_F2), m_view, Qt::WidgetShortcut, &CategoriesScreen::onEditCategory);
    addShortcut(QKeySequence(Qt::Key_Delete), m_view, Qt::WidgetShortcut, &CategoriesScreen::onDeleteCategory);
    // The menu of the current row, for keyboards without a menu key.
    auto* menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), m_view);
    menuKey->setContext(Qt::WidgetShortcut);
    connect(menuKey, &QShortcut::activated, this,
            [this] { showContextMenu(m_view->visualRect(m_view->currentIndex()).center()); });
    // Nothing here to lose: Escape closes it, as it would a dialog.
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    refresh();
}

CategoriesScreen::~CategoriesScreen() = default;

void CategoriesScreen::refresh()
{
    QSet<QString> expanded;
    collectExpanded({}, expanded);
    const std::optional<Category> current = currentCategory();
    m_model->setCategories(m_appState->categoryRepository()->listAll());
    restoreExpanded(expanded);
    if (current)
        makeCurrent(current->id);
}

void CategoriesScreen::collectExpanded(const QModelIndex& parent, QSet<QString>& ids) const
{
    for (int row = 0; row < m_proxy->rowCount(parent); ++row) {
        const QModelIndex index = m_proxy->index(row, CategoryTreeModel::NameColumn, parent);
        if (m_view->isExpanded(index))
            ids.insert(m_model->categoryAt(m_proxy->mapToSource(index)).id);
        if (m_proxy->hasChildren(index))
            collectExpanded(index, ids);
    }
}

void CategoriesScreen::restoreExpanded(const QSet<QString>& ids)
{
    for (const QString& id : ids) {
        const QModelIndex index = m_proxy->mapFromSource(m_model->indexForId(id));
        if (index.isValid())
            m_view->expand(index);
    }
}

std::optional<Category> CategoriesScreen::currentCategory() const
{
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid())
        return std::nullopt;
    return m_model->categoryAt(m_proxy->mapToSource(current));
}

void CategoriesScreen::makeCurrent(const QString& id)
{
    const QModelIndex index = m_proxy->mapFromSource(m_model->indexForId(id));
    if (!index.isValid())
        return;
    m_view->setCurrentIndex(index);
    m_view->scrollTo(index);
}

QString CategoriesScreen::shownParentName(const QModelIndex& index) const
{
    return m_model->categoryAt(m_proxy->mapToSource(index.parent())).name;
}

void CategoriesScreen::warn(const QString& title, const QString& text)
{
    showPlainMessage(this, QMessageBox::Warning, title, text);
}

void CategoriesScreen::showContextMenu(const QPoint& pos)
{
    // The menu acts on the row it was opened on.
    const QModelIndex index = m_view->indexAt(pos);
    if (index.isValid())
        m_view->setCurrentIndex(index);

    QMenu menu(this);
    menu.addAction(tr("&New Category"), this, &CategoriesScreen::onCreateCategory);
    if (index.isValid()) {
        if (takesSubcategories(m_model->categoryAt(m_proxy->mapToSource(index))))
            menu.addAction(tr("Add &Subcategory"), this, &CategoriesScreen::onCreateSubcategory);
        menu.addSeparator();
        menu.addAction(tr("&Edit"), this, &CategoriesScreen::onEditCategory);
        menu.addAction(tr("&Delete"), this, &CategoriesScreen::onDeleteCategory);
    }
    menu.exec(m_view->viewport()->mapToGlobal(pos));
}

void CategoriesScreen::onCreateCategory()
{
    openCategoryForm(QString());
}

void CategoriesScreen::onCreateSubcategory()
{
    const std::optional<Category> current = currentCategory();
    if (current && takesSubcategories(*current))
        openCategoryForm(current->id);
}

void CategoriesScreen::openCategoryForm(const QString& parentId)
{
    CategoryFormDialog form(parentId, m_model->categoryAt(m_model->indexForId(parentId)).name, this);
    if (form.exec() != QDialog::Accepted)
        return;
    const Category category = form.category();
    if (!m_editor->create(category)) {
        warn(tr("Category Not Saved"), tr("The category \"%1\" could not be saved.").arg(category.name));
        return;
    }
    refresh();
    // The new sub-category in view, under its opened parent.
    const QModelIndex parent = m_proxy->mapFromSource(m_model->indexForId(parentId));
    if (parent.isValid())
        m_view->expand(parent);
    makeCurrent(category.id);
}

void CategoriesScreen::onEditCategory()
{
    const std::optional<Category> current = currentCategory();
    if (!current)
        return;
    // The parent it is shown under, never a deleted one.
    CategoryFormDialog form(*current, shownParentName(m_view->currentIndex()), this);
    if (form.exec() != QDialog::Accepted)
        return;
    if (!m_editor->update(form.category()))
        warn(tr("Category Not Saved"), tr("The changes to \"%1\" could not be saved.").arg(current->name));
    refresh();
}

void CategoriesScreen::onDeleteCategory()
{
    const std::optional<Category> current = currentCategory();
    if (!current)
        return;
    if (!askPlainQuestion(
            this, tr("Delete Category"),
            tr("Delete \"%1\"? Transactions using this category will become uncategorized.").arg(current->name)))
        return;
    if (!m_editor->remove(current->id))
        warn(tr("Category Not Deleted"), tr("The category \"%1\" could not be deleted.").arg(current->name));
    refresh();
}
