#include "controls/design.h"

#include <QLabel>

namespace design {

QRect twips(int left, int top, int width, int height) {
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
            height / kTwipsPerPixel};
}

QFont font(bool bold) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

QLabel* label(QWidget* parent, const char* name, const QString& caption, const QRect& place,
              bool bold) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    label->setFont(font(bold));
    return label;
}

} // namespace design
