#include "placement/placement.h"

#include <algorithm>

namespace placement {
namespace {

constexpr int kTwipsPerPixel = 15;

// Which part of the extra room a control's edge moves by, or its size grows by.
enum class Share {
    None,
    ReadingWidth,  // half the extra width, the reading area's
    PageWidth,     // the rest of it, the page column's
    LookupHeight,  // a quarter of the extra height, the looked-up verses'
    SubjectHeight, // the rest of it, the subject text's
    Height,        // all of the extra height
};

struct DesignedControl {
    const char* name;
    QRect twips; // left, top, width, height
    Share moveRight, widen, moveDown, lengthen;
};

// The captions of the favorites page end a pixel short of their design, which ran them into the
// box beside them; their words end well before.
using enum Share;
const DesignedControl kControls[] = {
    {"Label1", {120, 120, 1575, 255}, None, None, None, None},
    {"ComboBooks", {1800, 120, 1815, 315}, None, None, None, None},
    {"ComboChapter", {3720, 120, 975, 315}, None, None, None, None},
    {"TextVerses", {120, 480, 4455, 5325}, None, ReadingWidth, None, Height},
    {"Label2", {4800, 120, 1695, 255}, ReadingWidth, None, None, None},
    {"TextSearch", {6600, 120, 2535, 645}, ReadingWidth, PageWidth, None, None},
    {"ComboSearch", {4680, 480, 1815, 315}, ReadingWidth, None, None, None},
    {"ListVerse", {4680, 960, 4455, 4935}, ReadingWidth, PageWidth, None, Height},
    {"Label4", {4800, 120, 1560, 255}, ReadingWidth, None, None, None},
    {"ComboBookFavorites", {6360, 120, 1695, 315}, ReadingWidth, None, None, None},
    {"TextVersesFavorites", {8160, 120, 975, 285}, ReadingWidth, PageWidth, None, None},
    {"TextFavorites", {5400, 480, 4455, 735}, ReadingWidth, PageWidth, None, LookupHeight},
    {"Label3", {4680, 1320, 720, 255}, ReadingWidth, None, LookupHeight, None},
    {"ComboCategory", {5400, 1320, 2535, 315}, ReadingWidth, None, LookupHeight, None},
    {"CommandAddFavorite", {8040, 1320, 1095, 375}, ReadingWidth, None, LookupHeight, None},
    {"TextFavoritesList",
     {4680, 1800, 4455, 3975},
     ReadingWidth,
     PageWidth,
     LookupHeight,
     SubjectHeight},
};

// The frame's right and bottom lines, in twips.
constexpr QPoint kFrameCorner(9240, 6000);

QRect pixels(const QRect& twips) {
    return {twips.left() / kTwipsPerPixel, twips.top() / kTwipsPerPixel,
            twips.width() / kTwipsPerPixel, twips.height() / kTwipsPerPixel};
}

} // namespace

QMap<QString, QRect> windowLayout(const QSize& area) {
    const QSize room = area.expandedTo(kDesignedArea);
    const int extraWidth = room.width() - kDesignedArea.width();
    const int extraHeight = room.height() - kDesignedArea.height();
    const auto share = [&](Share part) {
        switch (part) {
        case None:
            return 0;
        case ReadingWidth:
            return extraWidth / 2;
        case PageWidth:
            return extraWidth - extraWidth / 2;
        case LookupHeight:
            return extraHeight / 4;
        case SubjectHeight:
            return extraHeight - extraHeight / 4;
        case Height:
            return extraHeight;
        }
        return 0;
    };
    QMap<QString, QRect> layout;
    for (const DesignedControl& control : kControls) {
        QRect place = pixels(control.twips);
        place.translate(share(control.moveRight), share(control.moveDown));
        place.setSize(place.size() + QSize(share(control.widen), share(control.lengthen)));
        layout.insert(QLatin1String(control.name), withinArea(place, room));
    }
    return layout;
}

QPoint frameCorner(const QSize& area) {
    const QSize extra = area.expandedTo(kDesignedArea) - kDesignedArea;
    return kFrameCorner / kTwipsPerPixel + QPoint(extra.width(), extra.height());
}

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
