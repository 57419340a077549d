#include "placement/placement.h"

#include <algorithm>

namespace placement {
namespace {

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
    Control control;
    QRect place; // as designed, in pixels (15 twips each)
    Share moveRight, widen, moveDown, lengthen;
};

// The captions of the favorites page end a pixel short of their design, which ran them into the
// box beside them; their words end well before.
using enum Share;
const DesignedControl kControls[] = {
    {Control::Label1, {8, 8, 105, 17}, None, None, None, None},
    {Control::ComboBooks, {120, 8, 121, 21}, None, None, None, None},
    {Control::ComboChapter, {248, 8, 65, 21}, None, None, None, None},
    {Control::TextVerses, {8, 32, 297, 355}, None, ReadingWidth, None, Height},
    {Control::Label2, {320, 8, 113, 17}, ReadingWidth, None, None, None},
    {Control::TextSearch, {440, 8, 169, 43}, ReadingWidth, PageWidth, None, None},
    {Control::ComboSearch, {312, 32, 121, 21}, ReadingWidth, None, None, None},
    {Control::ListVerse, {312, 64, 297, 329}, ReadingWidth, PageWidth, None, Height},
    {Control::Label4, {320, 8, 104, 17}, ReadingWidth, None, None, None},
    {Control::ComboBookFavorites, {424, 8, 113, 21}, ReadingWidth, None, None, None},
    {Control::TextVersesFavorites, {544, 8, 65, 19}, ReadingWidth, PageWidth, None, None},
    {Control::TextFavorites, {360, 32, 297, 49}, ReadingWidth, PageWidth, None, LookupHeight},
    {Control::Label3, {312, 88, 48, 17}, ReadingWidth, None, LookupHeight, None},
    {Control::ComboCategory, {360, 88, 169, 21}, ReadingWidth, None, LookupHeight, None},
    {Control::CommandAddFavorite, {536, 88, 73, 25}, ReadingWidth, None, LookupHeight, None},
    {Control::TextFavoritesList,
     {312, 120, 297, 265},
     ReadingWidth,
     PageWidth,
     LookupHeight,
     SubjectHeight},
};

// Where the frame's right and bottom lines meet at the designed size.
constexpr QPoint kFrameCorner(616, 400);

} // namespace

QMap<Control, QRect> windowLayout(const QSize& area) {
    const QSize room = area.expandedTo(kDesignedArea);
    const int extraWidth = room.width() - kDesignedArea.width();
    const int extraHeight = room.height() - kDesignedArea.height();
    // Indexed by Share.
    const int shares[] = {0,
                          extraWidth / 2,
                          extraWidth - extraWidth / 2,
                          extraHeight / 4,
                          extraHeight - extraHeight / 4,
                          extraHeight};
    const auto share = [&](Share part) { return shares[static_cast<int>(part)]; };
    QMap<Control, QRect> layout;
    for (const DesignedControl& control : kControls) {
        QRect place = control.place;
        place.translate(share(control.moveRight), share(control.moveDown));
        place.setSize(place.size() + QSize(share(control.widen), share(control.lengthen)));
        layout.insert(control.control, withinArea(place, room));
    }
    return layout;
}

QPoint frameCorner(const QSize& area) {
    const QSize extra = area.expandedTo(kDesignedArea) - kDesignedArea;
    return kFrameCorner + QPoint(extra.width(), extra.height());
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
