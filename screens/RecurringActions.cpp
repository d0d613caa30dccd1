#include "screens/RecurringActions.h"

#include "appstate/AppState.h"
#include "appstate/PlainMessage.h"
#include "screens/RecurringEditor.h"
#include "screens/RecurringFormDialog.h"
#include "services/RecurringService.h"
#include "storage/AccountRepository.h"
#include "storage/Money.h"
#include "storage/RecurringRepository.h"
#include "storage/SplitLineRepository.h"

namespace {

// How a question names an item or a transaction: its payee, or a word for none.
QString nameOf(const QString& payee)
{
    return payee.isEmpty() ? RecurringActions::tr("(no payee)") : payee;
}

QString nameOf(const RecurringTransaction& item) { return nameOf(item.payee); }

} // namespace

RecurringActions::RecurringActions(AppState* appState, QWidget* window)
    : QObject(window)
    , m_appState(appState)
    , m_window(window)
    , m_editor(new RecurringEditor(appState, this))
{
}

QString RecurringActions::addItem()
{
    RecurringFormDialog form(m_appState, m_window);
    while (form.exec() == QDialog::Accepted) {
        const RecurringTransaction item = form.recurring();
        if (m_editor->addItem(item))
            return item.id;
        warn(tr("Not Saved"), tr("The recurring transaction could not be saved: %1.").arg(m_editor->lastError()));
    }
    return {};
}

QString RecurringActions::memorize(const Transaction& transaction)
{
    if (!acceptsLosingSplitLines(transaction))
        return {};
    const std::unique_ptr<RecurringFormDialog> form = RecurringFormDialog::createFromSeed(
        m_appState, RecurringFormDialog::seedFrom(transaction, QDate::currentDate()), m_window);
    while (form->exec() == QDialog::Accepted) {
        const RecurringTransaction item = form->recurring();
        if (m_editor->addItem(item))
            return item.id;
        warn(tr("Not Saved"), tr("The recurring transaction could not be saved: %1.").arg(m_editor->lastError()));
    }
    return {};
}

bool RecurringActions::acceptsLosingSplitLines(const Transaction& transaction)
{
    if (!transaction.is_split)
        return true;
    const int lines = int(m_appState->splitLineRepository()->listByTransaction(transaction.id).size());
    if (lines == 0)
        return true;
    const std::optional<Account> account = m_appState->accountRepository()->getById(transaction.account_id);
    const QString amount =
        formatMoney(transaction.amount < 0 ? -transaction.amount : transaction.amount,
                    account ? account->currency : Currency::USD);
    const QString split = tr("\"%1\" is split into %n line(s).", nullptr, lines).arg(nameOf(transaction.payee));
    return askPlainQuestion(m_window, tr("Memorize Split Transaction"),
                            split + u' '
                                + tr("A recurring transaction holds one category, so it would repeat the whole %1 "
                                     "without a category and without the split lines. Memorize it anyway?")
                                      .arg(amount));
}

bool RecurringActions::editItem(const RecurringTransaction& item)
{
    RecurringFormDialog form(m_appState, item, m_window);
    while (form.exec() == QDialog::Accepted) {
        if (m_editor->updateItem(form.recurring(), item))
            return true;
        warn(tr("Not Saved"),
             tr("The changes to \"%1\" could not be saved: %2.").arg(nameOf(item), m_editor->lastError()));
        // Gone, it cannot take the edit however often it is tried.
        const std::optional<RecurringTransaction> stored = m_appState->recurringRepository()->getById(item.id);
        if (!stored || stored->deleted_at)
            return false;
    }
    return false;
}

bool RecurringActions::deleteItem(const RecurringTransaction& item)
{
    if (!askPlainQuestion(m_window, tr("Delete"), tr("Delete recurring \"%1\"?").arg(nameOf(item))))
        return false;
    if (m_editor->deleteItem(item.id))
        return true;
    warn(tr("Not Deleted"), tr("\"%1\" could not be deleted: %2.").arg(nameOf(item), m_editor->lastError()));
    return false;
}

bool RecurringActions::confirm(const RecurringTransaction& item)
{
    if (!isUnchanged(item))
        return false;
    if (m_appState->recurringService()->confirm(item.id))
        return true;
    explainNothingDone(item, tr("\"%1\" could not be entered: %2."));
    return false;
}

bool RecurringActions::enterEarly(const RecurringTransaction& item)
{
    const QString question =
        tr("Enter \"%1\" now, dated %2? The transaction is dated its due date and you can edit or delete it later.")
            .arg(nameOf(item), item.next_due_date.toString(QStringLiteral("MMM d, yyyy")));
    return askPlainQuestion(m_window, tr("Enter Early"), question) && confirm(item);
}

bool RecurringActions::skip(const RecurringTransaction& item)
{
    if (!isUnchanged(item))
        return false;
    if (m_appState->recurringService()->skip(item.id))
        return true;
    explainNothingDone(item, tr("\"%1\" could not be skipped: %2."));
    return false;
}

int RecurringActions::confirmAllDue()
{
    return reportBatch(m_appState->recurringService()->confirmAllDue());
}

int RecurringActions::enterNextWeek()
{
    if (!askPlainQuestion(m_window, tr("Enter Next 7 Days"),
                          tr("Enter all recurring transactions due in the next 7 days? They are dated their due "
                             "dates and you can edit or delete them later.")))
        return 0;
    return reportBatch(m_appState->recurringService()->confirmDueThrough(QDate::currentDate().addDays(7)));
}

int RecurringActions::reportBatch(int posted)
{
    const QString error = m_appState->recurringService()->lastError();
    if (error.isEmpty())
        return posted;
    warn(tr("Not Entered"), tr("Nothing was entered: %1.").arg(error));
    return -1;
}

bool RecurringActions::isUnchanged(const RecurringTransaction& item)
{
    if (m_editor->unchanged(item))
        return true;
    warn(tr("Changed Meanwhile"),
         tr("\"%1\" changed after you chose it: it may have been entered by itself or on another device. "
            "Nothing was done; look at it again.")
             .arg(nameOf(item)));
    return false;
}

void RecurringActions::explainNothingDone(const RecurringTransaction& item, const QString& failure)
{
    const QString error = m_appState->recurringService()->lastError();
    if (!error.isEmpty()) {
        warn(tr("Not Saved"), failure.arg(nameOf(item), error));
        return;
    }
    // Otherwise it was entered before (on another device) and has moved on,
    // which the list shows, or it had nothing left to enter.
    const std::optional<RecurringTransaction> stored = m_appState->recurringRepository()->getById(item.id);
    if (stored && !stored->is_active)
        warn(tr("Nothing Left to Enter"),
             tr("\"%1\" has no occurrence left before its end date, so nothing was entered. It is now inactive.")
                 .arg(nameOf(item)));
}

void RecurringActions::warn(const QString& title, const QString& text)
{
    showPlainMessage(m_window, QMessageBox::Warning, title, text);
}
