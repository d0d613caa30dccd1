#include "register/CategoryComboBox.h"

#include <QCompleter>
#include <QAbstractItemView>
#include <QFocusEvent>
#include <QLineEdit>

CategoryComboBox::CategoryComboBox(QWidget* parent)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // Long lists scroll, and the entries are the texts a user would type.
    setMaxVisibleItems(20);
    completer()->setFilterMode(Qt::MatchContains);
    completer()->setCaseSensitivity(Qt::CaseInsensitive);
    completer()->setCompletionMode(QCompleter::PopupCompletion);
    connect(lineEdit(), &QLineEdit::textEdited, this, &CategoryComboBox::edited);
    connect(this, &QComboBox::activated, this, &CategoryComboBox::edited);
    connect(lineEdit(), &QLineEdit::editingFinished, this, &CategoryComboBox::settle);
}

void CategoryComboBox::setChoices(const CategoryChoices& choices)
{
    m_choices = choices;
    clear();
    bool transfers = false;
    for (int i = 0; i < m_choices.choices().size(); ++i) {
        const CategoryChoices::Choice& choice = m_choices.at(i);
        if (choice.kind == CategoryChoices::Kind::Transfer && !transfers) {
            insertSeparator(count());
            transfers = true;
        }
        addItem(choice.text, i);
    }
    setCurrentIndex(0);
}

void CategoryComboBox::select(CategoryChoices::Kind kind, const QString& id)
{
    const int item = findData(m_choices.indexOf(kind, id));
    if (item < 0)
        return;
    setCurrentIndex(item);
    setEditText(itemText(item));
}

CategoryChoices::Match CategoryComboBox::typedMatch() const
{
    const int item = currentIndex();
    if (item >= 0 && currentText() == itemText(item) && currentData().isValid())
        return {CategoryChoices::Match::One, currentData().toInt()};
    return m_choices.match(currentText());
}

std::optional<CategoryChoices::Choice> CategoryComboBox::currentChoice() const
{
    const CategoryChoices::Match match = typedMatch();
    if (match.result != CategoryChoices::Match::One)
        return std::nullopt;
    return m_choices.at(match.index);
}

void CategoryComboBox::focusOutEvent(QFocusEvent* event)
{
    // A shortcut to another field (Alt+A) leaves the completion list open,
    // and it would take the keys typed there.
    if (event->reason() != Qt::PopupFocusReason && completer()->popup()->isVisible())
        completer()->popup()->hide();
    QComboBox::focusOutEvent(event);
    // Tab with the completion list open closes the list and moves on without
    // the line edit ever finishing its editing.
    if (event->reason() != Qt::PopupFocusReason)
        settle();
}

void CategoryComboBox::settle()
{
    const CategoryChoices::Match match = typedMatch();
    if (match.result == CategoryChoices::Match::One) {
        const int item = findData(match.index);
        if (item != currentIndex())
            setCurrentIndex(item);
        if (currentText() != itemText(item))
            setEditText(itemText(item));
    }
    Q_EMIT settled(match);
}
