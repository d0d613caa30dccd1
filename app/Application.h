#pragma once

#include <QApplication>

// The Qt application object with Ledgerine's names, icon, icon font and
// translations, and the start-up that builds the state and the main window.
class Application : public QApplication
{
    Q_OBJECT

public:
    Application(int& argc, char** argv);

    // Builds AppState and the main window and runs the event loop until the
    // last window closes; the process's exit code. When the database cannot
    // be used it says why in a message box and gives 1; so it does when
    // another copy runs on the same data folder, after asking that copy to
    // show its window.
    int run();

    // The family of the embedded icon font; empty when it failed to load.
    QString iconFontFamily() const { return m_iconFontFamily; }

private:
    void loadIconFont();
    void reportDatabaseFailure(const QString& cause);
    void reportAlreadyRunning();

    QString m_iconFontFamily;
};
