#pragma once

#include <QSize>

class QDialog;
class QLabel;
class QString;

namespace TandUpdate {

// The size the update dialogs open at when they show release notes, at the
// usual font.
inline constexpr QSize kNotesDialogSize(520, 420);

// Keeps the dialog wide enough for its sentences and buttons at any font;
// call it once the layout is complete. One that shows
// release notes opens at kNotesDialogSize, or larger when a larger font
// needs it, and never beyond the screen it opens on; one without keeps its
// natural size.
void sizeUpdateDialog(QDialog* dialog, bool showsNotes);

// A wrapping label whose text is shown as it is, never read as markup: the
// versions in it come from the server. A heading is bold and `extraPoints`
// larger than the dialog's text.
QLabel* plainLabel(const QString& text);
QLabel* plainHeading(const QString& text, qreal extraPoints);

} // namespace TandUpdate
