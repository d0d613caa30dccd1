#pragma once

#include <QString>

// A new record's id: a random UUID without braces, the form every table and
// the sync service use.
QString newRecordId();
