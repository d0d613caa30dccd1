#include "update/UpdateDialog.h"

#include "update/DialogParts.h"
#include "update/FeedRequest.h"
#include "update/ReleaseNotesFetcher.h"
#include "update/ReleaseNotesView.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtDebug>

namespace TandUpdate {

namespace {

constexpr int kNotesMinimumHeight = 150;

} // namespace

UpdateDialog::UpdateDialog(const Artifact& artifact, const QString& currentVersion, const QString& appName,
                           QWidget* parent)
    : QDialog(parent)
    , m_downloadUrl(artifact.url)
{
    setWindowTitle(tr("Update available"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(plainHeading(tr("A new version of %1 is available.").arg(appName), 1));
    layout->addWidget(
        plainLabel(tr("You have version %1. The latest version is %2.").arg(currentVersion, artifact.version)));

    if (artifact.release_notes_url.isValid()) {
        m_notesView = new ReleaseNotesView;
        m_notesView->setPlaceholderText(tr("Loading release notes…"));
        m_notesView->setMinimumHeight(kNotesMinimumHeight);
        layout->addWidget(m_notesView, 1);
        auto* fetcher = new ReleaseNotesFetcher(artifact.release_notes_url, QStringLiteral("update-dialog"), this);
        connect(fetcher, &ReleaseNotesFetcher::notesReady, this, &UpdateDialog::onNotesReady);
        connect(fetcher, &ReleaseNotesFetcher::notesUnavailable, this, [this] {
            m_notesView->setNotes(tr("*Release notes are not available for this version.*"));
        });
        fetcher->fetch();
    } else {
        // Room the window gains goes below the sentences, not between them.
        layout->addStretch(1);
    }

    auto* buttons = new QDialogButtonBox;
    QPushButton* download = buttons->addButton(tr("Download"), QDialogButtonBox::AcceptRole);
    download->setDefault(true);
    if (!artifact.mandatory)
        buttons->addButton(tr("Later"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &UpdateDialog::onDownloadClicked);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    sizeUpdateDialog(this, m_notesView != nullptr);
}

QTextBrowser* UpdateDialog::notesView() const
{
    return m_notesView;
}

void UpdateDialog::onDownloadClicked()
{
    if (!isWebUrl(m_downloadUrl)) {
        qWarning() << "TandUpdate: download URL is empty or invalid";
        QMessageBox::warning(this, windowTitle(), tr("This update gives no download that can be opened."));
    } else if (!QDesktopServices::openUrl(m_downloadUrl)) {
        qWarning() << "TandUpdate: QDesktopServices::openUrl failed for:" << m_downloadUrl;
        QMessageBox::warning(this, windowTitle(), tr("The download could not be opened in your browser."));
    }
    accept();
}

void UpdateDialog::onNotesReady(QString markdown)
{
    m_notesView->setNotes(markdown);
}

} // namespace TandUpdate
