#include "tests/support/ModalWatcher.h"
#include "tests/support/OpenedUrls.h"
#include "tests/support/TopLevelWindows.h"
#include "tests/update/UpdateTestFeed.h"
#include "update/PlatformKey.h"
#include "update/ReleaseNotesView.h"
#include "update/UpdateDialog.h"
#include "update/UpdateFlows.h"
#include "update/WhatsNewDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include <memory>

using namespace TandUpdate;

namespace {

const QString kAppName = QStringLiteral("Tandrel Ledgerine");

// What a flow said through its hooks, in order.
struct StatusLog
{
    QStringList events;

    UiCallbacks callbacks()
    {
        UiCallbacks hooks;
        hooks.showStatus = [this](const QString& text) { events << QStringLiteral("status: ") + text; };
        hooks.clearStatus = [this] { events << QStringLiteral("clear"); };
        hooks.showMessage = [this](const QString& text, int ms) {
            events << QStringLiteral("message %1: ").arg(ms) + text;
        };
        return hooks;
    }
    bool finished() const { return !events.isEmpty() && events.last() != events.first(); }
};

QStringList buttonTexts(QWidget* dialog)
{
    QStringList texts;
    for (QAbstractButton* button : dialog->findChild<QDialogButtonBox*>()->buttons())
        texts << button->text();
    return texts;
}

QPushButton* buttonWithRole(QWidget* dialog, QDialogButtonBox::ButtonRole role)
{
    auto* box = dialog->findChild<QDialogButtonBox*>();
    for (QAbstractButton* button : box->buttons()) {
        if (box->buttonRole(button) == role)
            return qobject_cast<QPushButton*>(button);
    }
    return nullptr;
}

} // namespace

class TestUpdateDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void updateDialogButtonsFollowMandatory();
    void updateDialogWithoutNotesHasNoNotesView();
    void updateDialogShowsFetchedOrMissingNotes();
    void downloadOpensOnlyWebAddresses();
    void notesAreShownSafely();
    void whatsNewDialogOffersDownloadOfWebAddressesOnly();
    void narrowedDialogsKeepTheirRowsWhole();

    void interactiveCheckEndsInDialogOrMessage();
    void interactiveCheckWithParentGoneOpensNothing();
    void whatsNewShowsRunningNotesElseNewerOnes();
    void whatsNewOfflineSaysThereAreNone();
    void whatsNewOnStartupShowsNothingWithoutNotes();
    void feedbackPageCarriesTheProductTag_data();
    void feedbackPageCarriesTheProductTag();

private:
    UpdateTestFeed* m_feed = nullptr;
    OpenedUrls* m_opened = nullptr;
};

void TestUpdateDialogs::init()
{
    m_feed = new UpdateTestFeed(this);
    m_opened = new OpenedUrls(this);
}

void TestUpdateDialogs::cleanup()
{
    deleteTopLevelDialogs();
    delete m_opened;
    delete m_feed;
}

void TestUpdateDialogs::updateDialogButtonsFollowMandatory()
{
    Artifact artifact;
    artifact.version = QStringLiteral("1.2.0");
    artifact.url = QUrl("https://downloads.example.com/ledgerine-1.2.0.tar.gz");

    UpdateDialog optional(artifact, "1.1.4", kAppName, nullptr);
    QCOMPARE(buttonTexts(&optional).size(), 2);
    QVERIFY(buttonWithRole(&optional, QDialogButtonBox::RejectRole));
    QVERIFY(buttonWithRole(&optional, QDialogButtonBox::AcceptRole)->isDefault());

    artifact.mandatory = true;
    UpdateDialog mandatory(artifact, "1.1.4", kAppName, nullptr);
    QCOMPARE(buttonTexts(&mandatory).size(), 1);
    QVERIFY(!buttonWithRole(&mandatory, QDialogButtonBox::RejectRole));
    // Escape still closes it, as rejected: the user may go on without it.
    mandatory.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mandatory));
    QSignalSpy finished(&mandatory, &QDialog::finished);
    QTest::keyClick(&mandatory, Qt::Key_Escape);
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.first().first().toInt(), int(QDialog::Rejected));
    QVERIFY(m_opened->urls().isEmpty());
}

