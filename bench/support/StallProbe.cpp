#include "bench/support/StallProbe.h"

#include <QtGlobal>

namespace {

constexpr int kProbeIntervalMs = 10;

} // namespace

StallProbe::StallProbe()
{
    m_timer.setInterval(kProbeIntervalMs);
    // Ticks between actions are not the window's to answer for.
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        if (m_sinceTick.isValid())
            m_longestMs = qMax(m_longestMs, m_sinceTick.restart());
    });
    m_timer.start();
}

void StallProbe::start() { m_sinceTick.start(); }

void StallProbe::stop()
{
    m_longestMs = qMax(m_longestMs, m_sinceTick.elapsed());
    m_sinceTick.invalidate();
}
