#pragma once

#include "register/CategoryChoices.h"
#include "storage/SplitLine.h"

#include <QList>
#include <QString>

// The arithmetic of dividing one transaction into lines. Lines are typed in
// the transaction's direction: on a payment a line of 40.00 pays 40.00 and is
// stored as -4000, and a line typed negative (a coupon) goes the other way.
// Rows the user left wholly empty do not count.
class SplitLines
{
public:
    struct Row
    {
        // What the category text names: one choice (blank text names none),
        // no choice, or several.
        CategoryChoices::Match::Result category = CategoryChoices::Match::One;
        // The category named; empty for none.
        QString categoryId;
        QString memo;
        // As typed, in the transaction's direction.
        qint64 amount = 0;

        bool isEmpty() const;
    };

    // `amount` is signed as stored (negative for a payment) and gives the
    // direction; `deposit` gives it when the amount is 0. Opened on 0, the
    // amount follows the lines' total.
    SplitLines(qint64 amount, bool deposit);

    // The transaction's direction.
    bool isDeposit() const { return m_deposit; }
    qint64 typedFromStored(qint64 stored) const { return m_deposit ? stored : -stored; }
    qint64 storedFromTyped(qint64 typed) const { return m_deposit ? typed : -typed; }

    void setRows(const QList<Row>& rows) { m_rows = rows; }
    const QList<Row>& rows() const { return m_rows; }

    // The rows that count, as indexes into rows().
    QList<int> lineRows() const;
    int lineCount() const { return int(lineRows().size()); }
    // The sum of the lines as typed.
    qint64 total() const;
    // The transaction's amount as the lines are typed.
    qint64 typedAmount() const;
    // What is left to assign to lines: typedAmount() - total().
    qint64 remainder() const { return typedAmount() - total(); }

    // The lines add up to the amount, or none is left (the transaction stops
    // being a split and keeps its amount).
    bool canAccept() const;
    bool canSetAmountToTotal() const;
    // The amount becomes the lines' total; a total typed negative turns the
    // transaction's direction around.
    void setAmountToTotal();

    // The first line whose category text names no category or several; -1
    // when every line names one (or none).
    int firstUnclearCategory() const;

    // The transaction's amount, signed as stored.
    qint64 amount() const;
    // The lines that count, amounts signed as stored.
    QList<SplitLine> lines() const;

private:
    qint64 m_amount;
    bool m_deposit;
    bool m_followTotal;
    QList<Row> m_rows;
};