void TestUpdateDialogs::updateDialogWithoutNotesHasNoNotesView()
{
    Artifact artifact;
    artifact.version = QStringLiteral("1.2.0");
    UpdateDialog dialog(artifact, "1.1.4", kAppName, nullptr);
    QVERIFY(!dialog.notesView());
    QVERIFY(!dialog.findChild<QTextBrowser*>());
    QVERIFY(dialog.size() != QSize(520, 420));
    QTest::qWait(50);
    QVERIFY(m_feed->requests().isEmpty());
}

void TestUpdateDialogs::updateDialogShowsFetchedOrMissingNotes()
{
    m_feed->publishNotes("1.2.0", "# Faster reports\n\nReports open at once.\n");
    Artifact artifact;
    artifact.version = QStringLiteral("1.2.0");
    artifact.release_notes_url = m_feed->notesUrl("1.2.0");
    UpdateDialog dialog(artifact, "1.1.4", kAppName, nullptr);
    QVERIFY(dialog.notesView());
    QTRY_VERIFY(dialog.notesView()->toPlainText().contains(QLatin1String("Reports open at once.")));
    QCOMPARE(m_feed->requests().first().header("User-Agent"), QByteArray("TandUpdateQt/0.1 (update-dialog)"));

    artifact.release_notes_url = m_feed->notesUrl("9.9.9");
    UpdateDialog missing(artifact, "1.1.4", kAppName, nullptr);
    QTRY_COMPARE(missing.notesView()->toPlainText(), QStringLiteral("Release notes are not available for this version."));
}

void TestUpdateDialogs::downloadOpensOnlyWebAddresses()
{
    Artifact artifact;
    artifact.version = QStringLiteral("1.2.0");
    artifact.url = QUrl("https://downloads.example.com/ledgerine-1.2.0.tar.gz");
    UpdateDialog dialog(artifact, "1.1.4", kAppName, nullptr);
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    buttonWithRole(&dialog, QDialogButtonBox::AcceptRole)->click();
    QCOMPARE(accepted.size(), 1);
    QCOMPARE(m_opened->urls(), QList<QUrl>{artifact.url});

    // A manifest naming a local file gets a warning and nothing opened; the
    // dialog still closes as accepted, after telling the user.
    artifact.url = QUrl("file:///usr/bin/true");
    UpdateDialog local(artifact, "1.1.4", kAppName, nullptr);
    QSignalSpy localAccepted(&local, &QDialog::accepted);
    ModalWatcher watcher([](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        box->accept();
    });
    QTest::ignoreMessage(QtWarningMsg, "A link that is no http or https address was not opened");
    buttonWithRole(&local, QDialogButtonBox::AcceptRole)->click();
    QCOMPARE(localAccepted.size(), 1);
    QCOMPARE(watcher.handledCount(), 1);
    QCOMPARE(m_opened->urls().size(), 1);

    // A browser that cannot be started is told too.
    m_opened->setFailing(true);
    artifact.url = QUrl("https://downloads.example.com/ledgerine-1.2.0.tar.gz");
    UpdateDialog failing(artifact, "1.1.4", kAppName, nullptr);
    QSignalSpy failingAccepted(&failing, &QDialog::accepted);
    QTest::ignoreMessage(QtWarningMsg, "The browser could not be opened for a page on downloads.example.com");
    buttonWithRole(&failing, QDialogButtonBox::AcceptRole)->click();
    QCOMPARE(failingAccepted.size(), 1);
    QCOMPARE(watcher.handledCount(), 2);
    QCOMPARE(m_opened->urls().size(), 1);
}

