#include "screens/SettingsScreen.h"

#include "account/AuthClient.h"
#include "account/Client.h"
#include "appstate/AccountEditor.h"
#include "appstate/AppState.h"
#include "appstate/PlainMessage.h"
#include "appstate/ThemeHelpers.h"
#include "appstate/ThemeManager.h"
#include "screens/DataSyncTexts.h"
#include "screens/PreferenceChoices.h"
#include "screens/WorkProgressDialog.h"
#include "services/BackupService.h"
#include "storage/AccountRepository.h"
#include "storage/Money.h"
#include "storage/PreferencesRepository.h"
#include "sync/SyncEngine.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QShortcut>
#include <QStandardPaths>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <QtDebug>

namespace {

const QString kThemeKey = QStringLiteral("theme");
const QString kAccentKey = QStringLiteral("accentColor");
const QString kWeekStartKey = QStringLiteral("weekStartDay");
const QString kNewestFirstKey = QStringLiteral("registerNewestFirst");
const QString kTwoLineKey = QStringLiteral("registerTwoLine");
const QString kAutoDecimalKey = QStringLiteral("amountAutoDecimal");
const QString kSystemLanguage = QStringLiteral("system");

constexpr int kSidebarWidth = 180;
constexpr int kSidebarIconSize = 20;
constexpr int kPageMargin = 24;
constexpr int kGroupIndent = 12;
constexpr int kPageSwatchSize = 28;
constexpr int kDialogSwatchSize = 36;
constexpr int kSwatchesPerRow = 4;
constexpr int kDeletedListMaxHeight = 120;
// A backup of a few hundred rows is done before a dialog could be read.
constexpr int kProgressDelayMs = 500;

// One glyph of the icon font, drawn centred.
QPixmap glyphPixmap(char16_t codePoint, const QColor& color, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("Material Icons"));
    font.setPixelSize(size);
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QString(QChar(codePoint)));
    return pixmap;
}

QIcon makeSidebarIcon(char16_t codePoint, const QColor& color, const QColor& selectedColor, int size)
{
    QIcon icon(glyphPixmap(codePoint, color, size));
    // On the selected row's fill the muted colour would all but vanish.
    icon.addPixmap(glyphPixmap(codePoint, selectedColor, size), QIcon::Selected);
    return icon;
}

struct SidebarEntry
{
    const char* text;
    char16_t glyph;
};

// General, Register, Data & Sync, About: the order of the pages.
constexpr SidebarEntry kSidebarEntries[] = {
    {QT_TRANSLATE_NOOP("SettingsScreen", "General"), 0xE8B8},
    {QT_TRANSLATE_NOOP("SettingsScreen", "Register"), 0xE8EF},
    {QT_TRANSLATE_NOOP("SettingsScreen", "Data & Sync"), 0xE627},
    {QT_TRANSLATE_NOOP("SettingsScreen", "About"), 0xE88E},
};

void fillCombo(QComboBox* combo, const QList<PreferenceChoices::Choice>& choices)
{
    for (const PreferenceChoices::Choice& choice : choices)
        combo->addItem(choice.text, choice.value);
}

QVBoxLayout* pageLayout(QWidget* page, const QString& title)
{
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(kPageMargin, kPageMargin, kPageMargin, kPageMargin);
    layout->setSpacing(8);
    auto* titleLabel = new QLabel(title);
    applyFontRole(titleLabel, FontRole::Title);
    layout->addWidget(titleLabel);
    return layout;
}

QFormLayout* generalForm()
{
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    form->setHorizontalSpacing(16);
    form->setVerticalSpacing(12);
    form->setContentsMargins(kGroupIndent, 0, 0, 0);
    return form;
}

QVBoxLayout* checkGroup()
{
    auto* group = new QVBoxLayout;
    group->setContentsMargins(kGroupIndent, 0, 0, 0);
    group->setSpacing(8);
    return group;
}

// A page scrolls rather than squeezing its texts when the window is short
// or the font large.
QScrollArea* scrollable(QWidget* page)
{
    auto* area = new QScrollArea;
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Not a tab stop of its own, where focus would vanish from sight: Tab
    // goes from control to control, and the area scrolls each into view.
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidget(page);
    return area;
}

} // namespace

