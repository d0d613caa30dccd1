#include "update/WhatsNewDialog.h"

#include "update/DialogParts.h"
#include "update/FeedRequest.h"
#include "update/ReleaseNotesView.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace TandUpdate {

WhatsNewDialog::WhatsNewDialog(const QString& markdown, const QString& version, const QString& currentVersion,
                               const QString& appName, QWidget* parent, const QUrl& downloadUrl)
    : QDialog(parent)
    , m_notesView(new ReleaseNotesView)
    , m_downloadUrl(downloadUrl)
{
    setWindowTitle(tr("What's New in %1 %2").arg(appName, version));
    setModal(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(plainHeading(tr("What's new in %1 %2").arg(appName, version), 2));

    m_notesView->setNotes(markdown);
    layout->addWidget(m_notesView, 1);

    auto* footer = new QHBoxLayout;
    // A caption: a little smaller than the text around it and muted, yet
    // scaled with the font and readable on the theme's background.
    QLabel* running = plainLabel(tr("You are running version %1").arg(currentVersion));
    running->setWordWrap(false);
    QFont captionFont = running->font();
    captionFont.setPointSizeF(captionFont.pointSizeF() * 0.85);
    running->setFont(captionFont);
    QPalette captionPalette = running->palette();
    const QColor text = captionPalette.color(QPalette::WindowText);
    const QColor background = captionPalette.color(QPalette::Window);
    captionPalette.setColor(QPalette::WindowText,
                            QColor::fromRgbF(0.7f * text.redF() + 0.3f * background.redF(),
                                             0.7f * text.greenF() + 0.3f * background.greenF(),
                                             0.7f * text.blueF() + 0.3f * background.blueF()));
    running->setPalette(captionPalette);
    footer->addWidget(running);
    footer->addStretch();

    auto* buttons = new QDialogButtonBox;
    if (isWebUrl(m_downloadUrl))
        buttons->addButton(tr("Download %1").arg(version), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        QDesktopServices::openUrl(m_downloadUrl);
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::accept);
    footer->addWidget(buttons);
    layout->addLayout(footer);

    sizeUpdateDialog(this, true);
}

QTextBrowser* WhatsNewDialog::notesView() const
{
    return m_notesView;
}

} // namespace TandUpdate
