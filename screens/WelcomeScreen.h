#pragma once

#include <QList>
#include <QWidget>

class AppState;
class QLabel;
class QPushButton;

// The page shown when there is no account to show and nobody is signed in.
// It only asks: its buttons emit signals and the main window acts on them.
class WelcomeScreen : public QWidget
{
    Q_OBJECT

public:
    explicit WelcomeScreen(AppState* appState, QWidget* parent = nullptr);
    ~WelcomeScreen() override;

    // Switches between the first-run texts and those greeting a returning
    // user whose session has ended.
    void setHasSignedInBefore(bool signedInBefore);

public Q_SLOTS:
    // Recomputes every colour and style sheet of the page for the current
    // palette and accent colour.
    void applyThemeColors();

Q_SIGNALS:
    void createAccountRequested();
    void signInRequested();

private:
    QWidget* buildHowItWorksCard();
    QWidget* buildStepRow(int number, const QString& text);

    AppState* m_appState = nullptr;
    QLabel* m_titleLabel = nullptr;
    QLabel* m_subtitleLabel = nullptr;
    QLabel* m_sessionEndedLabel = nullptr;
    QWidget* m_howItWorksCard = nullptr;
    QPushButton* m_createAccountButton = nullptr;
    QPushButton* m_signInButton = nullptr;
    QLabel* m_offlineNoteLabel = nullptr;
    QList<QLabel*> m_stepNumberLabels;
    bool m_signedInBefore = false;
};
