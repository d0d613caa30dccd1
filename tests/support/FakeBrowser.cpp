#include "tests/support/FakeBrowser.h"

#include "account/BoundedReply.h"

#include <QDesktopServices>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

constexpr qint64 kMaxPageBytes = 1024 * 1024;
constexpr int kMaxRedirects = 5;
constexpr int kDeadlineMs = 10000;

} // namespace

FakeBrowser::FakeBrowser(QObject* parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
{
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "openUrl");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
}

FakeBrowser::~FakeBrowser()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void FakeBrowser::openUrl(const QUrl& url)
{
    m_opened.append(url);
    if (m_loadsPages)
        visit(url);
}

void FakeBrowser::visit(const QUrl& url)
{
    load(url, kMaxRedirects);
}

void FakeBrowser::load(const QUrl& url, int redirectsLeft)
{
    QUrl target = url;
    if (target.host() == QLatin1String("localhost"))
        target.setHost(QStringLiteral("127.0.0.1"));
    if (target.host() != QLatin1String("127.0.0.1")) {
        m_lastUrl = url;
        m_lastStatus = 0;
        m_lastPage.clear();
        ++m_loadsFinished;
        return;
    }

    QNetworkRequest request(target);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    auto* answer = new TandAccount::BoundedReply(m_network->get(request), kMaxPageBytes, kDeadlineMs);
    connect(answer, &TandAccount::BoundedReply::finished, this, [this, answer, url, redirectsLeft] {
        QNetworkReply* reply = answer->reply();
        reply->deleteLater();
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const QUrl location = reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
        if (status >= 300 && status < 400 && location.isValid() && redirectsLeft > 0) {
            load(url.resolved(location), redirectsLeft - 1);
            return;
        }
        m_lastUrl = url;
        m_lastStatus = status;
        m_lastPage = answer->body();
        ++m_loadsFinished;
    });
}
