#include "tests/support/TestDataDir.h"

#include <QtGlobal>

TestDataDir::TestDataDir()
    : m_previous(qgetenv("LEDGERINE_DATA_DIR"))
    , m_hadPrevious(qEnvironmentVariableIsSet("LEDGERINE_DATA_DIR"))
{
    qputenv("LEDGERINE_DATA_DIR", m_dir.path().toUtf8());
}

TestDataDir::~TestDataDir()
{
    if (m_hadPrevious)
        qputenv("LEDGERINE_DATA_DIR", m_previous);
    else
        qunsetenv("LEDGERINE_DATA_DIR");
}
