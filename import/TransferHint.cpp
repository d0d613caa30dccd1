#include "import/TransferHint.h"

namespace {

const QString kOpening = QStringLiteral("[\u2192 ");

} // namespace

QString makeTransferHint(const QString& account) { return kOpening + account + u']'; }

QString withTransferHint(const QString& memo, const QString& account)
{
    const QString hint = makeTransferHint(account);
    return memo.isEmpty() ? hint : hint + u' ' + memo;
}

std::optional<TransferHint> parseTransferHint(const QString& memo)
{
    if (!memo.startsWith(kOpening))
        return std::nullopt;
    const qsizetype close = memo.indexOf(u']', kOpening.size());
    if (close <= kOpening.size())
        return std::nullopt;
    qsizetype rest = close + 1;
    if (rest < memo.size() && memo[rest] == u' ')
        ++rest;
    return TransferHint{memo.mid(kOpening.size(), close - kOpening.size()), memo.mid(rest)};
}
