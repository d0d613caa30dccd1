#include "account/ShareMembersDialog.h"

#include "account/AccountWidgets.h"
#include "account/AuthClient.h"
#include "account/Client.h"
#include "account/ElidedLabel.h"
#include "account/SharingBackend.h"
#include "storage/Account.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace TandAccount {

namespace {

constexpr int kAvatarSize = 36;
constexpr QSize kMinimumSize(560, 560);
constexpr QSize kInitialSize(620, 620);

QFont weighted(QFont font, QFont::Weight weight)
{
    font.setWeight(weight);
    return font;
}

void usePlaceholderColour(QWidget* widget)
{
    widget->setForegroundRole(QPalette::PlaceholderText);
}

} // namespace

ShareMembersDialog::ShareMembersDialog(Client* client, SharingBackend* backend, const Account& account,
                                       const ShareDialogTexts& texts, QWidget* parent)
    : QDialog(parent)
    , m_texts(withFallbacks(texts))
    , m_model(new ShareMembersModel(client->accountClient(), backend, account.id, texts.defaultRole, this))
{
    buildLayout();
    connect(m_model, &ShareMembersModel::changed, this, &ShareMembersDialog::rebuildLists);
    connect(m_model, &ShareMembersModel::busyChanged, this, &ShareMembersDialog::showBusy);
    connect(m_model, &ShareMembersModel::sharingChanged, this, &ShareMembersDialog::sharingChanged);
    connect(m_model, &ShareMembersModel::shareFailed, this, [this](const QString& name, const QString& error) {
        showError(error.isEmpty() ? tr("Could not share with %1.").arg(name) : error, m_texts.shareFailedTitle);
    });
    connect(m_model, &ShareMembersModel::removeFailed, this, [this](const QString& name) {
        showError(tr("Could not remove %1.").arg(name), m_texts.removeFailedTitle);
    });
    // Shares are the signed-in user's: signed out, the dialog has nothing left to show.
    connect(client->authClient(), &AuthClient::stateChanged, this, [this](AuthState state) {
        if (state != AuthState::Authenticated)
            rejectOpenDialogs(this);
    });
    rebuildLists();
    m_model->refresh();
}

ShareDialogTexts ShareMembersDialog::withFallbacks(ShareDialogTexts texts)
{
    const auto fallback = [](QString& text, const QString& own) {
        if (text.isEmpty())
            text = own;
    };
    fallback(texts.sharedWithTitle, tr("People with access"));
    fallback(texts.addPeopleTitle, tr("Add people"));
    fallback(texts.emptySharesText, tr("Not shared with anyone yet."));
    fallback(texts.noGroupText,
             tr("Nobody else is in your family group yet. Invite people to your group to share this account "
                "with them."));
    fallback(texts.allMembersHaveAccessText, tr("All group members already have access"));
    fallback(texts.shareButtonText, tr("Share"));
    fallback(texts.removeAccessText, tr("Remove access"));
    fallback(texts.closeButtonText, tr("Close"));
    fallback(texts.removeConfirmTitle, tr("Remove access?"));
    fallback(texts.removeConfirmText, tr("%1 will no longer have access. Continue?"));
    return texts;
}

