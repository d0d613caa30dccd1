#include "screens/QifAccountMapping.h"

#include "storage/RecordId.h"
#include "storage/Timestamp.h"

#include <QFileInfo>

const QString QifAccountMapping::kCreate = QStringLiteral("__create__");
const QString QifAccountMapping::kSkip = QStringLiteral("__skip__");

QList<QifAccountMapping::Choice> QifAccountMapping::choices(const QifSourceAccount& source,
                                                            const QList<Account>& accounts)
{
    QList<Choice> result;
    result.reserve(accounts.size() + 2);
    result.append({tr("— Create new account \"%1\" —").arg(newAccountName(source)), kCreate});
    result.append({tr("— Skip these transactions —"), kSkip});
    for (const Account& account : accounts)
        result.append({account.name, account.id});
    return result;
}

int QifAccountMapping::preselected(const QifSourceAccount& source, const QList<Account>& accounts)
{
    if (source.noAccountHeader)
        return 0;
    for (qsizetype i = 0; i < accounts.size(); ++i) {
        if (accounts[i].name.compare(source.displayName, Qt::CaseInsensitive) == 0)
            return int(i) + 2;
    }
    return 0;
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
