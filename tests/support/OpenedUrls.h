#pragma once

#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>

// Takes every address the program hands to QDesktopServices::openUrl while
// it lives, so a test sees what would have opened and no browser or file
// viewer ever starts. The one place tests hold the open handlers: of several
// alive at once the newest takes the addresses, and when it goes the one
// before takes them again; the last one gone leaves none.
class OpenedUrls : public QObject
{
    Q_OBJECT

public:
    explicit OpenedUrls(QObject* parent = nullptr);
    ~OpenedUrls() override;

    QList<QUrl> urls() const { return m_urls; }
    // Answers as a system without a browser would: every open fails, and
    // nothing is noted.
    void setFailing(bool failing);

Q_SIGNALS:
    // An address was noted.
    void opened(const QUrl& url);

public Q_SLOTS:
    void open(const QUrl& url);

private:
    void takeHandlers();

    QList<QUrl> m_urls;
    bool m_failing = false;
};