void TestUpdateDialogs::notesAreShownSafely()
{
    // A local image the notes name is never read, by any address.
    QTemporaryDir dir;
    const QString chart = dir.filePath(QStringLiteral("chart.png"));
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(chart));
    ReleaseNotesView view;
    view.setSearchPaths({dir.path()});
    view.setNotes(QStringLiteral("<b>bold?</b>\n\n![chart](chart.png) ![chart](%1)\n\n"
                                 "[site](https://tandrel.example.com/) [local](file:///etc/passwd) "
                                 "[script](javascript:alert(1)) [mail](mailto:a@example.com)")
                      .arg(QUrl::fromLocalFile(chart).toString()));
    QVERIFY(view.toPlainText().contains(QLatin1String("<b>bold?</b>")));
    for (const QUrl& address : {QUrl("chart.png"), QUrl::fromLocalFile(chart)}) {
        const QImage loaded = view.loadResource(QTextDocument::ImageResource, address).value<QImage>();
        QCOMPARE(loaded.size(), QSize(1, 1));
    }
    QVERIFY(!view.loadResource(QTextDocument::StyleSheetResource, QUrl::fromLocalFile(chart)).isValid());

    // A link that is no web page is not followed, and the user hears why.
    QStringList told;
    ModalWatcher watcher([&told](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        told << box->text();
        box->accept();
    });
    for (const char* link : {"https://tandrel.example.com/", "file:///etc/passwd", "javascript:alert(1)",
                             "mailto:a@example.com", "#top", "file://fileserver/share/setup.exe",
                             "ftp://downloads.example.com/setup.exe", "smb://fileserver/share/setup.exe"}) {
        emit view.anchorClicked(QUrl(QString::fromLatin1(link)));
    }
    QCOMPARE(m_opened->urls(), QList<QUrl>{QUrl("https://tandrel.example.com/")});
    QCOMPARE(told, QStringList(6, QStringLiteral("This link does not lead to a web page, so it was not opened.")));
    QCOMPARE(view.source(), QUrl());
}

void TestUpdateDialogs::whatsNewDialogOffersDownloadOfWebAddressesOnly()
{
    WhatsNewDialog running("# Notes", "1.1.4", "1.1.4", kAppName, nullptr, QUrl());
    QCOMPARE(buttonTexts(&running).size(), 1);
    QSignalSpy runningAccepted(&running, &QDialog::accepted);
    buttonWithRole(&running, QDialogButtonBox::RejectRole)->click();
    QCOMPARE(runningAccepted.size(), 1);

    WhatsNewDialog local("# Notes", "1.2.0", "1.1.4", kAppName, nullptr, QUrl("file:///usr/bin/true"));
    QCOMPARE(buttonTexts(&local).size(), 1);

    const QUrl download("https://downloads.example.com/ledgerine-1.2.0.tar.gz");
    WhatsNewDialog newer("# Notes", "1.2.0", "1.1.4", kAppName, nullptr, download);
    QCOMPARE(newer.windowTitle(), QStringLiteral("What's New in Tandrel Ledgerine 1.2.0"));
    QVERIFY(newer.width() >= 520 && newer.height() >= 420);
    QSignalSpy accepted(&newer, &QDialog::accepted);
    buttonWithRole(&newer, QDialogButtonBox::AcceptRole)->click();
    QCOMPARE(accepted.size(), 1);
    QCOMPARE(m_opened->urls(), QList<QUrl>{download});

    // Without a browser the download says so instead of closing as if it had begun.
    m_opened->setFailing(true);
    WhatsNewDialog failing("# Notes", "1.2.0", "1.1.4", kAppName, nullptr, download);
    QString told;
    ModalWatcher watcher([&told](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        told = box->text();
        box->accept();
    });
    QSignalSpy failingAccepted(&failing, &QDialog::accepted);
    buttonWithRole(&failing, QDialogButtonBox::AcceptRole)->click();
    QCOMPARE(told, QStringLiteral("The page could not be opened in your browser."));
    QCOMPARE(failingAccepted.size(), 1);
    QCOMPARE(m_opened->urls(), QList<QUrl>{download});
}

void TestUpdateDialogs::narrowedDialogsKeepTheirRowsWhole()
{
    // A long version and a large font (as the font scale sets it, before
    // the dialogs are built) make the footer the widest row.
    const QFont usual = QApplication::font();
    QFont large = usual;
    large.setPointSizeF(large.pointSizeF() * 1.5);
    QApplication::setFont(large);
    const auto restoreFont = qScopeGuard([&usual] { QApplication::setFont(usual); });
    const QString version = QStringLiteral("1.20.300");
    Artifact artifact;
    artifact.version = version;
    artifact.url = QUrl("https://downloads.example.com/ledgerine.tar.gz");
    UpdateDialog update(artifact, "1.1.4", kAppName, nullptr);
    WhatsNewDialog whatsNew("# Notes", version, "1.1.4", kAppName, nullptr, artifact.url);
    for (QDialog* dialog : QList<QDialog*>{&update, &whatsNew}) {
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        dialog->resize(1, dialog->height());
        QApplication::processEvents();
        // Each widget that cannot wrap gets the width it needs, so none is
        // drawn over another.
        for (QWidget* child : dialog->findChildren<QWidget*>()) {
            if (child->isVisible() && child->parentWidget() == dialog)
                QVERIFY2(child->width() >= child->minimumSizeHint().width(),
                         qPrintable(QStringLiteral("%1 of %2").arg(child->metaObject()->className(),
                                                                    dialog->metaObject()->className())));
        }
        for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
            QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
    }
}

