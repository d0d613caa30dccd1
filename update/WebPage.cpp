#include "update/WebPage.h"

#include "update/FeedRequest.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QtDebug>

namespace TandUpdate {

namespace {

void warn(QWidget* parent, const QString& text)
{
    // Plain text: nothing in it is read as markup.
    QMessageBox box(QMessageBox::Warning, QObject::tr("Page Not Opened"), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

bool openWebPage(QWidget* parent, const QUrl& url)
{
    // Only the kind of address goes into the log: a page's address may name
    // the user (a feedback page, a download of their edition).
    if (!isWebUrl(url)) {
        qWarning().noquote() << "A link that is no http or https address was not opened";
        warn(parent, QObject::tr("This link does not lead to a web page, so it was not opened."));
        return false;
    }
    if (!QDesktopServices::openUrl(url)) {
        qWarning().noquote() << "The browser could not be opened for a page on" << url.host();
        warn(parent, QObject::tr("The page could not be opened in your browser."));
        return false;
    }
    return true;
}

} // namespace TandUpdate
