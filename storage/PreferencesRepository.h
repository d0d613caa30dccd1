#pragma once

#include "storage/Database.h"

#include <QObject>
#include <QString>

#include <optional>

// Key and text value settings that belong with the data (and travel with the
// database), as opposed to the per-user Qt settings store.
class PreferencesRepository : public QObject
{
    Q_OBJECT

public:
    static constexpr const char* kSyncCursorKey = "syncCursor";

    explicit PreferencesRepository(Database* database, QObject* parent = nullptr);

    std::optional<QString> get(const QString& key) const;
    QString getString(const QString& key, const QString& defaultValue = {}) const;
    // "1" and "true" are true, any other stored text false.
    bool getBool(const QString& key, bool defaultValue) const;
    // The stored number, or the default when absent or not a number.
    int getInt(const QString& key, int defaultValue) const;

    bool set(const QString& key, const QString& value);
    bool setBool(const QString& key, bool value);
    bool setInt(const QString& key, int value);
    // Removes the key without a signal.
    bool remove(const QString& key);

Q_SIGNALS:
    void changed(const QString& key);

private:
    Database* m_database;
};
