#pragma once

#include <QString>
#include <QTemporaryDir>

// A fresh data directory for one test: points LEDGERINE_DATA_DIR at a
// temporary folder for its lifetime and restores the previous value after,
// so no test ever reads or writes the user's real data.
class TestDataDir
{
public:
    TestDataDir();
    ~TestDataDir();

    TestDataDir(const TestDataDir&) = delete;
    TestDataDir& operator=(const TestDataDir&) = delete;

    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    // Writes a file of these bytes into the folder; its path.
    QString writeFile(const QString& name, const QByteArray& bytes) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
    bool m_hadPrevious = false;
};