void ShareMembersDialog::buildLayout()
{
    setWindowTitle(m_texts.title);
    setMinimumSize(kMinimumSize);
    resize(kInitialSize);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(12);

    if (!m_texts.heading.isEmpty()) {
        QLabel* heading = plainLabel(m_texts.heading);
        QFont font = weighted(heading->font(), QFont::DemiBold);
        font.setPointSizeF(font.pointSizeF() + 2);
        heading->setFont(font);
        heading->setWordWrap(true);
        layout->addWidget(heading);
    }
    if (!m_texts.description.isEmpty()) {
        QLabel* description = plainLabel(m_texts.description);
        description->setWordWrap(true);
        usePlaceholderColour(description);
        layout->addWidget(description);
    }

    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setStyleSheet(QStringLiteral("color: rgba(128,128,128,0.25);"));
    layout->addWidget(line);

    m_errorLabel = plainLabel({});
    m_errorLabel->setObjectName(QStringLiteral("shareError"));
    m_errorLabel->setWordWrap(true);
    m_errorLabel->setContentsMargins(0, 4, 0, 4);
    applyErrorColour();
    m_errorLabel->hide();
    layout->addWidget(m_errorLabel);

    auto* content = new QWidget;
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->setSpacing(8);

    const auto addSection = [&](const QString& title, const QString& name, int topMargin, QVBoxLayout*& list) {
        auto* section = new QVBoxLayout;
        section->setContentsMargins(0, topMargin, 0, 0);
        section->setSpacing(4);
        QLabel* titleLabel = plainLabel(title);
        titleLabel->setFont(weighted(titleLabel->font(), QFont::DemiBold));
        section->addWidget(titleLabel);
        auto* listWidget = new QWidget;
        listWidget->setObjectName(name);
        list = new QVBoxLayout(listWidget);
        list->setContentsMargins(0, 0, 0, 0);
        list->setSpacing(2);
        section->addWidget(listWidget);
        contentLayout->addLayout(section);
        return section;
    };
    addSection(m_texts.sharedWithTitle, QStringLiteral("accessList"), 0, m_accessList);
    QVBoxLayout* memberSection = addSection(m_texts.addPeopleTitle, QStringLiteral("memberList"), 8, m_memberList);
    m_noGroupHint = makeNoteLabel(m_texts.noGroupText);
    m_noGroupHint->setObjectName(QStringLiteral("noGroupHint"));
    m_noGroupHint->setContentsMargins(0, 8, 0, 0);
    m_allHaveAccessHint = makeNoteLabel(m_texts.allMembersHaveAccessText);
    m_allHaveAccessHint->setObjectName(QStringLiteral("allHaveAccessHint"));
    m_allHaveAccessHint->setContentsMargins(0, 8, 0, 0);
    memberSection->addWidget(m_noGroupHint);
    memberSection->addWidget(m_allHaveAccessHint);
    contentLayout->addStretch();

    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(content);
    layout->addWidget(scroll, 1);

    auto* buttons = new QHBoxLayout;
    m_busyLabel = plainLabel({});
    m_busyLabel->setObjectName(QStringLiteral("shareBusy"));
    usePlaceholderColour(m_busyLabel);
    m_busyLabel->hide();
    buttons->addWidget(m_busyLabel, 1);
    buttons->addStretch();
    auto* close = new QPushButton(m_texts.closeButtonText);
    close->setDefault(true);
    close->setAutoDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(close);
    m_closeButton = close;
    layout->addLayout(buttons);
}

QLabel* ShareMembersDialog::makeNoteLabel(const QString& text) const
{
    QLabel* label = mutedLabel(text);
    label->setWordWrap(true);
    return label;
}

void ShareMembersDialog::applyErrorColour()
{
    QPalette palette = m_errorLabel->palette();
    palette.setColor(QPalette::WindowText, errorColour(this->palette()));
    m_errorLabel->setPalette(palette);
}

void ShareMembersDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    // The dialog may stay open across a theme switch.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange)
        applyErrorColour();
}

