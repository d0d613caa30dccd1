#pragma once

#include "update/Artifact.h"

#include <QDialog>
#include <QUrl>

class QDialogButtonBox;
class QTextBrowser;

namespace TandUpdate {

class ReleaseNotesView;

// Offers a newer version: what it is, its release notes when it has any,
// and Download (which opens the download in the browser) or Later. A
// mandatory update has no Later.
class UpdateDialog : public QDialog
{
    Q_OBJECT

public:
    UpdateDialog(const Artifact& artifact, const QString& currentVersion, const QString& appName, QWidget* parent);

    // Null when the release has no notes.
    QTextBrowser* notesView() const;

private Q_SLOTS:
    void onDownloadClicked();
    void onNotesReady(QString markdown);

private:
    QUrl m_downloadUrl;
    ReleaseNotesView* m_notesView = nullptr;
};

} // namespace TandUpdate