void TestUpdateDialogs::interactiveCheckEndsInDialogOrMessage()
{
    if (platformKey().isEmpty())
        QSKIP("No update is shipped for this platform");
    QWidget window;
    StatusLog upToDate;
    checkForUpdatesInteractive(m_feed->config(), kAppName, &window, upToDate.callbacks());
    QTRY_COMPARE(upToDate.events.size(), 3);
    QCOMPARE(upToDate.events, (QStringList{"status: Checking for updates…", "clear",
                                           "message 5000: Tandrel Ledgerine is up to date (version 1.1.4)"}));

    StatusLog failed;
    checkForUpdatesInteractive(m_feed->config(""), kAppName, &window, failed.callbacks());
    QTRY_COMPARE(failed.events.size(), 3);
    QCOMPARE(failed.events.last(), QStringLiteral("message 5000: Update check failed: currentVersion is empty"));

    m_feed->publish(m_feed->artifact("1.2.0"));
    StatusLog offered;
    checkForUpdatesInteractive(m_feed->config(), kAppName, &window, offered.callbacks());
    QTRY_COMPARE(shownTopLevels<UpdateDialog>().size(), 1);
    QCOMPARE(offered.events, (QStringList{"status: Checking for updates…", "clear"}));
    UpdateDialog* dialog = shownTopLevels<UpdateDialog>().first();
    QCOMPARE(dialog->parentWidget(), &window);
    QVERIFY(dialog->testAttribute(Qt::WA_DeleteOnClose));
}

void TestUpdateDialogs::interactiveCheckWithParentGoneOpensNothing()
{
    if (platformKey().isEmpty())
        QSKIP("No update is shipped for this platform");
    m_feed->publish(m_feed->artifact("1.2.0"));
    m_feed->delayRoute("GET", UpdateTestFeed::kManifestPath, 200);
    auto window = std::make_unique<QWidget>();
    StatusLog log;
    checkForUpdatesInteractive(m_feed->config(), kAppName, window.get(), log.callbacks());
    QTRY_COMPARE(m_feed->requests().size(), 1);
    window.reset();
    QTRY_COMPARE(log.events.size(), 2);
    QCOMPARE(log.events.last(), QStringLiteral("clear"));
    QTest::qWait(50);
    QVERIFY(shownTopLevels<UpdateDialog>().isEmpty());
}

void TestUpdateDialogs::whatsNewShowsRunningNotesElseNewerOnes()
{
    if (platformKey().isEmpty())
        QSKIP("No update is shipped for this platform");
    QWidget window;
    m_feed->publishNotes("1.1.4", "# In 1.1.4\n");
    StatusLog running;
    showWhatsNew(m_feed->config(), kAppName, &window, running.callbacks());
    QTRY_COMPARE(shownTopLevels<WhatsNewDialog>().size(), 1);
    WhatsNewDialog* current = shownTopLevels<WhatsNewDialog>().first();
    QCOMPARE(current->windowTitle(), QStringLiteral("What's New in Tandrel Ledgerine 1.1.4"));
    QCOMPARE(buttonTexts(current).size(), 1);
    QCOMPARE(running.events, (QStringList{"status: Loading release notes…", "clear"}));
    current->close();

    // No notes for the running version: the newer version's, with its download.
    m_feed->respondAlways("GET", UpdateTestFeed::notesPath("1.1.4"), FakeResponse::empty(404));
    const QJsonObject artifact = m_feed->artifact("1.2.0", true);
    m_feed->publish(artifact);
    m_feed->publishNotes("1.2.0", "# In 1.2.0\n");
    StatusLog newer;
    showWhatsNew(m_feed->config(), kAppName, &window, newer.callbacks());
    QTRY_COMPARE(shownTopLevels<WhatsNewDialog>().size(), 1);
    WhatsNewDialog* next = shownTopLevels<WhatsNewDialog>().first();
    QCOMPARE(next->windowTitle(), QStringLiteral("What's New in Tandrel Ledgerine 1.2.0"));
    QVERIFY(next->notesView()->toPlainText().contains(QLatin1String("In 1.2.0")));
    QCOMPARE(newer.events, (QStringList{"status: Loading release notes…", "clear"}));
    QPushButton* download = buttonWithRole(next, QDialogButtonBox::AcceptRole);
    QCOMPARE(download->text(), QStringLiteral("Download 1.2.0"));
    download->click();
    QCOMPARE(m_opened->urls(), QList<QUrl>{QUrl(artifact.value("url").toString())});

    // The newer version has no notes either.
    m_feed->respondAlways("GET", UpdateTestFeed::notesPath("1.2.0"), FakeResponse::empty(404));
    StatusLog none;
    showWhatsNew(m_feed->config(), kAppName, &window, none.callbacks());
    QTRY_COMPARE(none.events.size(), 3);
    QCOMPARE(none.events.last(), QStringLiteral("message 5000: No release notes available for Tandrel Ledgerine 1.1.4"));
}

