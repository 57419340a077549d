#include "placement/placement.h"

#include <algorithm>

namespace placement {

QRect withinArea(const QRect& designed, const QSize& area) {
    QRect fitted = designed;
    fitted.setRight(std::min(designed.right(), area.width() - 1));
    fitted.setBottom(std::min(designed.bottom(), area.height() - 1));
    return fitted;
}

QRect grownToHold(const QRect& place, int neededHeight, const QList<QRect>& others,
                  const QSize& area) {
    if (place.height() >= neededHeight)
        return place;
    int limit = area.height(); // the first row the control may not cover
    for (const QRect& other : others) {
        const bool beside = other.left() <= place.right() && other.right() >= place.left();
        const bool below = other.top() > place.bottom();
        if (beside && below)
            limit = std::min(limit, other.top());
    }
    const int height = std::max(place.height(), std::min(neededHeight, limit - place.top()));
    return {place.left(), place.top(), place.width(), height};
}

QRect centredOver(const QSize& size, const QRect& owner, const QRect& screen) {
    QRect placed(QPoint(), size);
    placed.moveCenter(owner.center());
    // Right and bottom first, so a window larger than the screen ends at its top left.
    placed.moveRight(std::min(placed.right(), screen.right()));
    placed.moveBottom(std::min(placed.bottom(), screen.bottom()));
    placed.moveLeft(std::max(placed.left(), screen.left()));
    placed.moveTop(std::max(placed.top(), screen.top()));
    return placed;
}

} // namespace placement
