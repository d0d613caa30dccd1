#pragma once

#include "register/SplitLines.h"
#include "storage/Category.h"
#include "storage/Enums.h"
#include "storage/SplitLine.h"

#include <QDialog>
#include <QList>
#include <QString>

class AppState;
class QLabel;
class QPushButton;
class SplitLinesWidget;

// Divides one transaction into lines of category, memo and amount, shown in
// the account's currency and typed in the transaction's direction, with
// running totals of what is assigned and what is left. It writes nothing:
// the transaction form takes lines() and amount() after acceptance.
class SplitEditorDialog : public QDialog
{
    Q_OBJECT

public:
    // `amount` is the transaction's amount as the form holds it, signed in
    // minor units of the account's currency (negative for a payment);
    // `deposit` the form's direction, which counts when the amount is 0;
    // `lines` the current lines, amounts signed as stored; `newCategories`
    // those the form created and has not stored yet, which lines may name.
    SplitEditorDialog(AppState* appState, const QString& accountId, qint64 amount, bool deposit,
                      const QList<SplitLine>& lines, const QList<Category>& newCategories = {},
                      QWidget* parent = nullptr);

    // The lines that count, amounts signed as stored; empty when the
    // transaction is no longer a split.
    QList<SplitLine> lines() const { return m_split.lines(); }
    // The signed amount the lines add up to: the transaction's new amount.
    // Without lines the transaction keeps the amount it came with.
    qint64 amount() const { return m_split.amount(); }
    // The categories given, with those the user agreed to create for lines
    // here; none is stored yet.
    QList<Category> newCategories() const { return m_newCategories; }

    // Refuses a line whose category text names several categories, with a
    // word on which, and offers to create one the text names but the list
    // lacks, as the transaction form does; what the user typed is never dropped.
    void accept() override;

private:
    // The word goes over this dialog, which keeps the keyboard after it.
    void warn(const QString& text);
    void refresh();
    void setAmountToTotal();

    SplitLines m_split;
    QList<Category> m_newCategories;
    Currency m_currency = Currency::USD;
    SplitLinesWidget* m_linesWidget = nullptr;
    QLabel* m_amountValue = nullptr;
    QLabel* m_totalCaption = nullptr;
    QLabel* m_totalValue = nullptr;
    QLabel* m_remainderValue = nullptr;
    QPushButton* m_setTotalButton = nullptr;
    QPushButton* m_okButton = nullptr;
};
