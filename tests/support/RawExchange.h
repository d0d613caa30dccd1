#pragma once

#include <QByteArray>

// Sends `request` as it is to 127.0.0.1:`port`, runs the event loop until the
// other side closes the connection (5 s at most) and gives back everything it
// answered. `refused`, when given, tells whether the connection was refused.
QByteArray exchangeRaw(quint16 port, const QByteArray& request, bool* refused = nullptr);
