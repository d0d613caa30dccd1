#pragma once

#include "storage/Category.h"

#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

// The modal form for a new category or sub-category, or for editing one.
// It writes nothing: the caller stores what category() gives.
class CategoryFormDialog : public QDialog
{
    Q_OBJECT

public:
    // Edits the category; the parent's name is shown when given.
    CategoryFormDialog(const Category& category, const QString& parentName, QWidget* parent = nullptr);
    // A new category under `parentId` (the top level when empty).
    CategoryFormDialog(const QString& parentId, const QString& parentName, QWidget* parent = nullptr);
    ~CategoryFormDialog() override;

    // The name trimmed, and a tax code only while the category is
    // tax-relevant. A new form gives a fresh id and creation time on every
    // call; an edit keeps the category's id, creation time and version.
    Category category() const;

private:
    void buildUi(const QString& parentName);
    void populate(const Category& category);
    void enableTaxCode(bool enabled);

    QLineEdit* m_nameEdit = nullptr;
    QComboBox* m_typeCombo = nullptr;
    QCheckBox* m_taxCheck = nullptr;
    QLineEdit* m_taxCodeEdit = nullptr;
    QLabel* m_taxCodeLabel = nullptr;
    QLabel* m_parentLabel = nullptr;
    QDialogButtonBox* m_buttonBox = nullptr;
    Category m_category;
    QString m_parentId;
    bool m_editMode = false;
};