SettingsScreen::SettingsScreen(AppState* appState, QWidget* parent)
    : QWidget(parent)
    , m_appState(appState)
    , m_accountEditor(new AccountEditor(appState, this))
{
    m_sidebar = new QListWidget;
    m_sidebar->setObjectName(QStringLiteral("pageList"));
    m_sidebar->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_sidebar->setFrameShape(QFrame::NoFrame);
    m_sidebar->setFocusPolicy(Qt::NoFocus);
    m_sidebar->setSpacing(2);
    m_sidebar->setIconSize(QSize(kSidebarIconSize, kSidebarIconSize));
    m_sidebar->setToolTip(tr("Ctrl+Page Down and Ctrl+Page Up change the page."));
    applyFontRole(m_sidebar, FontRole::Body);
    for (const SidebarEntry& entry : kSidebarEntries)
        m_sidebar->addItem(tr(entry.text));

    m_stack = new QStackedWidget;
    for (QWidget* page : {createGeneralPage(), createRegisterPage(), createDataSyncPage(), createAboutPage()})
        m_stack->addWidget(scrollable(page));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_sidebar, 0);
    layout->addWidget(m_stack, 1);

    m_sidebar->setCurrentRow(0);
    connect(m_sidebar, &QListWidget::currentRowChanged, this, &SettingsScreen::onCategoryChanged);

    // The sidebar takes no focus, so the pages are reached from the keyboard
    // as tabs are.
    const auto addPageKey = [this](const QKeySequence& key, int step) {
        connect(new QShortcut(key, this), &QShortcut::activated, this, [this, step] { showPageAfter(step); });
    };
    // Every change is already stored: Escape only closes, as in the other windows.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    addPageKey(QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1);
    addPageKey(QKeySequence(Qt::CTRL | Qt::Key_Tab), 1);
    addPageKey(QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1);
    addPageKey(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1);

    ThemeManager* theme = m_appState->themeManager();
    connect(theme, &ThemeManager::themeChanged, this, &SettingsScreen::applyThemeColors);
    connect(theme, &ThemeManager::accentChanged, this, &SettingsScreen::applyThemeColors);
    // The sync state is written in the theme's colours and the accent.
    connect(theme, &ThemeManager::themeChanged, this, &SettingsScreen::showSyncStatus);
    connect(theme, &ThemeManager::accentChanged, this, &SettingsScreen::showSyncStatus);
    // The marked widgets take their new fonts after the application's has
    // changed; only then do the pages know their new widths.
    connect(theme, &ThemeManager::fontScaleChanged, this, &SettingsScreen::fitToFont);
    if (SyncEngine* engine = m_appState->syncEngine())
        connect(engine, &SyncEngine::stateChanged, this, &SettingsScreen::onSyncStateChanged);
    if (TandAccount::Client* client = m_appState->accountClient())
        connect(client->authClient(), &TandAccount::AuthClient::stateChanged, this, &SettingsScreen::refresh);
    applyThemeColors();
    fitToFont();
}

SettingsScreen::~SettingsScreen() = default;

void SettingsScreen::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        fitToFont();
    QWidget::changeEvent(event);
}

void SettingsScreen::fitToFont()
{
    // The sidebar shows every page's name whole at any font scale.
    const QFontMetrics sidebarMetrics(fontForRole(FontRole::Body));
    int widestEntry = 0;
    for (int row = 0; row < m_sidebar->count(); ++row)
        widestEntry = std::max(widestEntry, sidebarMetrics.horizontalAdvance(m_sidebar->item(row)->text()));
    // The list's and the item's padding, the icon and the gap after it.
    const int entryRoom = 2 * 8 + 2 * 12 + kSidebarIconSize + sidebarMetrics.averageCharWidth() * 3;
    m_sidebar->setFixedWidth(std::max(kSidebarWidth, widestEntry + entryRoom));

    // The General page's two forms line up their fields.
    int widestLabel = 0;
    for (QLabel* label : std::as_const(m_formLabels))
        widestLabel = std::max(widestLabel, label->sizeHint().width());
    for (QLabel* label : std::as_const(m_formLabels))
        label->setMinimumWidth(widestLabel);

    // A page scrolls up and down, never sideways: the window is never
    // narrower than the widest page needs.
    int widestPage = 0;
    for (int index = 0; index < m_stack->count(); ++index) {
        if (auto* area = qobject_cast<QScrollArea*>(m_stack->widget(index)))
            widestPage = std::max(widestPage, area->widget()->minimumSizeHint().width());
    }
    m_stack->setMinimumWidth(widestPage + style()->pixelMetric(QStyle::PM_ScrollBarExtent));
}

