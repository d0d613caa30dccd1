#pragma once

#include "register/CategoryChoices.h"

#include <QComboBox>

#include <optional>

// An editable list of category choices in which typing any part of a name
// finds one: about fifty categories are quicker typed than scrolled. Typed
// text is never thrown away: when editing ends, text that names one choice
// selects it, and anything else stays for the form to ask about.
class CategoryComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit CategoryComboBox(QWidget* parent = nullptr);

    void setChoices(const CategoryChoices& choices);
    const CategoryChoices& categoryChoices() const { return m_choices; }

    // Selects that choice; unlisted ones are ignored.
    void select(CategoryChoices::Kind kind, const QString& id);
    // What the text in the field names now: the selected entry while its
    // text shows (two accounts may share a name), else what the text reads as.
    CategoryChoices::Match typedMatch() const;
    // The choice the text names, when it names exactly one.
    std::optional<CategoryChoices::Choice> currentChoice() const;

    // Asks whether to create the category the typed text asks for (see
    // CategoryChoices::newCategory), as `type`. On yes it is listed and
    // selected, and returned for the caller to store with the transaction;
    // on no, or for text that asks for none, focus goes back to the field.
    // Either way the field's window has the keyboard again.
    std::optional<Category> offerNewCategory(CategoryType type, QWidget* dialogParent);
    // Lists a category created in another field of the same form; one
    // already listed is left as it is.
    void addNewCategory(const Category& category);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

Q_SIGNALS:
    // The user typed or picked; not sent for select().
    void edited();
    // Editing ended with text that names one choice (now selected), or not.
    void settled(const CategoryChoices::Match& match);

private:
    void settle();

    CategoryChoices m_choices;
};
