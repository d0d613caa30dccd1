#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Where a window of its own opens and how large: within the area its screen
// leaves to windows (never under a panel or past an edge), its frame counted
// in, over the window it was opened from.
class WindowPlacement
{
public:
    // The frame of a window whose contents want `wanted`, need at least
    // `minimum`, and have `frame` around them: as large as wanted where
    // `area` allows, centred on `centre` and moved wholly into `area`. A
    // window whose minimum is larger than the area keeps its minimum, with
    // its title bar and left edge within the area.
    static QRect frameWithin(const QSize& wanted, const QSize& minimum, const QMargins& frame, const QRect& area,
                             const QPoint& centre);

    // Resizes and moves a window about to be shown: over `near` (on its
    // screen) or, without it, in the middle of its own screen.
    static void place(QWidget* window, const QSize& wanted, const QWidget* near = nullptr);

    // The largest size up to `wanted` that the window, with its frame, has
    // room for on the screen it opens on (its parent's, when it has one).
    static QSize fitted(const QSize& wanted, const QWidget* window);

    // What the window system puts around a window's contents: as around
    // `shown` when it is shown, else room for a title bar and borders.
    static QMargins frameMargins(const QWidget* shown);
};