void SettingsScreen::applyThemeColors()
{
    const bool dark = isDarkTheme();
    const QColor selectedFill = dark ? QColor(0x26, 0x57, 0x4A) : currentAccentColor();
    // White reads on the deep fills; a pale accent (amber) takes dark text.
    const QColor darkText(0x1B, 0x2D, 0x26);
    const QColor selectedText =
        contrastRatio(Qt::white, selectedFill) >= contrastRatio(darkText, selectedFill) ? QColor(Qt::white) : darkText;
    m_sidebar->setStyleSheet(
        QStringLiteral("QListWidget {  background: %1;  border: none;  padding: 12px 8px;}"
                       "QListWidget::item {  color: %2;  padding: 8px 12px;  border-radius: 6px;}"
                       "QListWidget::item:hover {  background: %3;}"
                       "QListWidget::item:selected {  background: %4;  color: %5;}")
            .arg(dark ? QStringLiteral("#152420") : QStringLiteral("#F0F4F2"),
                 dark ? QStringLiteral("#D8E8DF") : darkText.name(),
                 dark ? QStringLiteral("#1E3530") : QStringLiteral("#E0EBE5"), selectedFill.name(),
                 selectedText.name()));
    const QColor iconColor = dark ? QColor(0x8F, 0xAF, 0x9F) : QColor(0x4A, 0x63, 0x58);
    for (int row = 0; row < m_sidebar->count(); ++row)
        m_sidebar->item(row)->setIcon(
            makeSidebarIcon(kSidebarEntries[row].glyph, iconColor, selectedText, kSidebarIconSize));

    const QString separatorStyle = textColorStyleSheet(dark ? QColor(0x2A, 0x40, 0x38) : QColor(0xD8, 0xE0, 0xDB));
    for (QWidget* separator : std::as_const(m_separators))
        separator->setStyleSheet(separatorStyle);
    styleSwatchButton(m_accentButton, currentAccentColor(), false);
}

// ---- Building -------------------------------------------------------------

QWidget* SettingsScreen::createSectionHeader(const QString& title, const QString& subtitle)
{
    auto* header = new QWidget;
    auto* layout = new QVBoxLayout(header);
    layout->setContentsMargins(0, 0, 0, 8);
    auto* titleLabel = new QLabel(title);
    applyFontRole(titleLabel, FontRole::Subtitle);
    layout->addWidget(titleLabel);
    if (!subtitle.isEmpty()) {
        auto* subtitleLabel = new QLabel(subtitle);
        subtitleLabel->setWordWrap(true);
        subtitleLabel->setStyleSheet(textColorStyleSheet(mutedCaptionColor()));
        applyFontRole(subtitleLabel, FontRole::Caption);
        layout->addWidget(subtitleLabel);
    }
    return header;
}

QWidget* SettingsScreen::createSeparator()
{
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    m_separators.append(line);
    return line;
}

void SettingsScreen::addFormRow(QFormLayout* form, const QString& text, QWidget* field)
{
    auto* label = new QLabel(text);
    label->setBuddy(field);
    form->addRow(label, field);
    m_formLabels.append(label);
}

QLabel* SettingsScreen::createHint(const QString& text)
{
    auto* hint = new QLabel(text);
    hint->setWordWrap(true);
    hint->setStyleSheet(textColorStyleSheet(mutedCaptionColor()));
    applyFontRole(hint, FontRole::Caption);
    // Lines up under the text of the check box above it.
    hint->setContentsMargins(24, 0, 0, 0);
    return hint;
}