void TestUpdateDialogs::whatsNewOfflineSaysThereAreNone()
{
    Config offline = m_feed->config();
    delete m_feed;
    m_feed = nullptr;
    QWidget window;
    StatusLog log;
    showWhatsNew(offline, kAppName, &window, log.callbacks());
    QTRY_COMPARE(log.events.size(), 3);
    QCOMPARE(log.events, (QStringList{"status: Loading release notes…", "clear",
                                      "message 5000: No release notes available for Tandrel Ledgerine 1.1.4"}));
    QVERIFY(shownTopLevels<WhatsNewDialog>().isEmpty());
}

void TestUpdateDialogs::whatsNewOnStartupShowsNothingWithoutNotes()
{
    QWidget window;
    showWhatsNewOnStartup(m_feed->config(), kAppName, &window);
    QTRY_COMPARE(m_feed->requests().size(), 1);
    QTest::qWait(100);
    QVERIFY(shownTopLevels<WhatsNewDialog>().isEmpty());
    // Not even the update check the Help menu's flow goes on to.
    QCOMPARE(m_feed->requests().size(), 1);

    m_feed->publishNotes("1.1.4", "# In 1.1.4\n");
    showWhatsNewOnStartup(m_feed->config(), kAppName, &window);
    QTRY_COMPARE(shownTopLevels<WhatsNewDialog>().size(), 1);
    QVERIFY(!shownTopLevels<WhatsNewDialog>().first()->isModal());
}

void TestUpdateDialogs::feedbackPageCarriesTheProductTag_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<bool>("browserWorks");
    QTest::addColumn<QString>("opened");
    QTest::newRow("no slash") << "https://feedback.example.com/board" << true << "https://feedback.example.com/board/?tags=ledgerine";
    QTest::newRow("slash") << "https://feedback.example.com/board/" << true << "https://feedback.example.com/board/?tags=ledgerine";
    QTest::newRow("bare host") << "https://feedback.example.com" << true << "https://feedback.example.com/?tags=ledgerine";
    QTest::newRow("query replaced") << "https://feedback.example.com/?tags=other&x=1" << true << "https://feedback.example.com/?tags=ledgerine";
    QTest::newRow("not the web") << "file:///home/feedback.html" << true << "";
    QTest::newRow("no browser") << "https://feedback.example.com/" << false << "";
}

void TestUpdateDialogs::feedbackPageCarriesTheProductTag()
{
    QFETCH(QString, base);
    QFETCH(bool, browserWorks);
    QFETCH(QString, opened);
    m_opened->setFailing(!browserWorks);
    QWidget window;
    int told = 0;
    ModalWatcher watcher([&](QWidget* modal) {
        QCOMPARE(modal->parentWidget(), &window);
        ++told;
        modal->close();
    });
    const bool asked = openFeedbackPage({QStringLiteral("ledgerine"), QUrl(base)}, &window);
    QCOMPARE(asked, !opened.isEmpty());
    // Whatever kept it from opening, the user hears of it.
    QCOMPARE(told, opened.isEmpty() ? 1 : 0);
    if (opened.isEmpty())
        QVERIFY(m_opened->urls().isEmpty());
    else
        QCOMPARE(m_opened->urls(), QList<QUrl>{QUrl(opened)});
}

QTEST_MAIN(TestUpdateDialogs)
#include "tst_updatedialogs.moc"
