#include "appstate/WindowPlacement.h"

#include <QApplication>
#include <QFontMetrics>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace {

QScreen* screenOf(const QWidget* window)
{
    const QWidget* owner = window->parentWidget() ? window->parentWidget()->window() : window;
    QScreen* screen = owner->screen();
    return screen ? screen : QApplication::primaryScreen();
}

QSize minimumOf(const QWidget* window)
{
    return window->minimumSize().expandedTo(window->minimumSizeHint());
}

} // namespace

QRect WindowPlacement::frameWithin(const QSize& wanted, const QSize& minimum, const QMargins& frame,
                                   const QRect& area, const QPoint& centre)
{
    const QSize room = area.size().shrunkBy(frame);
    const QSize contents = wanted.boundedTo(room).expandedTo(minimum);
    QRect placed(QPoint(), contents.grownBy(frame));
    placed.moveCenter(centre);
    // Past the right or bottom edge first, so that a window larger than the
    // area keeps its title bar and left edge in reach.
    placed.moveRight(std::min(placed.right(), area.right()));
    placed.moveBottom(std::min(placed.bottom(), area.bottom()));
    placed.moveLeft(std::max(placed.left(), area.left()));
    placed.moveTop(std::max(placed.top(), area.top()));
    return placed;
}

void WindowPlacement::place(QWidget* window, const QSize& wanted, const QWidget* near)
{
    QScreen* screen = near ? near->screen() : screenOf(window);
    if (!screen)
        screen = QApplication::primaryScreen();
    const QRect area = screen->availableGeometry();
    const QMargins frame = frameMargins(near ? near : window);
    const QPoint centre = near ? near->frameGeometry().center() : area.center();
    const QRect placed = frameWithin(wanted, minimumOf(window), frame, area, centre);
    window->resize(placed.size().shrunkBy(frame));
    // A window's position is that of its frame.
    window->move(placed.topLeft());
}

QSize WindowPlacement::fitted(const QSize& wanted, const QWidget* window)
{
    const QScreen* screen = screenOf(window);
    if (!screen)
        return wanted;
    const QWidget* owner = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    const QSize room = screen->availableGeometry().size().shrunkBy(frameMargins(owner));
    return wanted.boundedTo(room).expandedTo(minimumOf(window));
}

QMargins WindowPlacement::frameMargins(const QWidget* shown)
{
    if (shown && shown->isVisible() && shown->isWindow()) {
        const QRect inner = shown->geometry();
        const QRect outer = shown->frameGeometry();
        if (outer != inner)
            return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                            outer.bottom() - inner.bottom());
    }
    // Not shown yet, its decorations are unknown: room for a title bar and
    // borders keeps every edge on the screen. Desktops draw title bars about
    // two lines of text high, taller than the style's own.
    const QStyle* style = QApplication::style();
    const int titleBar =
        std::max(style->pixelMetric(QStyle::PM_TitleBarHeight), 2 * QFontMetrics(QApplication::font()).height());
    const int border = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    return QMargins(border, titleBar, border, border);
}