QWidget* SettingsScreen::createGeneralPage()
{
    PreferencesRepository* preferences = m_appState->preferencesRepository();
    auto* page = new QWidget;
    QVBoxLayout* layout = pageLayout(page, tr("General"));
    layout->addSpacing(12);
    layout->addWidget(createSectionHeader(tr("Appearance"), tr("Control how Tandrel Ledgerine looks.")));

    m_themeCombo = new QComboBox;
    m_themeCombo->setObjectName(QStringLiteral("themeCombo"));
    const QList<PreferenceChoices::Choice> themes = PreferenceChoices::themes();
    fillCombo(m_themeCombo, themes);
    m_themeCombo->setCurrentIndex(
        PreferenceChoices::indexOf(themes, preferences->getString(kThemeKey, QStringLiteral("system"))));

    m_accentButton = new QPushButton;
    m_accentButton->setObjectName(QStringLiteral("accentButton"));
    m_accentButton->setFixedSize(kPageSwatchSize, kPageSwatchSize);
    m_accentButton->setCursor(Qt::PointingHandCursor);
    m_accentButton->setToolTip(tr("Choose accent color"));
    m_accentButton->setAccessibleName(tr("Accent color"));
    auto* accentRow = new QWidget;
    auto* accentLayout = new QHBoxLayout(accentRow);
    accentLayout->setContentsMargins(0, 0, 0, 0);
    accentLayout->addWidget(m_accentButton);
    accentLayout->addStretch();

    m_fontSizeCombo = new QComboBox;
    m_fontSizeCombo->setObjectName(QStringLiteral("fontSizeCombo"));
    fillCombo(m_fontSizeCombo, PreferenceChoices::fontSizes());
    m_fontSizeCombo->setCurrentIndex(PreferenceChoices::fontSizeIndex(fontScalePercent()));

    QFormLayout* appearance = generalForm();
    addFormRow(appearance, tr("Theme"), m_themeCombo);
    addFormRow(appearance, tr("Accent color"), accentRow);
    addFormRow(appearance, tr("Font size"), m_fontSizeCombo);
    layout->addLayout(appearance);

    layout->addSpacing(16);
    layout->addWidget(createSeparator());
    layout->addSpacing(12);
    layout->addWidget(createSectionHeader(tr("Regional"), tr("Date and calendar preferences.")));

    m_weekStartCombo = new QComboBox;
    m_weekStartCombo->setObjectName(QStringLiteral("weekStartCombo"));
    const QList<PreferenceChoices::Choice> weekStarts = PreferenceChoices::weekStarts();
    fillCombo(m_weekStartCombo, weekStarts);
    // The process-wide first day is the stored one when there is one, else the locale's.
    m_weekStartCombo->setCurrentIndex(
        PreferenceChoices::indexOf(weekStarts, preferences->getInt(kWeekStartKey, localeFirstDayOfWeek())));

    m_languageCombo = new QComboBox;
    m_languageCombo->setObjectName(QStringLiteral("languageCombo"));
    const QList<PreferenceChoices::Choice> languages =
        PreferenceChoices::languages(PreferenceChoices::shippedLanguages());
    fillCombo(m_languageCombo, languages);
    m_languageCombo->setCurrentIndex(PreferenceChoices::indexOf(languages, currentUiLanguage(false)));

    QFormLayout* regional = generalForm();
    addFormRow(regional, tr("Week starts on"), m_weekStartCombo);
    addFormRow(regional, tr("Language"), m_languageCombo);
    layout->addLayout(regional);
    layout->addStretch();

    // Connected only now that the stored values are shown: loading them
    // must not write them back.
    connect(m_accentButton, &QPushButton::clicked, this, &SettingsScreen::openAccentDialog);
    connect(m_themeCombo, &QComboBox::currentIndexChanged, this, &SettingsScreen::onThemeChanged);
    connect(m_fontSizeCombo, &QComboBox::currentIndexChanged, this, &SettingsScreen::onFontScaleChanged);
    connect(m_weekStartCombo, &QComboBox::currentIndexChanged, this, &SettingsScreen::onWeekStartChanged);
    connect(m_languageCombo, &QComboBox::currentIndexChanged, this, &SettingsScreen::onLanguageChanged);
    return page;
}

QWidget* SettingsScreen::createRegisterPage()
{
    PreferencesRepository* preferences = m_appState->preferencesRepository();
    auto* page = new QWidget;
    QVBoxLayout* layout = pageLayout(page, tr("Register"));
    layout->addSpacing(12);
    layout->addWidget(createSectionHeader(tr("Display"), tr("How transactions appear in the register.")));

    m_twoLineCheck = new QCheckBox(tr("Two-line rows"));
    m_twoLineCheck->setObjectName(QStringLiteral("twoLineCheck"));
    m_twoLineCheck->setChecked(preferences->getBool(kTwoLineKey, false));
    m_autoDecimalCheck = new QCheckBox(tr("Auto-decimal point"));
    m_autoDecimalCheck->setObjectName(QStringLiteral("autoDecimalCheck"));
    m_autoDecimalCheck->setChecked(preferences->getBool(kAutoDecimalKey, false));
    QVBoxLayout* display = checkGroup();
    display->addWidget(m_twoLineCheck);
    display->addWidget(createHint(tr("Show memo on a second line below the payee.")));
    display->addWidget(m_autoDecimalCheck);
    display->addWidget(createHint(tr("Type 1234 to enter 12.34. The last two digits are always cents.")));
    layout->addLayout(display);

    layout->addSpacing(16);
    layout->addWidget(createSeparator());
    layout->addSpacing(12);
    layout->addWidget(createSectionHeader(tr("Sorting"), tr("Control the order of transactions in the register.")));

    m_newestFirstCheck = new QCheckBox(tr("Show newest transactions first"));
    m_newestFirstCheck->setObjectName(QStringLiteral("newestFirstCheck"));
    m_newestFirstCheck->setChecked(preferences->getBool(kNewestFirstKey, false));
    QVBoxLayout* sorting = checkGroup();
    sorting->addWidget(m_newestFirstCheck);
    sorting->addWidget(createHint(tr("When enabled, the most recent transactions appear at the top.")));
    layout->addLayout(sorting);
    layout->addStretch();

    connect(m_twoLineCheck, &QCheckBox::toggled, this, &SettingsScreen::onTwoLineModeChanged);
    connect(m_autoDecimalCheck, &QCheckBox::toggled, this, &SettingsScreen::onAutoDecimalChanged);
    connect(m_newestFirstCheck, &QCheckBox::toggled, this, &SettingsScreen::onRegisterOrderChanged);
    return page;
}

