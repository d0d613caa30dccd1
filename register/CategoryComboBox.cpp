#include "register/CategoryComboBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
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
    completer()->popup()->installEventFilter(this);
}

bool CategoryComboBox::eventFilter(QObject* watched, QEvent* event)
{
    // While the completion list is open it takes every key, also after a
    // shortcut (Alt+A) has sent the user to another field: the first key
    // typed there would land here. So the list closes on any shortcut.
    QAbstractItemView* popup = completer()->popup();
    if (watched == popup && event->type() == QEvent::Show)
        qApp->installEventFilter(this);
    else if (watched == popup && event->type() == QEvent::Hide)
        qApp->removeEventFilter(this);
    else if (event->type() == QEvent::Shortcut && popup->isVisible())
        popup->hide();
    return QComboBox::eventFilter(watched, event);
}

void CategoryComboBox::setChoices(const CategoryChoices& choices)
{
    m_choices = choices;
    clear();
    // The accounts before the categories, so that where typed text matches
    // both ("Sav"), the transfer into an account is offered first rather
    // than a category of the transfer type, which moves no money.
    const auto addAll = [this](CategoryChoices::Kind kind) {
        for (int i = 0; i < m_choices.choices().size(); ++i) {
            if (m_choices.at(i).kind == kind)
                addItem(m_choices.at(i).text, i);
        }
    };
    addAll(CategoryChoices::Kind::None);
    addAll(CategoryChoices::Kind::Transfer);
    if (count() > 1)
        insertSeparator(count());
    addAll(CategoryChoices::Kind::Category);
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
