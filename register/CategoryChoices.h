#pragma once

#include "storage/Category.h"
#include "storage/Enums.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <optional>

class AppState;

// What a user can file a transaction of one account under: no category, the
// live categories shared by every account or kept for this one (each after
// its parent), and, for a whole transaction, a transfer to each other live
// account. It also reads what a user types: a whole entry, a category's or
// an account's own name, or the unique start of a category's name or entry.
class CategoryChoices
{
    Q_DECLARE_TR_FUNCTIONS(CategoryChoices)

public:
    enum class Kind { None, Category, Transfer };

    struct Choice
    {
        Kind kind = Kind::None;
        // The category's id, or the other account's for a transfer.
        QString id;
        // As listed: "Food > Groceries", or transferText() of the account.
        QString text;
        // The category's own name, or the other account's.
        QString name;
        // A category without a parent, which alone may take sub-categories.
        bool topLevel = false;
    };

    struct Match
    {
        enum Result { NoMatch, One, Several };
        Result result = NoMatch;
        // The choice named, when there is one.
        int index = -1;
    };

    // The first choice is always "(none)".
    static CategoryChoices load(AppState* appState, const QString& accountId, bool withTransfers);

    // How a transfer is listed, and how the register shows one that pays
    // into the other account or takes from it; each reads back as that
    // transfer when typed.
    static QString transferText(const QString& accountName);
    static QString transferToText(const QString& accountName);
    static QString transferFromText(const QString& accountName);

    const QList<Choice>& choices() const { return m_choices; }
    const Choice& at(int index) const { return m_choices.at(index); }
    // -1 when not listed.
    int indexOf(Kind kind, const QString& id) const;
    // Adds a choice that is not offered for new entries (the account of an
    // existing transfer, deleted since) so an edit keeps it.
    int addKept(const Choice& choice);

    // The category that typed text asks for, not stored yet: "Parent > Name"
    // is a sub-category of a listed category without a parent, anything
    // else a top-level category of that whole name. None for a blank name.
    std::optional<Category> newCategory(const QString& typed, CategoryType type) const;
    // Lists a category made by newCategory(), so that it can be chosen like
    // the others until it is stored with the transaction.
    int addNew(const Category& category);

    // What an edit shows for a category the list does not offer: a live one
    // (of another account) by its name, one not known here (its row not yet
    // synced) as unknown, and none for a deleted one, whose transactions
    // count as uncategorized everywhere.
    static std::optional<Choice> keptCategory(AppState* appState, const QString& categoryId);

    // Blank text is "(none)". Then, ignoring case: a whole entry, then a
    // category's or account's own name, then the start of one category's
    // name ("groc" for "Food > Groceries"), then of one entry. A transfer is never
    // guessed from a start: it writes a row into another account. A start
    // that also begins a word of an account's name is several matches.
    Match match(const QString& text) const;

private:
    QList<Choice> m_choices;
};
