#pragma once

#include "storage/Enums.h"

#include <QObject>

class QRadioButton;
class QWidget;
class SmartAmountField;

// An amount as a form takes it: its size in an amount field and its
// direction in a Payment/Deposit choice, read together as one signed
// amount (a payment is negative). A minus typed into the field means the
// other direction: it is taken as such when editing ends, and counts so
// even before. The form places the two widgets where its layout wants them.
class DirectedAmount : public QObject
{
    Q_OBJECT

public:
    // The widgets are made children of `parent`.
    explicit DirectedAmount(QWidget* parent);

    // "Payment" and "Deposit" side by side.
    QWidget* directionRow() const { return m_directionRow; }
    SmartAmountField* field() const { return m_field; }

    // Decimals, prefix and a range of the store's own bound (below zero too,
    // so that a typed minus can say "the other direction").
    void setCurrency(Currency currency);

    bool isDeposit() const;
    void setDeposit(bool deposit);
    // Sets the direction the form expects (from a category's type) unless
    // the user has chosen one: by a click or a key on Payment or Deposit, or
    // by a sign typed into the field, taken or not.
    void suggestDeposit(bool deposit);
    // What the form stores: negative for a payment.
    qint64 signedAmount() const;
    // Shows the amount's size and direction; zero keeps the direction.
    void setSignedAmount(qint64 amount);

    // Turns a negative value typed into the field into the other direction.
    void takeSign();
    // False, after a word over `parent` and with focus on the field, when
    // the field holds text that reads as no amount yet.
    bool confirmReadable(QWidget* parent);

Q_SIGNALS:
    // The direction changed, by the user or by the form.
    void directionChanged(bool deposit);

private:
    QWidget* m_directionRow;
    QRadioButton* m_paymentButton;
    QRadioButton* m_depositButton;
    SmartAmountField* m_field;
    bool m_directionChosen = false;
};
