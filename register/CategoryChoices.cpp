#include "register/CategoryChoices.h"

#include "appstate/AppState.h"
#include "storage/AccountRepository.h"
#include "storage/CategoryRepository.h"
#include "storage/RecordId.h"
#include "storage/Timestamp.h"

#include <QHash>

#include <algorithm>

namespace {

bool startsAWord(const QString& text, const QString& start)
{
    for (qsizetype i = 0; i + start.size() <= text.size(); ++i) {
        const bool wordStart = i == 0 || !text.at(i - 1).isLetterOrNumber();
        if (wordStart && QStringView(text).mid(i).startsWith(start, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

} // namespace

CategoryChoices CategoryChoices::load(AppState* appState, const QString& accountId, bool withTransfers)
{
    CategoryChoices result;
    result.m_choices.append({Kind::None, QString(), tr("(none)"), QString()});

    const QList<Category> categories = appState->categoryRepository()->listAll();
    QHash<QString, QString> names;
    for (const Category& category : categories)
        names.insert(category.id, category.name);
    QList<Choice> listed;
    for (const Category& category : categories) {
        // A category of another account means nothing in this one.
        if (!category.account_id.isEmpty() && category.account_id != accountId)
            continue;
        const QString parentName = names.value(category.parent_id);
        listed.append({Kind::Category, category.id,
                       parentName.isEmpty() ? category.name : tr("%1 > %2").arg(parentName, category.name),
                       category.name, category.parent_id.isEmpty()});
    }
    // By the listed text, so that sub-categories follow their parent.
    std::sort(listed.begin(), listed.end(),
              [](const Choice& a, const Choice& b) { return QString::localeAwareCompare(a.text, b.text) < 0; });
    result.m_choices.append(listed);

    if (withTransfers) {
        for (const Account& account : appState->accountRepository()->listActive()) {
            if (account.id != accountId)
                result.m_choices.append({Kind::Transfer, account.id, transferText(account.name), account.name});
        }
    }
    return result;
}

QString CategoryChoices::transferText(const QString& accountName)
{
    return tr("Transfer to/from: %1").arg(accountName);
}

QString CategoryChoices::transferToText(const QString& accountName)
{
    return tr("Transfer to %1").arg(accountName);
}

QString CategoryChoices::transferFromText(const QString& accountName)
{
    return tr("Transfer from %1").arg(accountName);
}

int CategoryChoices::indexOf(Kind kind, const QString& id) const
{
    for (int i = 0; i < m_choices.size(); ++i) {
        if (m_choices.at(i).kind == kind && m_choices.at(i).id == id)
            return i;
    }
    return -1;
}

std::optional<CategoryChoices::Choice> CategoryChoices::keptCategory(AppState* appState, const QString& categoryId)
{
    const std::optional<Category> stored = appState->categoryRepository()->getById(categoryId);
    if (stored && stored->deleted_at)
        return std::nullopt;
    const QString name = stored ? stored->name : tr("(unknown category)");
    return Choice{Kind::Category, categoryId, name, name};
}

int CategoryChoices::addKept(const Choice& choice)
{
    m_choices.append(choice);
    return int(m_choices.size()) - 1;
}

std::optional<Category> CategoryChoices::newCategory(const QString& typed, CategoryType type) const
{
    Category category;
    category.name = typed.trimmed();
    const QStringList parts = category.name.split(u'>');
    if (parts.size() == 2) {
        for (const Choice& choice : m_choices) {
            // Not one listed by its own name only because its parent was
            // deleted: a child of it would stand on a third level once the
            // parent is back.
            if (choice.kind == Kind::Category && choice.topLevel
                && choice.name.compare(parts.at(0).trimmed(), Qt::CaseInsensitive) == 0) {
                category.parent_id = choice.id;
                category.name = parts.at(1).trimmed();
                break;
            }
        }
    }
    if (category.name.isEmpty())
        return std::nullopt;
    category.category_type = type;
    category.id = newRecordId();
    category.created_at = nowUtc();
    category.updated_at = category.created_at;
    return category;
}

int CategoryChoices::addNew(const Category& category)
{
    QString text = category.name;
    for (const Choice& choice : std::as_const(m_choices)) {
        if (choice.kind == Kind::Category && choice.id == category.parent_id && !category.parent_id.isEmpty())
            text = tr("%1 > %2").arg(choice.name, category.name);
    }
    return addKept({Kind::Category, category.id, text, category.name, category.parent_id.isEmpty()});
}

CategoryChoices::Match CategoryChoices::match(const QString& text) const
{
    const QString typed = text.trimmed();
    if (typed.isEmpty())
        return {Match::One, 0};

    // Each rule in turn; the first that names anything decides.
    const auto find = [&](auto&& names) -> Match {
        Match found;
        for (int i = 0; i < m_choices.size(); ++i) {
            if (!names(m_choices.at(i)))
                continue;
            if (found.result == Match::One)
                return {Match::Several, -1};
            found = {Match::One, i};
        }
        return found;
    };
    const auto same = [&](const QString& text) { return text.compare(typed, Qt::CaseInsensitive) == 0; };
    const Match whole = find([&](const Choice& c) {
        return same(c.text)
            || (c.kind == Kind::Transfer && (same(transferToText(c.name)) || same(transferFromText(c.name))));
    });
    if (whole.result != Match::NoMatch)
        return whole;
    const Match own = find([&](const Choice& c) {
        return c.kind != Kind::None && c.name.compare(typed, Qt::CaseInsensitive) == 0;
    });
    if (own.result != Match::NoMatch)
        return own;
    // A start that also begins a word of an account's name ("Sav" for
    // "Savings Transfer" and "Rainy Day Savings") names no category for
    // sure: the user may mean the transfer, which is never guessed.
    const bool startsAnAccount = std::any_of(m_choices.cbegin(), m_choices.cend(), [&](const Choice& c) {
        return c.kind == Kind::Transfer && startsAWord(c.name, typed);
    });
    const auto startMatch = [&](const Match& found) -> Match {
        return found.result != Match::NoMatch && startsAnAccount ? Match{Match::Several, -1} : found;
    };
    // "util" names Utilities, not each of its sub-categories as well.
    const Match ownStart = find([&](const Choice& c) {
        return c.kind == Kind::Category && c.name.startsWith(typed, Qt::CaseInsensitive);
    });
    if (ownStart.result != Match::NoMatch)
        return startMatch(ownStart);
    return startMatch(
        find([&](const Choice& c) { return c.kind == Kind::Category && c.text.startsWith(typed, Qt::CaseInsensitive); }));
}
