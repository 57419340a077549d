#pragma once

#include "prefs/preferencesrecord.h"

class FrmBible;
class QWidget;
struct Platform;

// The display font at start-up: Pref.dat is created with the default record when missing
// (an existing file is never rewritten), then read and applied to the display controls.
namespace preferences {

void writeDefaultIfMissing(Platform& platform);
void applySavedFont(Platform& platform, FrmBible& window);

// Applies what the request gives to each control; the rest keeps the control's font.
void applyRequest(const FontRequest& request, const QList<QWidget*>& controls);

} // namespace preferences
