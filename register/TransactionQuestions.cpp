#include "register/TransactionQuestions.h"

#include "appstate/PlainMessage.h"
#include "storage/Transaction.h"

#include <QCoreApplication>

bool confirmTransactionDelete(QWidget* parent, const Transaction& transaction)
{
    const char* context = "TransactionQuestions";
    const QString text = transaction.isTransfer()
        ? QCoreApplication::translate(context, "Delete the transfer for %1? Its other side is deleted too.")
        : QCoreApplication::translate(context, "Delete the transaction for %1?");
    return askPlainQuestion(parent, QCoreApplication::translate(context, "Delete Transaction"),
                            text.arg(transaction.payee));
}
