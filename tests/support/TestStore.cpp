#include "tests/support/TestStore.h"

#include <QtGlobal>

TestStore::TestStore()
{
    if (!db.open())
        qFatal("cannot open the test database: %s", qPrintable(db.lastError()));
}
