#pragma once

class QWidget;
struct Transaction;

// Asks before a transaction is deleted, in every window that deletes one;
// for a transfer it says that the other side goes too. True for Yes.
bool confirmTransactionDelete(QWidget* parent, const Transaction& transaction);
