#pragma once

#include "storage/Category.h"

#include <QSet>
#include <QString>
#include <QWidget>

#include <optional>

class AppState;
class CategoryEditor;
class CategoryTreeModel;
class QLineEdit;
class QModelIndex;
class QPoint;
class QSortFilterProxyModel;
class QTreeView;

// The category tree, filtered by a search text, in which the user adds
// categories and sub-categories, edits and deletes them through
// CategoryFormDialog. Built once and kept; refresh() reads the tree anew
// and keeps the rows that were open open.
class CategoriesScreen : public QWidget
{
    Q_OBJECT

public:
    explicit CategoriesScreen(AppState* appState, QWidget* parent = nullptr);
    ~CategoriesScreen() override;

    void refresh();

public Q_SLOTS:
    void onCreateCategory();
    // Only under a category without a parent: the tree keeps to two levels.
    void onCreateSubcategory();
    void onEditCategory();
    void onDeleteCategory();

private:
    void openCategoryForm(const QString& parentId);
    void showContextMenu(const QPoint& pos);
    void collectExpanded(const QModelIndex& parent, QSet<QString>& ids) const;
    void restoreExpanded(const QSet<QString>& ids);
    // The category of the view's current row; empty when there is none.
    std::optional<Category> currentCategory() const;
    void makeCurrent(const QString& id);
    // The name of the category the row is shown under; empty at the top.
    QString shownParentName(const QModelIndex& index) const;
    void warn(const QString& title, const QString& text);

    AppState* m_appState;
    CategoryEditor* m_editor;
    QLineEdit* m_searchEdit;
    QTreeView* m_view;
    CategoryTreeModel* m_model;
    QSortFilterProxyModel* m_proxy;
};