void ShareMembersDialog::rebuildLists()
{
    // Rows are about to go; a keyboard user working in them must not be
    // left with the focus nowhere.
    const qsizetype focusedRow = m_rowButtons.indexOf(focusWidget());

    for (QVBoxLayout* list : {m_accessList, m_memberList}) {
        while (QLayoutItem* item = list->takeAt(list->count() - 1)) {
            if (QWidget* widget = item->widget()) {
                widget->hide();
                widget->deleteLater();
            }
            delete item;
        }
    }
    m_rowButtons.clear();

    using LoadState = ShareMembersModel::LoadState;
    switch (m_model->sharesState()) {
    case LoadState::Loading:
        m_accessList->addWidget(makeNoteLabel(tr("Loading\u2026")));
        break;
    case LoadState::Failed:
        m_accessList->addWidget(makeNoteLabel(tr("Could not load who has access to this account.")));
        break;
    case LoadState::Loaded:
        if (m_model->peopleWithAccess().isEmpty()) {
            QLabel* none = makeNoteLabel(m_texts.emptySharesText);
            none->setContentsMargins(0, 4, 0, 4);
            m_accessList->addWidget(none);
        }
        for (const ShareMembersModel::Person& person : m_model->peopleWithAccess())
            m_accessList->addWidget(createShareRow(person));
        break;
    }

    bool noGroup = false;
    bool allHaveAccess = false;
    if (m_model->membersState() == LoadState::Failed) {
        m_memberList->addWidget(makeNoteLabel(tr("Could not load your group's members.")));
    } else if (m_model->membersState() == LoadState::Loading) {
        m_memberList->addWidget(makeNoteLabel(tr("Loading\u2026")));
    } else if (!m_model->hasOtherMembers()) {
        noGroup = true;
    } else if (m_model->sharesState() == LoadState::Failed) {
        m_memberList->addWidget(makeNoteLabel(tr("Members can be added once it is known who has access.")));
    } else if (m_model->sharesState() == LoadState::Loading) {
        m_memberList->addWidget(makeNoteLabel(tr("Loading\u2026")));
    } else {
        for (const ShareMembersModel::Person& person : m_model->membersToAdd())
            m_memberList->addWidget(createMemberRow(person));
        allHaveAccess = m_model->membersToAdd().isEmpty();
    }
    m_noGroupHint->setVisible(noGroup);
    m_allHaveAccessHint->setVisible(allHaveAccess);

    showBusy(m_model->isBusy());
    if (focusedRow >= 0)
        focusRowButton(focusedRow);
}

void ShareMembersDialog::focusRowButton(qsizetype index)
{
    QWidget* target = m_closeButton;
    if (!m_rowButtons.isEmpty()) {
        QWidget* button = m_rowButtons.at(std::min(index, m_rowButtons.size() - 1));
        if (button->isEnabled())
            target = button;
    }
    target->setFocus(Qt::OtherFocusReason);
}

QWidget* ShareMembersDialog::createShareRow(const ShareMembersModel::Person& person)
{
    // A flat push button rather than a tool button: in a dialog Return
    // presses the focused push button, but would close the dialog from a
    // tool button.
    auto* remove = new QPushButton(QStringLiteral("\u00d7"));
    remove->setFlat(true);
    // Flat buttons draw no focus; a keyboard user must see where they are.
    remove->setStyleSheet(QStringLiteral(
        "QPushButton { border: 1px solid transparent; border-radius: 4px; background: transparent; }"
        "QPushButton:hover { background: rgba(128,128,128,0.18); }"
        "QPushButton:focus { border: 2px solid palette(highlight); }"
        "QPushButton:disabled { color: palette(placeholder-text); }"));
    remove->setCursor(Qt::PointingHandCursor);
    remove->setFixedSize(28, 28);
    QFont font = remove->font();
    font.setPointSizeF(font.pointSizeF() + 4);
    remove->setFont(font);
    remove->setToolTip(m_texts.removeAccessText);
    remove->setAccessibleName(m_texts.removeAccessText);
    remove->setAccessibleDescription(person.name);
    connect(remove, &QPushButton::clicked, this, [this, person] { removeShare(person); });
    return createPersonRow(person, palette().color(QPalette::Highlight), remove);
}

QWidget* ShareMembersDialog::createMemberRow(const ShareMembersModel::Person& person)
{
    auto* share = new QPushButton(m_texts.shareButtonText);
    share->setCursor(Qt::PointingHandCursor);
    share->setAccessibleDescription(person.name);
    connect(share, &QPushButton::clicked, this, [this, person] { shareWithMember(person); });
    QColor colour = palette().color(QPalette::Highlight);
    colour.setAlphaF(0.55f);
    return createPersonRow(person, colour, share);
}

