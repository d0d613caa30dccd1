#pragma once

#include <QString>

namespace TandAccount {

// The share dialog's texts, translated by whoever opens it. An empty text
// takes the dialog's own wording where it has one, or is left out.
struct ShareDialogTexts
{
    // The window title.
    QString title;
    // Bold line at the top, naming the account; left out when empty.
    QString heading;
    // The paragraph under it; left out when empty.
    QString description;
    QString sharedWithTitle;
    QString addPeopleTitle;
    // Shown when nobody else has access.
    QString emptySharesText;
    // Shown when the user's group has nobody else in it.
    QString noGroupText;
    QString allMembersHaveAccessText;
    QString shareButtonText;
    // Tooltip of the button that withdraws someone's access.
    QString removeAccessText;
    QString closeButtonText;
    // The role every share gives; empty leaves it to the sharing service.
    QString defaultRole;
    QString shareFailedTitle;
    QString removeFailedTitle;
    // The question before access is withdrawn; "%1" is the person's name.
    QString removeConfirmTitle;
    QString removeConfirmText;
};

} // namespace TandAccount
