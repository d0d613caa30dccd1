#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

class Database;

// Payees are not records of their own but the payee text of transactions:
// renaming or merging payees rewrites that text on every live transaction
// that carries it, as one user action.
class PayeeService : public QObject
{
    Q_OBJECT

public:
    explicit PayeeService(Database* database, QObject* parent = nullptr);

    // Gives every live transaction whose payee is one of `payees` (exactly,
    // letter case included) the payee `target`; a payee already equal to the
    // target is left alone; so do the live recurring items of those payees.
    // Each rewritten row goes one version up, pending for sync. The number
    // of transactions rewritten, or none when the target is blank or any
    // write failed; then nothing was changed. No repository signal follows:
    // the caller tells the windows that show payees.
    std::optional<int> rename(const QStringList& payees, const QString& target);

    // The payees that renaming `payees` to `target` makes one: each of them
    // once, and the target itself when live transactions carry it already.
    // Two or more mean the rename merges payees, which no later rename can
    // take apart again.
    QStringList joinedBy(const QStringList& payees, const QString& target) const;

    // The payee a merge goes into: the typed name, trimmed, or else the
    // first of the selected payees.
    static QString mergeTarget(const QStringList& payees, const QString& typed);

private:
    // Rewrites the payee in one table; the rows changed, or none on failure.
    std::optional<int> renameIn(const QString& table, const QString& payee, const QString& target,
                                const QString& now);

    Database* m_database;
};
