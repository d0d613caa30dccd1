#include "storage/PreferencesRepository.h"

#include "storage/SqlStatement.h"

PreferencesRepository::PreferencesRepository(Database* database, QObject* parent)
    : QObject(parent)
    , m_database(database)
{
}

std::optional<QString> PreferencesRepository::get(const QString& key) const
{
    SqlStatement statement(m_database->connection(), QStringLiteral("SELECT value FROM preferences WHERE key = ?"),
                           "PreferencesRepository::get");
    if (!statement.bind(key).exec() || !statement.next())
        return std::nullopt;
    return statement.value(0).toString();
}

QString PreferencesRepository::getString(const QString& key, const QString& defaultValue) const
{
    return get(key).value_or(defaultValue);
}

bool PreferencesRepository::getBool(const QString& key, bool defaultValue) const
{
    const std::optional<QString> value = get(key);
    if (!value)
        return defaultValue;
    return *value == QLatin1String("1") || *value == QLatin1String("true");
}

int PreferencesRepository::getInt(const QString& key, int defaultValue) const
{
    const std::optional<QString> value = get(key);
    bool ok = false;
    const int number = value ? value->toInt(&ok) : 0;
    return ok ? number : defaultValue;
}

bool PreferencesRepository::set(const QString& key, const QString& value)
{
    SqlStatement statement(m_database->connection(),
                           QStringLiteral("INSERT INTO preferences (key, value) VALUES (?, ?) "
                                          "ON CONFLICT(key) DO UPDATE SET value = excluded.value"),
                           "PreferencesRepository::set");
    if (!statement.bind(key).bind(value.isNull() ? QStringLiteral("") : value).exec())
        return false;
    Q_EMIT changed(key);
    return true;
}

bool PreferencesRepository::setBool(const QString& key, bool value)
{
    return set(key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool PreferencesRepository::setInt(const QString& key, int value)
{
    return set(key, QString::number(value));
}

bool PreferencesRepository::remove(const QString& key)
{
    SqlStatement statement(m_database->connection(), QStringLiteral("DELETE FROM preferences WHERE key = ?"),
                           "PreferencesRepository::remove");
    return statement.bind(key).exec();
}
