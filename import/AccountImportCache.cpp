#include "import/AccountImportCache.h"

#include "import/ImportService.h"
#include "import/TransferHint.h"

AccountImportCache::AccountImportCache(QList<Transaction> rows)
    : m_rows(std::move(rows))
{
    m_matches.reserve(m_rows.size());
    // Unlinked rows first, so that a duplicate stands for a row its partner
    // can still link to.
    for (const bool linked : {false, true}) {
        for (qsizetype i = 0; i < m_rows.size(); ++i) {
            const Transaction& t = m_rows[i];
            if (t.isTransfer() != linked)
                continue;
            m_liveTotal += t.amount;
            m_matches[ImportService::matchKey(t.date, t.amount, t.payee)].rows.append(i);
            if (linked)
                continue;
            if (const std::optional<TransferHint> hint = parseTransferHint(t.memo))
                m_waiting[WaitingKey{t.date, t.amount, hint->account.toLower()}].append(i);
        }
    }
}

std::optional<qsizetype> AccountImportCache::takeMatch(const QString& matchKey, int file)
{
    const auto found = m_matches.find(matchKey);
    if (found == m_matches.end())
        return std::nullopt;
    if (found->file != file) {
        found->file = file;
        found->taken = 0;
    }
    const qsizetype taken = found->taken;
    if (taken == found->rows.size() + found->written)
        return std::nullopt;
    ++found->taken;
    return taken < found->rows.size() ? found->rows[taken] : kWrittenByRun;
}

void AccountImportCache::addWritten(const QString& matchKey) { ++m_matches[matchKey].written; }

std::optional<qsizetype> AccountImportCache::findRetroactivePartner(const QString& sourceAccount, const QDate& date,
                                                                    qint64 amount) const
{
    if (sourceAccount.isEmpty())
        return std::nullopt;
    const auto found = m_waiting.constFind(WaitingKey{date, -amount, sourceAccount.toLower()});
    if (found == m_waiting.cend())
        return std::nullopt;
    for (const qsizetype row : *found) {
        if (isLinkable(row))
            return row;
    }
    return std::nullopt;
}

bool AccountImportCache::isLinkable(qsizetype row) const
{
    return !m_rows[row].isTransfer() && !m_linked.contains(row);
}

void AccountImportCache::markLinked(qsizetype row) { m_linked.insert(row); }
