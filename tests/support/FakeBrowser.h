#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QUrl>

class OpenedUrls;
class QNetworkAccessManager;

// Stands in for the system browser while it lives: it notes every address
// the program asks QDesktopServices to open, through OpenedUrls, and loads
// the http and https ones as a browser would, following redirects; a
// redirect to "localhost" (the sign-in listener) goes to 127.0.0.1, the one
// address tests talk to.
class FakeBrowser : public QObject
{
    Q_OBJECT

public:
    explicit FakeBrowser(QObject* parent = nullptr);

    // A browser that only takes note of what it was asked to open, as if the
    // user had not yet finished on the page: OpenedUrls as it is.
    void setLoadsPages(bool loads) { m_loadsPages = loads; }
    // Loads an address as if the user had gone there.
    void visit(const QUrl& url);

    QList<QUrl> openedUrls() const;
    // Where the last load ended: its address, status and page.
    QUrl lastUrl() const { return m_lastUrl; }
    int lastStatus() const { return m_lastStatus; }
    QByteArray lastPage() const { return m_lastPage; }
    int loadsFinished() const { return m_loadsFinished; }

private:
    void load(const QUrl& url, int redirectsLeft);

    OpenedUrls* m_opened;
    QNetworkAccessManager* m_network;
    QUrl m_lastUrl;
    int m_lastStatus = 0;
    QByteArray m_lastPage;
    int m_loadsFinished = 0;
    bool m_loadsPages = true;
};
