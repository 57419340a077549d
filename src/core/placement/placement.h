#pragma once

#include "placement/designnames.h"

#include <QList>
#include <QMap>
#include <QRect>
#include <QSize>
#include <QString>

// Where the window's controls and dialogs go: at any size of the main window, and on a screen
// whose fonts differ from the ones the window was designed with.
namespace placement {

// The main window's client area as designed, in pixels: the smallest it may be.
inline constexpr QSize kDesignedArea(619, 404);

// Every control of the main window in a client area of that size. At the
// designed size each is where the design puts it. Extra room is shared by the columns: half of
// the extra width widens the reading area and moves the page column right, the other half
// widens the page column's text boxes and lists; the extra height lengthens the reading area,
// the result list and the subject text, a quarter of it going to the looked-up verses above
// the subject (which moves the subject's row down by as much). Labels, combo boxes and the
// button keep their size. A smaller area is laid out as the designed one.
QMap<Control, QRect> windowLayout(const QSize& area);

// The bottom right corner of the frame drawn along the client area's edges.
QPoint frameCorner(const QSize& area);

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
