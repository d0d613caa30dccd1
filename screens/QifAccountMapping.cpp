#include "screens/QifAccountMapping.h"

#include "storage/RecordId.h"
#include "storage/Timestamp.h"

#include <QFileInfo>

const QString QifAccountMapping::kCreate = QStringLiteral("__create__");
const QString QifAccountMapping::kSkip = QStringLiteral("__skip__");

namespace {

// Before them in choices(): a new account and skip.
constexpr int kFirstAccountIndex = 2;

} // namespace

QifAccountMapping::QifAccountMapping(const QList<Account>& accounts)
{
    m_accountChoices.reserve(accounts.size());
    m_indexById.reserve(accounts.size());
    m_indexByName.reserve(accounts.size());
    for (const Account& account : accounts) {
        const int index = int(m_accountChoices.size()) + kFirstAccountIndex;
        m_accountChoices.append({account.name, account.id});
        m_indexById.insert(account.id, index);
        const QString name = account.name.toCaseFolded();
        if (!m_indexByName.contains(name))
            m_indexByName.insert(name, index);
    }
}

QList<QifAccountMapping::Choice> QifAccountMapping::choices(const QifSourceAccount& source) const
{
    QList<Choice> result;
    result.reserve(m_accountChoices.size() + kFirstAccountIndex);
    result.append({tr("— Create new account \"%1\" —").arg(newAccountName(source)), kCreate});
    result.append({tr("— Skip these transactions —"), kSkip});
    result.append(m_accountChoices);
    return result;
}

int QifAccountMapping::indexOf(const QString& value) const
{
    if (value == kCreate)
        return 0;
    if (value == kSkip)
        return 1;
    return m_indexById.value(value, -1);
}

int QifAccountMapping::preselected(const QifSourceAccount& source, const QString& madeForIt) const
{
    if (!madeForIt.isEmpty()) {
        if (const int index = m_indexById.value(madeForIt, -1); index >= 0)
            return index;
    }
    if (source.noAccountHeader)
        return 0;
    return m_indexByName.value(source.displayName.toCaseFolded(), 0);
}

QString QifAccountMapping::newAccountName(const QifSourceAccount& source)
{
    if (!source.noAccountHeader)
        return source.name;
    const QFileInfo file(source.name);
    // A file called ".qif" has nothing before its extension.
    const QString name = file.completeBaseName().trimmed();
    return name.isEmpty() ? file.fileName() : name;
}

Account QifAccountMapping::newAccount(const QifSourceAccount& source)
{
    Account account;
    account.id = newRecordId();
    account.name = newAccountName(source);
    account.account_type = source.suggestedType;
    account.currency = Currency::USD;
    account.created_at = nowUtc();
    account.updated_at = account.created_at;
    return account;
}
