#include "screens/CategoryTreeModel.h"

#include "appstate/ThemeHelpers.h"

#include <QFont>
#include <QHash>

#include <algorithm>
#include <map>

CategoryTreeModel::CategoryTreeModel(QObject* parent)
    : QAbstractItemModel(parent)
    , m_root(std::make_unique<Node>())
{
}

CategoryTreeModel::~CategoryTreeModel() = default;

void CategoryTreeModel::setCategories(const QList<Category>& categories)
{
    beginResetModel();
    m_root = std::make_unique<Node>();

    // In id order, so that the same categories always make the same tree.
    std::map<QString, std::unique_ptr<Node>> owned;
    QHash<QString, Node*> byId;
    for (const Category& category : categories) {
        auto node = std::make_unique<Node>();
        node->category = category;
        byId.insert(category.id, node.get());
        owned[category.id] = std::move(node);
    }

    QHash<QString, QString> parentOf;
    for (const auto& [id, node] : owned) {
        if (byId.contains(node->category.parent_id))
            parentOf.insert(id, node->category.parent_id);
    }

    // A circle of parents hangs from nothing and would vanish with every
    // category beneath it: its lowest id moves to the top level and the rest
    // stay where they are, beneath it.
    enum class Walk { Open, Done };
    QHash<QString, Walk> walked;
    for (const auto& [id, node] : owned) {
        QStringList chain;
        QString current = id;
        while (!current.isEmpty() && !walked.contains(current)) {
            walked.insert(current, Walk::Open);
            chain.append(current);
            current = parentOf.value(current);
        }
        if (!current.isEmpty() && walked.value(current) == Walk::Open) {
            const auto circle = chain.cbegin() + chain.indexOf(current);
            parentOf.remove(*std::min_element(circle, chain.cend()));
        }
        for (const QString& passed : std::as_const(chain))
            walked.insert(passed, Walk::Done);
    }

    for (auto& [id, node] : owned) {
        Node* parent = parentOf.contains(id) ? byId.value(parentOf.value(id)) : m_root.get();
        node->parent = parent;
        parent->children.push_back(std::move(node));
    }
    endResetModel();
}

CategoryTreeModel::Node* CategoryTreeModel::nodeAt(const QModelIndex& index) const
{
    return index.isValid() ? static_cast<Node*>(index.internalPointer()) : m_root.get();
}

int CategoryTreeModel::rowOf(const Node* node) const
{
    const auto& siblings = node->parent->children;
    const auto found = std::find_if(siblings.cbegin(), siblings.cend(),
                                    [node](const std::unique_ptr<Node>& sibling) { return sibling.get() == node; });
    return int(found - siblings.cbegin());
}

Category CategoryTreeModel::categoryAt(const QModelIndex& index) const
{
    return index.isValid() ? nodeAt(index)->category : Category();
}

QModelIndex CategoryTreeModel::indexForId(const QString& id) const
{
    if (id.isEmpty())
        return {};
    QList<const Node*> stack;
    for (const auto& child : m_root->children)
        stack.append(child.get());
    while (!stack.isEmpty()) {
        const Node* node = stack.takeLast();
        if (node->category.id == id)
            return createIndex(rowOf(node), NameColumn, const_cast<Node*>(node));
        for (const auto& child : node->children)
            stack.append(child.get());
    }
    return {};
}

QModelIndex CategoryTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    const Node* node = nodeAt(parent);
    if (row < 0 || row >= int(node->children.size()) || column < 0 || column >= ColumnCount)
        return {};
    return createIndex(row, column, node->children.at(size_t(row)).get());
}

QModelIndex CategoryTreeModel::parent(const QModelIndex& child) const
{
    if (!child.isValid())
        return {};
    Node* parent = nodeAt(child)->parent;
    if (!parent || parent == m_root.get())
        return {};
    return createIndex(rowOf(parent), NameColumn, parent);
}

int CategoryTreeModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() && parent.column() != NameColumn)
        return 0;
    return int(nodeAt(parent)->children.size());
}

int CategoryTreeModel::columnCount(const QModelIndex&) const
{
    return ColumnCount;
}

QVariant CategoryTreeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const Node* node = nodeAt(index);
    const Category& category = node->category;
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case NameColumn:
            return category.name;
        case TypeColumn:
            // The stored codes, the same in every language.
            return categoryTypeToString(category.category_type);
        case TaxCodeColumn:
            return category.is_tax_relevant ? category.tax_category : QString();
        default:
            return {};
        }
    case Qt::ForegroundRole:
        if (index.column() == TypeColumn && category.category_type == CategoryType::Income)
            return positiveAmountColor();
        return {};
    case Qt::FontRole:
        if (index.column() == NameColumn && !node->children.empty()) {
            // Only the weight: the rest follows the view's font and its scale.
            QFont font;
            font.setWeight(QFont::Bold);
            return font;
        }
        return {};
    default:
        return {};
    }
}

QVariant CategoryTreeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case NameColumn:
        return tr("Category");
    case TypeColumn:
        return tr("Type");
    case TaxCodeColumn:
        return tr("Tax Code");
    default:
        return {};
    }
}
