#pragma once

#include <QList>
#include <QRect>

#include <optional>

class SettingsFile;

// Where the main window was left, kept from one run to the next in the settings file.
namespace placement {

struct WindowPlace {
    QRect normal;           // the frame's top left corner, the size inside the frame
    bool maximized = false; // shown maximized over the screen the normal place is on
};

// The place the settings hold; nothing when a number is missing, not a number or far beyond
// any screen (a damaged file), so that the window opens as it does the first time.
std::optional<WindowPlace> savedWindowPlace(const SettingsFile& settings);
void saveWindowPlace(SettingsFile& settings, const WindowPlace& place);

// Where a saved window goes on the screens there are now (their free areas, the primary
// first): where it was, as long as enough of its top edge lies on one screen to take it by;
// otherwise, as after a screen was removed, centred on the primary screen. It is never smaller
// than the minimum, nor larger than the screen it lands on when that allows the minimum.
QRect restoredPlace(const QRect& saved, const QSize& minimum, const QList<QRect>& screens);

} // namespace placement
