#include "screens/DataSyncTexts.h"

#include "appstate/ThemeHelpers.h"
#include "storage/Timestamp.h"

#include <QDir>
#include <QLocale>

QString DataSyncTexts::signedOutText()
{
    return tr("Not signed in.\nSign in via File › Tandrel Account to enable sync.");
}

QString DataSyncTexts::signedInText(const QString& userName, SyncEngine::SyncState state)
{
    return tr("<b>Signed in as:</b> %1<br><b>Status:</b> <span style=\"color:%2\">%3</span>")
        .arg(userName.toHtmlEscaped(), stateColor(state).name(), SyncEngine::stateText(state).toHtmlEscaped());
}

QColor DataSyncTexts::stateColor(SyncEngine::SyncState state)
{
    switch (state) {
    case SyncEngine::Idle:
        return positiveAmountColor();
    case SyncEngine::Syncing:
        return currentAccentColor();
    case SyncEngine::Error:
        return negativeAmountColor();
    default:
        return warningColor();
    }
}

QString DataSyncTexts::lastSyncText(const std::optional<QString>& stored, const QString& error)
{
    QString text;
    if (!stored || stored->isEmpty()) {
        text = tr("Never synced");
    } else {
        const QDateTime time = parseTimestamp(*stored);
        text = tr("Last synced: %1")
                   .arg(time.isValid() ? QLocale().toString(time.toLocalTime(), QStringLiteral("MMM d, h:mm ap"))
                                       : *stored);
    }
    if (!error.isEmpty())
        text += QLatin1Char('\n') + tr("Error: %1").arg(error);
    return text;
}

QString DataSyncTexts::notReadableText(int count)
{
    return tr("%n record(s) from the sync service cannot be read by this version of Ledgerine yet. They are kept, "
              "and tried again at every sync; an update may read them.",
              nullptr, count);
}

QStringList DataSyncTexts::importModes()
{
    return {tr("Replace all with backup data"), tr("Keep newer (compare timestamps)"), tr("Skip existing items")};
}

BackupService::ImportMode DataSyncTexts::importModeFor(const QString& choice)
{
    switch (importModes().indexOf(choice)) {
    case 1:
        return BackupService::KeepNewer;
    case 2:
        return BackupService::SkipExisting;
    default:
        return BackupService::ReplaceAll;
    }
}

std::optional<DataSyncTexts::Message> DataSyncTexts::fullSyncFailure(AppState::FullSyncStart start)
{
    QString text;
    switch (start) {
    case AppState::FullSyncStart::Ready:
        return std::nullopt;
    case AppState::FullSyncStart::NotSignedIn:
        text = tr("You are not signed in. Sign in via File › Tandrel Account, then try again.");
        break;
    case AppState::FullSyncStart::WritesHeld:
        text = tr("An import or a restore is still writing to your data. Try again when it has finished.");
        break;
    case AppState::FullSyncStart::NotHandedOver:
        text = tr("This ledger last synced with another account. Answer whether to upload it to yours first.");
        break;
    case AppState::FullSyncStart::NotWritten:
        text = tr("Your data could not be prepared for a full sync, so nothing was sent. Try again; if it keeps "
                  "failing, check that the disk has free space.");
        break;
    }
    return Message{QMessageBox::Warning, tr("Full Sync Not Started"), text};
}

DataSyncTexts::Message DataSyncTexts::exportMessage(bool written, const QString& path, const QString& reason)
{
    const QString shownPath = QDir::toNativeSeparators(path);
    if (written) {
        // A backup that had to leave rows out says which.
        QString text = tr("Backup saved to:\n%1").arg(shownPath);
        if (!reason.isEmpty())
            text += QStringLiteral("\n\n") + reason;
        return {reason.isEmpty() ? QMessageBox::Information : QMessageBox::Warning, tr("Backup Complete"), text};
    }
    QString text = tr("Could not write to:\n%1").arg(shownPath);
    if (!reason.isEmpty())
        text += QStringLiteral("\n\n") + reason;
    return {QMessageBox::Warning, tr("Backup Failed"), text};
}

DataSyncTexts::Message DataSyncTexts::importMessage(const BackupImportResult& result)
{
    const QStringList listed = result.errors.mid(0, kListedErrors);
    const int unlisted = int(result.errors.size()) - int(listed.size());
    QString errors = listed.join(QLatin1Char('\n'));
    if (unlisted > 0)
        errors += QLatin1Char('\n') + tr("...and %n more.", nullptr, unlisted);

    if (result.failed())
        return {QMessageBox::Warning, tr("Import Failed"), tr("Nothing was imported.\n\n%1").arg(errors)};

    QString text = tr("Imported %n item(s), skipped %1.", nullptr, result.importedCount()).arg(result.skippedCount());
    if (result.splitRemaindersAdded > 0)
        text += QLatin1Char('\n')
            + tr("%n split transaction(s) given an uncategorized line so their lines add up to the total", nullptr,
                 result.splitRemaindersAdded);
    if (!result.errors.isEmpty())
        text += QStringLiteral("\n\n") + tr("%n error(s) occurred:", nullptr, int(result.errors.size()))
            + QLatin1Char('\n') + errors;
    const bool clean = result.errors.isEmpty() && result.splitRemaindersAdded == 0;
    return {clean ? QMessageBox::Information : QMessageBox::Warning, tr("Import Complete"), text};
}
