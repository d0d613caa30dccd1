#pragma once

#include "storage/AccountRepository.h"
#include "storage/CategoryRepository.h"
#include "storage/Database.h"
#include "storage/PreferencesRepository.h"
#include "storage/ReconciliationRepository.h"
#include "storage/RecurringRepository.h"
#include "storage/SplitLineRepository.h"
#include "storage/TransactionRepository.h"
#include "tests/support/TestDataDir.h"

// A fresh, migrated database in a temporary data directory, with every
// repository on it. Members are declared in the order they must be torn
// down in reverse: the repositories keep prepared statements on the
// database's connection.
struct TestStore
{
    TestStore();

    TestDataDir dir;
    Database db;
    AccountRepository accounts{&db};
    TransactionRepository transactions{&db};
    CategoryRepository categories{&db};
    SplitLineRepository splitLines{&db};
    RecurringRepository recurring{&db};
    ReconciliationRepository reconciliations{&db};
    PreferencesRepository preferences{&db};
};