QWidget* SettingsScreen::createDataSyncPage()
{
    auto* page = new QWidget;
    QVBoxLayout* layout = pageLayout(page, tr("Data & Sync"));
    layout->addSpacing(12);
    layout->addWidget(createSectionHeader(tr("Sync"), tr("Keep your check register in sync across all your devices.")));

    m_accountLabel = new QLabel;
    m_accountLabel->setObjectName(QStringLiteral("accountLabel"));
    m_accountLabel->setWordWrap(true);
    m_lastSyncLabel = new QLabel;
    m_lastSyncLabel->setObjectName(QStringLiteral("lastSyncLabel"));
    m_lastSyncLabel->setWordWrap(true);
    m_lastSyncLabel->setTextFormat(Qt::PlainText);
    m_lastSyncLabel->setStyleSheet(textColorStyleSheet(mutedCaptionColor()));
    applyFontRole(m_lastSyncLabel, FontRole::Caption);
    m_notReadableLabel = new QLabel;
    m_notReadableLabel->setObjectName(QStringLiteral("notReadableLabel"));
    m_notReadableLabel->setWordWrap(true);
    m_notReadableLabel->setTextFormat(Qt::PlainText);
    m_notReadableLabel->hide();

    m_syncNowButton = new QPushButton(tr("Sync Now"));
    m_syncNowButton->setObjectName(QStringLiteral("syncNowButton"));
    markAccentButton(m_syncNowButton);
    m_forceSyncButton = new QPushButton(tr("Force Full Sync"));
    m_forceSyncButton->setObjectName(QStringLiteral("forceSyncButton"));
    m_syncButtonRow = new QWidget;
    auto* buttonRow = new QHBoxLayout(m_syncButtonRow);
    buttonRow->setContentsMargins(0, 8, 0, 0);
    buttonRow->setSpacing(8);
    buttonRow->addWidget(m_syncNowButton);
    buttonRow->addWidget(m_forceSyncButton);
    buttonRow->addStretch();

    auto* sync = new QVBoxLayout;
    sync->setContentsMargins(kGroupIndent, 0, 0, 0);
    sync->setSpacing(8);
    sync->addWidget(m_accountLabel);
    sync->addWidget(m_lastSyncLabel);
    sync->addWidget(m_notReadableLabel);
    sync->addWidget(m_syncButtonRow);
    layout->addLayout(sync);

    layout->addSpacing(16);
    layout->addWidget(createSeparator());
    layout->addSpacing(12);
    layout->addWidget(
        createSectionHeader(tr("Backup & Restore"), tr("Save or restore your data to a portable backup file.")));
    m_exportButton = new QPushButton(tr("Export Backup"));
    m_exportButton->setObjectName(QStringLiteral("exportButton"));
    m_importButton = new QPushButton(tr("Import Backup"));
    m_importButton->setObjectName(QStringLiteral("importButton"));
    auto* backup = new QHBoxLayout;
    backup->setContentsMargins(kGroupIndent, 0, 0, 0);
    backup->setSpacing(8);
    backup->addWidget(m_exportButton);
    backup->addWidget(m_importButton);
    backup->addStretch();
    layout->addLayout(backup);

    layout->addSpacing(16);
    layout->addWidget(createSeparator());
    layout->addSpacing(12);

    m_deletedSection = new QWidget;
    m_deletedSection->setObjectName(QStringLiteral("deletedAccountsSection"));
    auto* deleted = new QVBoxLayout(m_deletedSection);
    deleted->setContentsMargins(0, 0, 0, 0);
    deleted->setSpacing(8);
    deleted->addWidget(
        createSectionHeader(tr("Deleted Accounts"), tr("Accounts you've deleted can be restored here.")));
    m_deletedList = new QListWidget;
    m_deletedList->setObjectName(QStringLiteral("deletedAccountsList"));
    m_deletedList->setMaximumHeight(kDeletedListMaxHeight);
    m_deletedList->setFrameShape(QFrame::StyledPanel);
    // A long name wraps rather than hiding behind a sideways scroll bar.
    m_deletedList->setWordWrap(true);
    m_deletedList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    deleted->addWidget(m_deletedList);
    m_restoreButton = new QPushButton(tr("Restore Selected"));
    m_restoreButton->setObjectName(QStringLiteral("restoreButton"));
    m_restoreButton->setEnabled(false);
    markAccentButton(m_restoreButton);
    auto* restoreRow = new QHBoxLayout;
    restoreRow->addStretch();
    restoreRow->addWidget(m_restoreButton);
    deleted->addLayout(restoreRow);
    layout->addWidget(m_deletedSection);
    layout->addStretch();

    connect(m_syncNowButton, &QPushButton::clicked, this, &SettingsScreen::syncNow);
    connect(m_forceSyncButton, &QPushButton::clicked, this, &SettingsScreen::forceFullSync);
    connect(m_exportButton, &QPushButton::clicked, this, &SettingsScreen::exportBackup);
    connect(m_importButton, &QPushButton::clicked, this, &SettingsScreen::importBackup);
    connect(m_deletedList, &QListWidget::currentRowChanged, this,
            [this](int row) { m_restoreButton->setEnabled(row >= 0); });
    connect(m_restoreButton, &QPushButton::clicked, this, &SettingsScreen::restoreSelectedAccount);
    return page;
}

