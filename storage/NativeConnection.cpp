#include "storage/NativeConnection.h"

#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

namespace nativeconnection {

sqlite3* handle(const QSqlDatabase& db)
{
    const QVariant native = db.driver() ? db.driver()->handle() : QVariant();
    if (!native.isValid() || qstrcmp(native.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(native.constData());
}

bool inTransaction(const QSqlDatabase& db)
{
    sqlite3* connection = handle(db);
    return connection && sqlite3_get_autocommit(connection) == 0;
}

} // namespace nativeconnection
