#pragma once

#include "register/CategoryChoices.h"
#include "register/SplitLines.h"
#include "storage/Enums.h"

#include <QList>
#include <QWidget>

#include <optional>

class CategoryComboBox;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QToolButton;
class QVBoxLayout;
class SmartAmountField;

// The rows of a split, each a category, a memo and an amount typed in the
// transaction's direction, in a list that scrolls, with a button to add one.
// It shows and collects; SplitLines does the arithmetic.
class SplitLinesWidget : public QWidget
{
    Q_OBJECT

public:
    SplitLinesWidget(const CategoryChoices& choices, Currency currency, QWidget* parent = nullptr);

    // Appends a row showing that line. A category not among the choices (one
    // deleted since) comes as `kept`, offered in that row alone so that an
    // edit does not drop it. The new row's index.
    int appendRow(const QString& categoryId = {}, const QString& memo = {}, qint64 amount = 0,
                  const std::optional<CategoryChoices::Choice>& kept = std::nullopt);
    void removeRow(int row);

    int rowCount() const { return int(m_rows.size()); }
    QList<SplitLines::Row> rows() const;

    CategoryComboBox* categoryField(int row) const { return m_rows.at(row).category; }
    QLineEdit* memoField(int row) const { return m_rows.at(row).memo; }
    SmartAmountField* amountField(int row) const { return m_rows.at(row).amount; }

    // Focuses the row's category and scrolls it into view.
    void focusCategory(int row);
    // Lists a category created for one line in every line, present and to come.
    void addNewCategory(const Category& category);

Q_SIGNALS:
    // A row was added or removed, or one of its fields changed.
    void rowsChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct RowWidgets
    {
        QWidget* row = nullptr;
        CategoryComboBox* category = nullptr;
        QLineEdit* memo = nullptr;
        SmartAmountField* amount = nullptr;
        QToolButton* remove = nullptr;
    };

    void addLine();
    void chainTabOrder();

    CategoryChoices m_choices;
    Currency m_currency;
    QList<RowWidgets> m_rows;
    QScrollArea* m_scrollArea = nullptr;
    QVBoxLayout* m_rowsLayout = nullptr;
    QPushButton* m_addButton = nullptr;
};
