#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>

class AppState;

// The application's state over a database of its own in a temporary
// folder, as the windows under benchmark use it. Stops the run when the
// database cannot be opened.
class BenchAppState
{
public:
    BenchAppState();
    ~BenchAppState();

    AppState* get() const { return m_state.get(); }
    // A path in the temporary folder, for files the benchmark writes.
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<AppState> m_state;
};
