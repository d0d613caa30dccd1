#include "update/ReleaseNotesView.h"

#include "update/FeedRequest.h"

#include <QDesktopServices>
#include <QImage>
#include <QtDebug>

namespace TandUpdate {

ReleaseNotesView::ReleaseNotesView(QWidget* parent)
    : QTextBrowser(parent)
{
    // Links are ours to judge: left to QTextBrowser, a click would open any
    // scheme, or replace the notes with whatever the link names.
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &ReleaseNotesView::openLink);
}

void ReleaseNotesView::setNotes(const QString& markdown)
{
    document()->setMarkdown(markdown, QTextDocument::MarkdownFeatures(QTextDocument::MarkdownDialectGitHub
                                                                       | QTextDocument::MarkdownNoHTML));
}

QVariant ReleaseNotesView::loadResource(int type, const QUrl&)
{
    // An image the notes name takes no room and shows no broken-image sign.
    if (type == QTextDocument::ImageResource) {
        QImage nothing(1, 1, QImage::Format_ARGB32);
        nothing.fill(Qt::transparent);
        return nothing;
    }
    return {};
}

void ReleaseNotesView::openLink(const QUrl& link)
{
    if (link.isRelative() && link.path().isEmpty() && link.hasFragment()) {
        scrollToAnchor(link.fragment());
        return;
    }
    if (!isWebUrl(link)) {
        qWarning().noquote() << "Release notes link not opened: only http and https links are";
        return;
    }
    if (!QDesktopServices::openUrl(link))
        qWarning().noquote() << "Could not open a release notes link in the browser";
}

} // namespace TandUpdate
