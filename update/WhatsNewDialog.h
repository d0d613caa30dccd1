#pragma once

#include <QDialog>
#include <QUrl>

class QTextBrowser;

namespace TandUpdate {

class ReleaseNotesView;

// A version's release notes. When they are a newer version's, a button
// opens its download in the browser.
class WhatsNewDialog : public QDialog
{
    Q_OBJECT

public:
    WhatsNewDialog(const QString& markdown, const QString& version, const QString& currentVersion,
                   const QString& appName, QWidget* parent, const QUrl& downloadUrl);

    QTextBrowser* notesView() const;

private:
    ReleaseNotesView* m_notesView;
    QUrl m_downloadUrl;
};

} // namespace TandUpdate
