#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QUrl>

class QNetworkAccessManager;

// Stands in for the system browser while it lives: the handler of every
// http and https address the program asks QDesktopServices to open. It loads
// the address as a browser would, following redirects; a redirect to
// "localhost" (the sign-in listener) goes to 127.0.0.1, the one address
// tests talk to.
class FakeBrowser : public QObject
{
    Q_OBJECT

public:
    explicit FakeBrowser(QObject* parent = nullptr);
    ~FakeBrowser() override;

    // A browser that only takes note of what it was asked to open, as if the
    // user had not yet finished on the page.
    void setLoadsPages(bool loads) { m_loadsPages = loads; }
    // Loads an address as if the user had gone there.
    void visit(const QUrl& url);

    QList<QUrl> openedUrls() const { return m_opened; }
    // Where the last load ended: its address, status and page.
    QUrl lastUrl() const { return m_lastUrl; }
    int lastStatus() const { return m_lastStatus; }
    QByteArray lastPage() const { return m_lastPage; }
    int loadsFinished() const { return m_loadsFinished; }

public slots:
    void openUrl(const QUrl& url);

private:
    void load(const QUrl& url, int redirectsLeft);

    QNetworkAccessManager* m_network;
    QList<QUrl> m_opened;
    QUrl m_lastUrl;
    int m_lastStatus = 0;
    QByteArray m_lastPage;
    int m_loadsFinished = 0;
    bool m_loadsPages = true;
};
