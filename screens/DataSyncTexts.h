#pragma once

#include "appstate/AppState.h"
#include "services/BackupService.h"
#include "sync/SyncEngine.h"

#include <QColor>
#include <QCoreApplication>
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <optional>

// What the Data & Sync page of the preferences window says: the sign-in and
// sync state, the time of the last sync, why a full sync did not start, the
// restore modes offered and the outcome of a backup export or restore.
class DataSyncTexts
{
    Q_DECLARE_TR_FUNCTIONS(DataSyncTexts)

public:
    struct Message
    {
        QMessageBox::Icon icon = QMessageBox::Information;
        QString title;
        // Plain text: paths and error texts come from the file system.
        QString text;
    };

    // Plain text on two lines, naming where to sign in.
    static QString signedOutText();
    // Rich text naming the user (escaped: the name comes from the server)
    // and the sync state in its colour.
    static QString signedInText(const QString& userName, SyncEngine::SyncState state);
    static QColor stateColor(SyncEngine::SyncState state);
    // "Last synced: <local time>" for a stored UTC time, the stored text as
    // it is when it is not a time, "Never synced" without one; then the
    // error on a line of its own when there is one.
    static QString lastSyncText(const std::optional<QString>& stored, const QString& error = {});
    // What the user should know of records from the sync service that this
    // version cannot read yet.
    static QString notReadableText(int count);

    // The restore modes in the order offered, the one that replaces
    // everything first.
    static QStringList importModes();
    // The mode of an offered text; replacing everything for any other text.
    static BackupService::ImportMode importModeFor(const QString& choice);

    // Why Force Full Sync did not start; nothing when it did.
    static std::optional<Message> fullSyncFailure(AppState::FullSyncStart start);

    // `reason` says why nothing was written, or which rows a written backup
    // left out.
    static Message exportMessage(bool written, const QString& path, const QString& reason);
    // A restore that restored nothing and met errors failed; one that
    // restored something lists its errors, the first kListedErrors of them.
    static Message importMessage(const BackupImportResult& result);
    static constexpr int kListedErrors = 10;
};
