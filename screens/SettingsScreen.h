#pragma once

#include <QColor>
#include <QList>
#include <QWidget>

#include <functional>

class AccountEditor;
class AppState;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;

// The preferences window: a sidebar of four pages (General, Register, Data &
// Sync, About). Every control on General and Register stores its value the
// moment it changes and applies it at once; there is no OK or Apply. Data &
// Sync shows who is signed in and the sync state, starts a sync or a full
// resync, writes and restores backup files and brings back deleted
// accounts. The values live in the preferences alone: the window keeps no
// copy, and building it writes nothing. Ctrl+Page Down and Ctrl+Page Up
// (or Ctrl+Tab and Ctrl+Shift+Tab) change the page from the keyboard.
class SettingsScreen : public QWidget
{
    Q_OBJECT

public:
    explicit SettingsScreen(AppState* appState, QWidget* parent = nullptr);
    ~SettingsScreen() override;

    // Brings the Data & Sync page up to date; the main window calls it every
    // time it shows the window.
    void refresh();

Q_SIGNALS:
    // An account came back, or a backup was restored: the account list is stale.
    void deletedAccountRestored();

protected:
    void changeEvent(QEvent* event) override;

private Q_SLOTS:
    void onCategoryChanged(int row);
    void onThemeChanged(int index);
    void onFontScaleChanged(int index);
    void onWeekStartChanged(int index);
    void onLanguageChanged(int index);
    void onRegisterOrderChanged(bool checked);
    void onTwoLineModeChanged(bool checked);
    void onAutoDecimalChanged(bool checked);
    void onAccentChanged(const QColor& color);
    void openAccentDialog();
    void restoreSelectedAccount();
    // Recolours what this window draws itself for the current palette and accent.
    void applyThemeColors();

private:
    QWidget* createGeneralPage();
    QWidget* createRegisterPage();
    QWidget* createDataSyncPage();
    QWidget* createAboutPage();
    QWidget* createSectionHeader(const QString& title, const QString& subtitle);
    QWidget* createSeparator();
    QLabel* createHint(const QString& text);
    void addFormRow(QFormLayout* form, const QString& text, QWidget* field);
    // Widths that follow the font: the sidebar's, the General page's label
    // column and the least width of the pages.
    void fitToFont();
    void styleSwatchButton(QPushButton* button, const QColor& color, bool selected);
    void showPageAfter(int step);

    void loadDeletedAccounts();
    // Who is signed in, the sync state and the last sync; the sync buttons
    // only while signed in.
    void showSyncStatus();
    void fetchUserNameIfUnknown();
    void syncNow();
    void forceFullSync();
    void onSyncStateChanged();
    void updateSyncButtons();
    void exportBackup();
    void importBackup();
    // Runs a backup export or restore under a progress dialog that blocks
    // this window and the main window but keeps them painting.
    void runWithProgress(const QString& label, const std::function<void()>& work);

    AppState* m_appState;
    QListWidget* m_sidebar = nullptr;
    QStackedWidget* m_stack = nullptr;

    QComboBox* m_themeCombo = nullptr;
    QPushButton* m_accentButton = nullptr;
    QComboBox* m_fontSizeCombo = nullptr;
    QComboBox* m_weekStartCombo = nullptr;
    QComboBox* m_languageCombo = nullptr;

    QCheckBox* m_newestFirstCheck = nullptr;
    QCheckBox* m_twoLineCheck = nullptr;
    QCheckBox* m_autoDecimalCheck = nullptr;

    QLabel* m_accountLabel = nullptr;
    QLabel* m_lastSyncLabel = nullptr;
    QLabel* m_notReadableLabel = nullptr;
    QPushButton* m_syncNowButton = nullptr;
    QPushButton* m_forceSyncButton = nullptr;
    QWidget* m_syncButtonRow = nullptr;
    QWidget* m_deletedSection = nullptr;
    QListWidget* m_deletedList = nullptr;
    QPushButton* m_restoreButton = nullptr;
    QPushButton* m_exportButton = nullptr;
    QPushButton* m_importButton = nullptr;

    QLabel* m_versionLabel = nullptr;
    // Recoloured with the theme.
    QList<QWidget*> m_separators;
    // The label column of both General forms, one width.
    QList<QLabel*> m_formLabels;

    AccountEditor* m_accountEditor;
    // Set from "Sync Now" or "Force Full Sync" until the pass they started
    // ends, which then refreshes the page.
    bool m_awaitingSync = false;
};
