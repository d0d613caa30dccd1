#include "screens/WelcomeScreen.h"

#include "appstate/ThemeHelpers.h"

#include <QColor>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

constexpr int kColumnMaxWidth = 560;
constexpr int kIconSize = 80;
// The accent fill is 40 px high; the margin around it holds its focus ring.
constexpr int kAccentButtonHeight = 40 + 2 * kAccentButtonMargin;

// Secondary accents (step numbers, the session notice, link-like buttons) are
// a lighter shade so they stay readable on either palette.
QColor lighterAccent()
{
    return currentAccentColor().lighter(135);
}

} // namespace

WelcomeScreen::WelcomeScreen(AppState* appState, QWidget* parent)
    : QWidget(parent)
    , m_appState(appState)
{
    auto* iconLabel = new QLabel;
    iconLabel->setPixmap(QPixmap(QStringLiteral(":/icons/icons/app_icon.png"))
                             .scaled(kIconSize, kIconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    iconLabel->setAlignment(Qt::AlignCenter);

    m_titleLabel = new QLabel;
    applyFontRole(m_titleLabel, FontRole::Headline);
    m_titleLabel->setAlignment(Qt::AlignCenter);
    m_titleLabel->setWordWrap(true);

    m_subtitleLabel = new QLabel;
    applyFontRole(m_subtitleLabel, FontRole::Subtitle);
    m_subtitleLabel->setAlignment(Qt::AlignCenter);

    m_sessionEndedLabel = new QLabel(tr("Your session has ended. Sign back in to keep syncing."));
    m_sessionEndedLabel->setObjectName(QStringLiteral("sessionEndedLabel"));
    applyFontRole(m_sessionEndedLabel, FontRole::BodyStrong);
    m_sessionEndedLabel->setAlignment(Qt::AlignCenter);
    m_sessionEndedLabel->setWordWrap(true);

    m_howItWorksCard = buildHowItWorksCard();

    m_offlineNoteLabel = new QLabel(tr("Works fully offline. Your data stays on this device."));
    applyFontRole(m_offlineNoteLabel, FontRole::Caption);
    m_offlineNoteLabel->setAlignment(Qt::AlignCenter);
    m_offlineNoteLabel->setWordWrap(true);

    m_createAccountButton = new QPushButton;
    m_createAccountButton->setCursor(Qt::PointingHandCursor);

    m_signInButton = new QPushButton;
    m_signInButton->setCursor(Qt::PointingHandCursor);

    // The column never gets smaller than its contents need, and its width
    // stays capped: a min-and-max constraint would replace the cap with the
    // layout's own unbounded maximum.
    auto* column = new QWidget;
    column->setMaximumWidth(kColumnMaxWidth);
    auto* columnLayout = new QVBoxLayout(column);
    columnLayout->setContentsMargins(0, 0, 0, 0);
    columnLayout->setSpacing(0);
    columnLayout->setSizeConstraint(QLayout::SetMinimumSize);
    columnLayout->addWidget(iconLabel);
    columnLayout->addSpacing(20);
    columnLayout->addWidget(m_titleLabel);
    columnLayout->addSpacing(8);
    columnLayout->addWidget(m_subtitleLabel);
    columnLayout->addSpacing(16);
    columnLayout->addWidget(m_sessionEndedLabel);
    columnLayout->addSpacing(8);
    columnLayout->addWidget(m_howItWorksCard);
    columnLayout->addSpacing(16);
    columnLayout->addWidget(m_offlineNoteLabel);
    columnLayout->addSpacing(24);
    columnLayout->addWidget(m_createAccountButton);
    columnLayout->addSpacing(24);
    columnLayout->addWidget(m_signInButton, 0, Qt::AlignHCenter);

    // Stretches rather than alignment flags centre the column and keep it at
    // the top: box layouts then ask the wrapped texts for their height at the
    // column's real width, so none is cut off and the page scrolls by the
    // right amount.
    auto* centringRow = new QHBoxLayout;
    centringRow->setSpacing(0);
    centringRow->addStretch();
    centringRow->addWidget(column);
    centringRow->addStretch();

    auto* content = new QWidget;
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(40, 40, 40, 40);
    contentLayout->setSpacing(0);
    contentLayout->addLayout(centringRow);
    contentLayout->addStretch();

    auto* scrollArea = new QScrollArea;
    scrollArea->setWidgetResizable(true);
    scrollArea->setFrameShape(QFrame::NoFrame);
    scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scrollArea->setWidget(content);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scrollArea);

    connect(m_createAccountButton, &QPushButton::clicked, this, &WelcomeScreen::createAccountRequested);
    connect(m_signInButton, &QPushButton::clicked, this, &WelcomeScreen::signInRequested);

    setHasSignedInBefore(false);
}

WelcomeScreen::~WelcomeScreen() = default;

QWidget* WelcomeScreen::buildHowItWorksCard()
{
    auto* card = new QWidget;
    card->setObjectName(QStringLiteral("HowItWorksCard"));

    auto* heading = new QLabel(tr("How it works"));
    applyFontRole(heading, FontRole::Subtitle);

    auto* layout = new QVBoxLayout(card);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(8);
    layout->addWidget(heading);
    layout->addSpacing(4);
    layout->addWidget(buildStepRow(
        1, tr("Add an account (checking, savings, credit card, or any account you'd like to track).")));
    layout->addWidget(buildStepRow(2, tr("Record transactions as you spend.")));
    layout->addWidget(buildStepRow(3, tr("Reconcile when your statement arrives.")));
    return card;
}

QWidget* WelcomeScreen::buildStepRow(int number, const QString& text)
{
    auto* numberLabel = new QLabel(tr("%1.").arg(number));
    applyFontRole(numberLabel, FontRole::BodyStrong);
    numberLabel->setFixedWidth(20);
    numberLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_stepNumberLabels.append(numberLabel);

    auto* textLabel = new QLabel(text);
    textLabel->setWordWrap(true);

    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 4, 0, 4);
    layout->setSpacing(12);
    layout->addWidget(numberLabel, 0, Qt::AlignTop);
    layout->addWidget(textLabel, 1);
    return row;
}

