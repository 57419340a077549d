#include "placement/windowplace.h"

#include "placement/placement.h"
#include "settings/settingsfile.h"

#include <QStringList>

namespace placement {
namespace {

constexpr QLatin1String kX("Window/x");
constexpr QLatin1String kY("Window/y");
constexpr QLatin1String kWidth("Window/width");
constexpr QLatin1String kHeight("Window/height");
constexpr QLatin1String kMaximized("Window/maximized");
constexpr QLatin1String kTrue("true");
constexpr QLatin1String kFalse("false");

// No screen reaches this far: a number beyond it is damage, and keeping numbers this small
// keeps every sum of them within an int.
constexpr int kFarthest = 1'000'000;

// The piece of the window's top edge that must lie on a screen for a user to take it by.
constexpr QSize kGrip(48, 16);

// Compared without std::abs, which the least int has no positive value for.
bool withinReach(int coordinate) {
    return coordinate >= -kFarthest && coordinate <= kFarthest;
}

bool onScreen(const QRect& window, const QRect& screen) {
    const QRect topEdge(window.topLeft(), QSize(window.width(), kGrip.height()));
    const QRect seen = topEdge.intersected(screen);
    return seen.width() >= kGrip.width() && seen.height() >= kGrip.height();
}

} // namespace

std::optional<WindowPlace> savedWindowPlace(const SettingsFile& settings) {
    const int x = settings.intValue(kX, kFarthest + 1);
    const int y = settings.intValue(kY, kFarthest + 1);
    const int width = settings.intValue(kWidth, 0);
    const int height = settings.intValue(kHeight, 0);
    if (!withinReach(x) || !withinReach(y) || width <= 0 || height <= 0 || width > kFarthest ||
        height > kFarthest)
        return std::nullopt;
    return WindowPlace{QRect(x, y, width, height), settings.value(kMaximized) == kTrue};
}

void saveWindowPlace(SettingsFile& settings, const WindowPlace& place) {
    settings.setValue(kX, QString::number(place.normal.x()));
    settings.setValue(kY, QString::number(place.normal.y()));
    settings.setValue(kWidth, QString::number(place.normal.width()));
    settings.setValue(kHeight, QString::number(place.normal.height()));
    settings.setValue(kMaximized, place.maximized ? kTrue : kFalse);
}

QRect restoredPlace(const QRect& saved, const QSize& minimum, const QList<QRect>& screens) {
    QRect place(saved.topLeft(), saved.size().expandedTo(minimum));
    for (const QRect& screen : screens) {
        if (!onScreen(place, screen))
            continue;
        const QSize fitted = place.size().boundedTo(screen.size()).expandedTo(minimum);
        if (fitted == place.size())
            return place;
        // Shrunk to a smaller screen than it was left on: moved onto it as little as needed, so
        // no edge of the window lies beyond the screen.
        return centredOver(fitted, QRect(place.topLeft(), fitted), screen);
    }
    if (screens.isEmpty())
        return place;
    const QRect primary = screens.first();
    return centredOver(place.size().boundedTo(primary.size()).expandedTo(minimum), primary,
                       primary);
}

} // namespace placement