QWidget* SettingsScreen::createAboutPage()
{
    auto* page = new QWidget;
    QVBoxLayout* layout = pageLayout(page, tr("About"));
    layout->addSpacing(16);
    auto* product = new QLabel(tr("Tandrel Ledgerine"));
    applyFontRole(product, FontRole::Headline);
    layout->addWidget(product);
    m_versionLabel = new QLabel(tr("Version %1").arg(QCoreApplication::applicationVersion()));
    m_versionLabel->setStyleSheet(textColorStyleSheet(mutedCaptionColor()));
    layout->addWidget(m_versionLabel);
    layout->addSpacing(16);
    auto* description = new QLabel(tr("A digital check register for tracking household finances."));
    description->setWordWrap(true);
    layout->addWidget(description);
    layout->addSpacing(16);
    layout->addWidget(createSeparator());
    layout->addSpacing(12);
    layout->addStretch();
    auto* footer = new QLabel(tr("This application uses the Qt framework under the LGPL v3 license."));
    footer->setWordWrap(true);
    footer->setStyleSheet(textColorStyleSheet(mutedCaptionColor()));
    applyFontRole(footer, FontRole::Caption);
    layout->addWidget(footer);
    return page;
}

void SettingsScreen::styleSwatchButton(QPushButton* button, const QColor& color, bool selected)
{
    const QString border = selected ? QStringLiteral("border: 2px solid %1;")
                                          .arg(isDarkTheme() ? QStringLiteral("#FFFFFF") : QStringLiteral("#12211B"))
                                    : QStringLiteral("border: 1px solid rgba(0, 0, 0, 0.25);");
    // A ring alone would look like the focus ring below: the selected
    // swatch also carries a tick, in whichever of black and white reads on it.
    const QColor tick = contrastRatio(Qt::white, color) >= contrastRatio(Qt::black, color) ? Qt::white : Qt::black;
    button->setText(selected ? QStringLiteral("\u2713") : QString());
    // The style sheet takes the place of the style's focus frame: a ring in
    // the text colour shows the keyboard user where focus is.
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border-radius: %2px; %3 color: %4;"
                                         " font-size: %2px; font-weight: bold; }"
                                         "QPushButton:focus { border: 3px solid palette(text); }")
                              .arg(color.name(), QString::number(button->width() / 2), border, tick.name()));
}

// ---- General and Register ---------------------------------------------------

void SettingsScreen::onCategoryChanged(int row)
{
    m_stack->setCurrentIndex(row);
}

