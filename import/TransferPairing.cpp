#include "import/TransferPairing.h"

#include <QDate>
#include <QHash>

namespace {

// A transfer of `amount` from account `from` to account `to` on a day.
struct TransferKey
{
    QDate date;
    qint64 amount = 0;
    QString from;
    QString to;

    bool operator==(const TransferKey&) const = default;
};

size_t qHash(const TransferKey& key, size_t seed = 0)
{
    return qHashMulti(seed, key.date, key.amount, key.from, key.to);
}

bool canPair(const QifImportRecord& record)
{
    return record.partnerIndex < 0 && record.amount && !record.transferAccount.isEmpty()
        && !record.sourceAccount.isEmpty() && !record.targetAccountId.isEmpty() && !isSelfTransfer(record);
}

} // namespace

bool isSelfTransfer(const QifTransaction& transaction)
{
    return !transaction.transferAccount.isEmpty() && !transaction.sourceAccount.isEmpty()
        && transaction.transferAccount.compare(transaction.sourceAccount, Qt::CaseInsensitive) == 0;
}

int pairTransfers(QList<QifImportRecord>& records, const std::function<bool(int)>& leftOut)
{
    // Sides not yet paired, oldest first, by the transfer they stand for. A
    // record completes the earliest waiting side of the mirrored transfer.
    QHash<TransferKey, QList<int>> waiting;
    int pairs = 0;
    for (int i = 0; i < records.size(); ++i) {
        QifImportRecord& record = records[i];
        if (!canPair(record) || (leftOut && leftOut(i)))
            continue;
        const QString source = record.sourceAccount.toLower();
        const QString destination = record.transferAccount.toLower();
        const auto mirrored = waiting.find(TransferKey{record.date, -*record.amount, destination, source});
        // Sides waiting under one key share their source account, so they
        // share their target: if the first cannot pair, none can.
        if (mirrored != waiting.end() && records[mirrored->first()].targetAccountId != record.targetAccountId) {
            const int partner = mirrored->takeFirst();
            if (mirrored->isEmpty())
                waiting.erase(mirrored);
            record.partnerIndex = partner;
            records[partner].partnerIndex = i;
            ++pairs;
            continue;
        }
        waiting[TransferKey{record.date, *record.amount, source, destination}].append(i);
    }
    return pairs;
}
