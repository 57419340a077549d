#pragma once

#include <QList>
#include <QRect>
#include <QSize>

// Where the window's controls and dialogs go on a screen whose fonts differ from the ones the
// window was designed with.
namespace placement {

// A control's designed place, cut at the client area's right and bottom edges so that its
// text and scroll bar stay inside the window; left and top are kept.
QRect withinArea(const QRect& designed, const QSize& area);

// The control's place, taller where it is shorter than one line of its font needs: it grows
// downward only, and no further than the top of the nearest control below it that it would
// overlap (`others`) or the client area's bottom. Never shorter than designed.
QRect grownToHold(const QRect& place, int neededHeight, const QList<QRect>& others,
                  const QSize& area);

// A window of `size` centred over its owner, moved as little as needed to lie on the screen;
// one larger than the screen keeps its top left corner on it.
QRect centredOver(const QSize& size, const QRect& owner, const QRect& screen);

} // namespace placement
