#include "register/CategoryComboBox.h"

#include "appstate/PlainMessage.h"
#include "register/TabCompleter.h"

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
    TabCompleter::install(completer());
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

std::optional<Category> CategoryComboBox::offerNewCategory(CategoryType type, QWidget* dialogParent)
{
    const QString typed = currentText().trimmed();
    std::optional<Category> category = m_choices.newCategory(typed, type);
    const QString question = type == CategoryType::Income
        ? tr("There is no category named \"%1\". Create it as an income category?")
        : tr("There is no category named \"%1\". Create it as an expense category?");
    const bool agreed = category
        && showPlainMessage(dialogParent, QMessageBox::Question, tr("New Category"), question.arg(typed),
                            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
            == QMessageBox::Yes;
    // Without a window manager nothing hands the keyboard back to the form
    // once the question closes, and Return would do nothing until a click.
    window()->activateWindow();
    if (!agreed) {
        setFocus();
        lineEdit()->selectAll();
        return std::nullopt;
    }
    addNewCategory(*category);
    select(CategoryChoices::Kind::Category, category->id);
    return category;
}

void CategoryComboBox::addNewCategory(const Category& category)
{
    if (m_choices.indexOf(CategoryChoices::Kind::Category, category.id) >= 0)
        return;
    // The categories come last in the list: the new one joins them there,
    // and nothing typed or chosen in the field changes.
    const int index = m_choices.addNew(category);
    const QString text = currentText();
    const int current = currentIndex();
    addItem(m_choices.at(index).text, index);
    if (currentIndex() != current)
        setCurrentIndex(current);
    if (currentText() != text)
        setEditText(text);
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
