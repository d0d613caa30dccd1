#pragma once

#include <QSize>

class QDialog;

namespace TandUpdate {

// The size the update dialogs open at when they show release notes, at the
// usual font.
inline constexpr QSize kNotesDialogSize(520, 420);

// Keeps the dialog wide enough for its sentences at any font. One that shows
// release notes opens at kNotesDialogSize, or larger when a larger font
// needs it, and never beyond the screen it opens on; one without keeps its
// natural size.
void sizeUpdateDialog(QDialog* dialog, bool showsNotes);

} // namespace TandUpdate
