#include "tests/support/OpenedUrls.h"

#include <QDesktopServices>

namespace {

// Every scheme a test might see opened, the refused ones included.
const QStringList kSchemes{QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("file"),
                           QStringLiteral("qrc"), QStringLiteral("mailto"), QStringLiteral("javascript")};

// A handler QDesktopServices cannot call, so that openUrl returns false
// (it reports whether the handler could be called) on every platform,
// without ever reaching the system's browser.
constexpr const char* kFailingHandler = "noSuchHandler";

// The living ones, oldest first; the last holds the handlers.
QList<OpenedUrls*>& living()
{
    static QList<OpenedUrls*> instances;
    return instances;
}

} // namespace

OpenedUrls::OpenedUrls(QObject* parent)
    : QObject(parent)
{
    living().append(this);
    takeHandlers();
}

OpenedUrls::~OpenedUrls()
{
    const bool held = living().last() == this;
    living().removeOne(this);
    if (!held)
        return;
    if (!living().isEmpty()) {
        living().last()->takeHandlers();
        return;
    }
    for (const QString& scheme : kSchemes)
        QDesktopServices::unsetUrlHandler(scheme);
}

void OpenedUrls::setFailing(bool failing)
{
    m_failing = failing;
    if (living().last() == this)
        takeHandlers();
}

void OpenedUrls::takeHandlers()
{
    for (const QString& scheme : kSchemes)
        QDesktopServices::setUrlHandler(scheme, this, m_failing ? kFailingHandler : "open");
}

void OpenedUrls::open(const QUrl& url)
{
    m_urls.append(url);
    emit opened(url);
}