void WelcomeScreen::setHasSignedInBefore(bool signedInBefore)
{
    m_signedInBefore = signedInBefore;

    if (signedInBefore) {
        m_titleLabel->setText(tr("Welcome back"));
        m_subtitleLabel->setText(tr("Sign in to keep your data synced across devices."));
        m_signInButton->setText(tr("Sign In"));
        m_createAccountButton->setText(tr("Create a different account"));
    } else {
        m_titleLabel->setText(tr("Welcome to\nTandrel Ledgerine"));
        m_subtitleLabel->setText(tr("A digital check register."));
        m_signInButton->setText(tr("Already have an account? Sign In"));
        m_createAccountButton->setText(tr("Create Your First Account"));
    }
    m_sessionEndedLabel->setVisible(signedInBefore);
    m_howItWorksCard->setVisible(!signedInBefore);

    // The returning user's main action is signing in, so the accent look
    // moves from the create button to the sign-in button.
    QPushButton* mainButton = signedInBefore ? m_signInButton : m_createAccountButton;
    QPushButton* secondaryButton = signedInBefore ? m_createAccountButton : m_signInButton;
    // The mark gives the main button its focus ring and a later accent
    // colour; the button that stops being the main one must lose it.
    mainButton->setProperty(kAccentButtonProperty, true);
    mainButton->setFlat(false);
    mainButton->setMinimumHeight(kAccentButtonHeight);
    secondaryButton->setProperty(kAccentButtonProperty, false);
    secondaryButton->setFlat(true);
    secondaryButton->setMinimumHeight(0);

    applyThemeColors();
}

void WelcomeScreen::applyThemeColors()
{
    const bool dark = isDarkTheme();
    const QString accentText = textColorStyleSheet(lighterAccent());

    m_subtitleLabel->setStyleSheet(textColorStyleSheet(dark ? QColor(0x8F, 0xAF, 0x9F) : QColor(0x4A, 0x63, 0x58)));
    m_sessionEndedLabel->setStyleSheet(accentText);
    m_howItWorksCard->setStyleSheet(
        QStringLiteral("#HowItWorksCard { border: 1px solid %1; border-radius: 10px; }")
            .arg(dark ? QStringLiteral("#2A4038") : QStringLiteral("#D8E0DB")));
    for (QLabel* numberLabel : std::as_const(m_stepNumberLabels))
        numberLabel->setStyleSheet(accentText);
    m_offlineNoteLabel->setStyleSheet(textColorStyleSheet(mutedCaptionColor()));

    QPushButton* mainButton = m_signedInBefore ? m_signInButton : m_createAccountButton;
    QPushButton* secondaryButton = m_signedInBefore ? m_createAccountButton : m_signInButton;
    mainButton->setStyleSheet(accentButtonStyleSheet());
    secondaryButton->setStyleSheet(accentText);
}
