#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

// The windows' design units: places given in twips (1/1440 inch), the design font, and the
// captions written in it.
namespace design {

inline constexpr int kTwipsPerPixel = 15;

// A place given in twips, in pixels.
QRect twips(int left, int top, int width, int height);

// MS Sans Serif 8.25 pt, the font every control of the two windows is designed in.
QFont font(bool bold = false);

// A caption in the design font, named as designed and placed.
QLabel* label(QWidget* parent, const char* name, const QString& caption, const QRect& place,
              bool bold = false);

} // namespace design