QWidget* ShareMembersDialog::createPersonRow(const ShareMembersModel::Person& person, const QColor& avatarColor,
                                             QWidget* action)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 4, 0, 4);
    layout->setSpacing(10);
    layout->addWidget(makeAvatarLabel(person.initials, avatarColor, kAvatarSize, row));

    auto* text = new QVBoxLayout;
    text->setSpacing(0);
    auto* name = new ElidedLabel(person.name, row);
    name->setFont(weighted(name->font(), QFont::Medium));
    text->addWidget(name);
    if (!person.email.isEmpty()) {
        auto* email = new ElidedLabel(person.email, row);
        usePlaceholderColour(email);
        text->addWidget(email);
    }
    layout->addLayout(text, 1);

    action->setParent(row);
    layout->addWidget(action);
    m_rowButtons.append(action);
    return row;
}

QLabel* ShareMembersDialog::makeAvatarLabel(const QString& text, const QColor& color, int size,
                                            QWidget* parent) const
{
    QLabel* avatar = plainLabel(text, parent);
    avatar->setAlignment(Qt::AlignCenter);
    avatar->setFixedSize(size, size);
    // The form with alpha: the avatars of people still to add are paler.
    avatar->setStyleSheet(QStringLiteral("QLabel { background: %1; color: white; border-radius: %2px; "
                                         "font-weight: 600; }")
                              .arg(color.name(QColor::HexArgb))
                              .arg(size / 2));
    QFont font = avatar->font();
    font.setPointSize(std::max(size / 3, 8));
    avatar->setFont(font);
    return avatar;
}

void ShareMembersDialog::shareWithMember(const ShareMembersModel::Person& person)
{
    if (m_model->isBusy())
        return;
    m_errorLabel->hide();
    m_pendingChange = tr("Sharing with %1\u2026").arg(person.name);
    m_model->share(person);
}

void ShareMembersDialog::removeShare(const ShareMembersModel::Person& person)
{
    if (m_model->isBusy())
        return;
    QMessageBox question(QMessageBox::Question, m_texts.removeConfirmTitle,
                         m_texts.removeConfirmText.arg(person.name), QMessageBox::Yes | QMessageBox::No, this);
    question.setTextFormat(Qt::PlainText);
    question.setDefaultButton(QMessageBox::No);
    if (question.exec() != QMessageBox::Yes)
        return;
    // The question ran an event loop: a change may have started meanwhile.
    if (m_model->isBusy())
        return;
    m_errorLabel->hide();
    m_pendingChange = tr("Removing %1\u2026").arg(person.name);
    m_model->removeAccess(person);
}

void ShareMembersDialog::showBusy(bool busy)
{
    // A disabled button that keeps the focus leaves the keyboard nowhere,
    // and Qt would hand it on to the next row's button, disabled in turn:
    // the focus waits on Close, where Escape and Return still work, and
    // comes back to the row it left once the change is answered.
    if (busy) {
        const qsizetype focusedRow = m_rowButtons.indexOf(focusWidget());
        if (m_focusRowAfterBusy < 0)
            m_focusRowAfterBusy = focusedRow;
        if (focusedRow >= 0)
            m_closeButton->setFocus(Qt::OtherFocusReason);
    }
    for (QWidget* button : std::as_const(m_rowButtons))
        button->setEnabled(!busy);
    m_busyLabel->setText(busy ? m_pendingChange : QString());
    m_busyLabel->setVisible(busy);
    if (!busy && m_focusRowAfterBusy >= 0) {
        focusRowButton(m_focusRowAfterBusy);
        m_focusRowAfterBusy = -1;
    }
}

void ShareMembersDialog::showError(const QString& message, const QString& title)
{
    m_errorLabel->setText(message);
    m_errorLabel->setAccessibleName(title);
    m_errorLabel->show();
}

} // namespace TandAccount
