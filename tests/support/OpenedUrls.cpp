#include "tests/support/OpenedUrls.h"

#include <QDesktopServices>

namespace {

// Every scheme a test might see opened, the refused ones included.
const QStringList kSchemes{QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("file"),
                           QStringLiteral("qrc"), QStringLiteral("mailto"), QStringLiteral("javascript")};

} // namespace

OpenedUrls::OpenedUrls(QObject* parent)
    : QObject(parent)
{
    for (const QString& scheme : kSchemes)
        QDesktopServices::setUrlHandler(scheme, this, "open");
}

OpenedUrls::~OpenedUrls()
{
    for (const QString& scheme : kSchemes)
        QDesktopServices::unsetUrlHandler(scheme);
}

void OpenedUrls::open(const QUrl& url)
{
    m_urls.append(url);
}
