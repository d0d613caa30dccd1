#pragma once

#include <QTextBrowser>

namespace TandUpdate {

// Shows release notes, which are Markdown from a server, without letting
// them reach anything: no HTML of their own, no images or other resources
// loaded from anywhere, and only http and https links, opened in the browser.
class ReleaseNotesView : public QTextBrowser
{
    Q_OBJECT

public:
    explicit ReleaseNotesView(QWidget* parent = nullptr);

    void setNotes(const QString& markdown);

    QVariant loadResource(int type, const QUrl& name) override;

private:
    void openLink(const QUrl& link);
};

} // namespace TandUpdate