void SettingsScreen::showPageAfter(int step)
{
    const int count = m_sidebar->count();
    m_sidebar->setCurrentRow((m_sidebar->currentRow() + step + count) % count);
    // The keyboard user lands on the page's first control, as after a tab.
    QWidget* page = m_stack->currentWidget();
    for (QWidget* child : page->findChildren<QWidget*>()) {
        if ((child->focusPolicy() & Qt::TabFocus) && child->isVisibleTo(page) && child->isEnabled()) {
            child->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void SettingsScreen::onThemeChanged(int index)
{
    m_appState->themeManager()->setThemeByName(m_themeCombo->itemData(index).toString());
}

void SettingsScreen::onFontScaleChanged(int index)
{
    m_appState->themeManager()->setFontScale(m_fontSizeCombo->itemData(index).toInt());
}

void SettingsScreen::onWeekStartChanged(int index)
{
    const int day = m_weekStartCombo->itemData(index).toInt();
    m_appState->preferencesRepository()->setInt(kWeekStartKey, day);
    localeFirstDayOfWeek() = day;
}

void SettingsScreen::onLanguageChanged(int index)
{
    const QString code = m_languageCombo->itemData(index).toString();
    if (code.isEmpty() || code == currentUiLanguage(false))
        return;
    setUiLanguage(code);
    showPlainMessage(this, QMessageBox::Information, tr("Language Changed"),
                     tr("The new language will take effect the next time you start Tandrel Ledgerine."));
}

void SettingsScreen::onRegisterOrderChanged(bool checked)
{
    m_appState->preferencesRepository()->setBool(kNewestFirstKey, checked);
}

void SettingsScreen::onTwoLineModeChanged(bool checked)
{
    m_appState->preferencesRepository()->setBool(kTwoLineKey, checked);
}

void SettingsScreen::onAutoDecimalChanged(bool checked)
{
    m_appState->preferencesRepository()->setBool(kAutoDecimalKey, checked);
    // Amount fields read the process-wide rule as they parse, so the next
    // amount typed anywhere follows it.
    setAmountAutoDecimal(checked);
}

void SettingsScreen::onAccentChanged(const QColor& color)
{
    m_appState->themeManager()->setAccentColor(color);
    styleSwatchButton(m_accentButton, color, false);
}

void SettingsScreen::openAccentDialog()
{
    QDialog dialog(this);
    dialog.setWindowTitle(tr("Accent color"));
    auto* grid = new QGridLayout;
    grid->setSpacing(12);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(grid);
    layout->addWidget(buttons);

    const QString stored =
        m_appState->preferencesRepository()->getString(kAccentKey, QString::fromLatin1(kDefaultAccentColor));
    const QList<QColor> colors = PreferenceChoices::accentColors();
    for (int index = 0; index < colors.size(); ++index) {
        const QColor color = colors.at(index);
        auto* swatch = new QPushButton;
        swatch->setFixedSize(kDialogSwatchSize, kDialogSwatchSize);
        swatch->setCursor(Qt::PointingHandCursor);
        swatch->setToolTip(color.name());
        swatch->setAccessibleName(color.name());
        styleSwatchButton(swatch, color, PreferenceChoices::isStoredAccent(color, stored));
        grid->addWidget(swatch, index / kSwatchesPerRow, index % kSwatchesPerRow);
        connect(swatch, &QPushButton::clicked, &dialog, [this, color, &dialog] {
            onAccentChanged(color);
            dialog.accept();
        });
    }
    dialog.exec();
}

// ---- Data & Sync --------------------------------------------------------------

void SettingsScreen::refresh()
{
    loadDeletedAccounts();
    showSyncStatus();
    if (m_appState->isSignedIn())
        fetchUserNameIfUnknown();
}

void SettingsScreen::showSyncStatus()
{
    SyncEngine* engine = m_appState->syncEngine();
    if (!engine || !m_appState->isSignedIn()) {
        m_accountLabel->setTextFormat(Qt::PlainText);
        m_accountLabel->setText(DataSyncTexts::signedOutText());
        m_lastSyncLabel->hide();
        m_notReadableLabel->hide();
        m_syncButtonRow->hide();
        return;
    }

    const SyncEngine::SyncState state = engine->state();
    m_accountLabel->setTextFormat(Qt::RichText);
    m_accountLabel->setText(DataSyncTexts::signedInText(m_appState->signedInUserName(), state));
    const QString error = state == SyncEngine::Error ? engine->lastError() : QString();
    m_lastSyncLabel->setText(DataSyncTexts::lastSyncText(
        m_appState->preferencesRepository()->get(QString::fromLatin1(SyncEngine::kLastSyncTimestampKey)), error));
    m_lastSyncLabel->show();
    const int notReadable = engine->recordsNotReadable();
    m_notReadableLabel->setText(DataSyncTexts::notReadableText(notReadable));
    m_notReadableLabel->setStyleSheet(textColorStyleSheet(warningColor()));
    m_notReadableLabel->setVisible(notReadable > 0);
    m_syncButtonRow->show();
    updateSyncButtons();
}

// Until the service has said who the user is, the page names them by the
// id in their token.
void SettingsScreen::fetchUserNameIfUnknown()
{
    TandAccount::AuthClient* auth = m_appState->accountClient()->authClient();
    const TandAccount::User user = auth->currentUser();
    if (!user.display_name.isEmpty() || !user.email.isEmpty())
        return;
    QPointer<SettingsScreen> self(this);
    auth->fetchCurrentUser([self](bool, const TandAccount::User& fetched) {
        // A failed request hands back the same nameless user: no second try.
        if (self && (!fetched.display_name.isEmpty() || !fetched.email.isEmpty()))
            self->showSyncStatus();
    });
}

void SettingsScreen::loadDeletedAccounts()
{
    m_deletedList->clear();
    m_restoreButton->setEnabled(false);
    const QList<Account> deleted = m_appState->accountRepository()->listDeleted();
    m_deletedSection->setVisible(!deleted.isEmpty());
    for (const Account& account : deleted) {
        auto* item = new QListWidgetItem(account.name, m_deletedList);
        item->setData(Qt::UserRole, account.id);
    }
}

void SettingsScreen::restoreSelectedAccount()
{
    const QListWidgetItem* item = m_deletedList->currentItem();
    if (!item)
        return;
    const QString id = item->data(Qt::UserRole).toString();
    const QString name = item->text();
    if (id.isEmpty())
        return;
    const bool restored = m_accountEditor->restoreAccount(id);
    loadDeletedAccounts();
    if (!restored) {
        showPlainMessage(this, QMessageBox::Warning, tr("Account Not Restored"),
                         tr("The account \"%1\" could not be restored; nothing was changed.").arg(name));
        return;
    }
    emit deletedAccountRestored();
}

void SettingsScreen::syncNow()
{
    SyncEngine* engine = m_appState->syncEngine();
    if (!engine || !m_appState->isSignedIn()) {
        refresh();
        return;
    }
    m_awaitingSync = true;
    engine->syncNow();
    // A closed gate ends the request at once, without a change of state to
    // wait for.
    onSyncStateChanged();
}

void SettingsScreen::forceFullSync()
{
    if (!askPlainQuestion(this, tr("Force Full Sync"),
                          tr("This will re-upload every local row to the server and re-download all server data. "
                             "Use this if data appears out of sync between devices.\n\nContinue?")))
        return;
    const std::optional<DataSyncTexts::Message> failure =
        DataSyncTexts::fullSyncFailure(m_appState->prepareFullSync());
    if (failure) {
        refresh();
        showPlainMessage(this, failure->icon, failure->title, failure->text);
        return;
    }
    syncNow();
}

void SettingsScreen::onSyncStateChanged()
{
    showSyncStatus();
    SyncEngine* engine = m_appState->syncEngine();
    if (m_awaitingSync && engine && engine->state() != SyncEngine::Syncing) {
        m_awaitingSync = false;
        refresh();
    }
}

void SettingsScreen::updateSyncButtons()
{
    SyncEngine* engine = m_appState->syncEngine();
    // A second pass cannot start while one runs; a full resync would mark
    // rows under the running pass's feet.
    const bool syncing = engine && engine->state() == SyncEngine::Syncing;
    m_syncNowButton->setEnabled(!syncing);
    m_syncNowButton->setText(syncing ? tr("Syncing...") : tr("Sync Now"));
    m_forceSyncButton->setEnabled(!syncing);
}

void SettingsScreen::runWithProgress(const QString& label, const std::function<void()>& work)
{
    // Application-modal: a restore's transaction is open meanwhile, and an
    // edit in any window (the register, the import window) would land in it.
    // The dialog lets the event loop run on each step, so the windows keep
    // painting during a long backup.
    WorkProgressDialog progress(label, Qt::ApplicationModal, kProgressDelayMs, this);
    connect(m_appState->backupService(), &BackupService::progress, &progress, &WorkProgressDialog::setProgress);
    work();
    progress.finish();
}

void SettingsScreen::exportBackup()
{
    const QString proposed = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                                 .filePath(QStringLiteral("ledgerine-backup-%1.zip")
                                               .arg(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))));
    const QString path = QFileDialog::getSaveFileName(this, tr("Export Backup"), proposed, tr("ZIP Files (*.zip)"));
    if (path.isEmpty())
        return;

    m_exportButton->setEnabled(false);
    m_exportButton->setText(tr("Exporting..."));
    bool written = false;
    QString reason;
    runWithProgress(tr("Writing the backup..."),
                    [&] { written = m_appState->backupService()->exportToFile(path, &reason); });
    m_exportButton->setEnabled(true);
    m_exportButton->setText(tr("Export Backup"));

    const DataSyncTexts::Message message = DataSyncTexts::exportMessage(written, path, reason);
    showPlainMessage(this, message.icon, message.title, message.text);
}

void SettingsScreen::importBackup()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Import Backup"), QString(), tr("ZIP Files (*.zip)"));
    if (path.isEmpty())
        return;
    bool chosen = false;
    const QString mode = QInputDialog::getItem(this, tr("Import Mode"), tr("How should existing data be handled?"),
                                               DataSyncTexts::importModes(), 0, false, &chosen);
    if (!chosen)
        return;

    m_importButton->setEnabled(false);
    m_importButton->setText(tr("Importing..."));
    BackupImportResult result;
    runWithProgress(tr("Restoring the backup..."), [&] {
        result = m_appState->backupService()->importFromFile(path, DataSyncTexts::importModeFor(mode));
    });
    m_importButton->setEnabled(true);
    m_importButton->setText(tr("Import Backup"));

    // Deleted accounts may have come back, or gone.
    loadDeletedAccounts();
    const DataSyncTexts::Message message = DataSyncTexts::importMessage(result);
    showPlainMessage(this, message.icon, message.title, message.text);
    emit deletedAccountRestored();
}
