#pragma once

#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>

// Takes every address the program hands to QDesktopServices::openUrl while
// it lives, for the schemes given, so a test sees what would have opened and
// no browser or file viewer ever starts.
class OpenedUrls : public QObject
{
    Q_OBJECT

public:
    explicit OpenedUrls(QObject* parent = nullptr);
    ~OpenedUrls() override;

    QList<QUrl> urls() const { return m_urls; }

public Q_SLOTS:
    void open(const QUrl& url);

private:
    QList<QUrl> m_urls;
};
