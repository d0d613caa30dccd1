#pragma once

#include <limits>

// The version an edit gives a record. It stops at the largest int rather
// than wrap to a negative number, which the sync service would take for an
// older record than the one it holds.
inline int nextRecordVersion(int version)
{
    return version < std::numeric_limits<int>::max() ? version + 1 : version;
}
