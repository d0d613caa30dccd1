#pragma once

#include <QElapsedTimer>
#include <QTimer>

// The longest time a window's event loop goes without answering while the
// user's actions run: a timer ticking every 10 ms records the longest gap
// between its ticks, the start of each action counting as a tick and its
// end as the last.
class StallProbe
{
public:
    StallProbe();

    void start();
    void stop();
    qint64 longestMs() const { return m_longestMs; }

private:
    QTimer m_timer;
    QElapsedTimer m_sinceTick;
    qint64 m_longestMs = 0;
};
