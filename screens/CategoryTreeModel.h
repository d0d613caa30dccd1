#pragma once

#include "storage/Category.h"

#include <QAbstractItemModel>
#include <QList>
#include <QString>

#include <memory>
#include <vector>

// The category tree in three columns: name, type code and tax code. Each
// category sits under its parent; one whose parent is not in the list (a
// deleted parent) or whose parents run in a circle (written by a sync or a
// backup) sits at the top level instead, so no category is ever lost from
// view. Rows under a parent are in id order: a sorting proxy orders them.
class CategoryTreeModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    enum Column { NameColumn, TypeColumn, TaxCodeColumn, ColumnCount };

    explicit CategoryTreeModel(QObject* parent = nullptr);
    ~CategoryTreeModel() override;

    void setCategories(const QList<Category>& categories);

    // A default category for an invalid index.
    Category categoryAt(const QModelIndex& index) const;
    // The name-column index of that category; invalid when it is not shown.
    QModelIndex indexForId(const QString& id) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    struct Node
    {
        Category category;
        std::vector<std::unique_ptr<Node>> children;
        Node* parent = nullptr;
    };

    Node* nodeAt(const QModelIndex& index) const;
    int rowOf(const Node* node) const;

    std::unique_ptr<Node> m_root;
};
