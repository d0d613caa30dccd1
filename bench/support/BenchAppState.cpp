#include "bench/support/BenchAppState.h"

#include "appstate/AppState.h"

BenchAppState::BenchAppState()
{
    qputenv("LEDGERINE_DATA_DIR", m_dir.path().toUtf8());
    m_state = std::make_unique<AppState>();
    if (!m_state->initialize())
        qFatal("cannot open the benchmark database");
}

BenchAppState::~BenchAppState() = default;
