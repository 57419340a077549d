#pragma once

#include "prefs/preferencesrecord.h"

#include <QList>

class QWidget;

namespace preferences {

// Applies what the saved record asks to each display control; the rest keeps the control's
// font.
void applyRequest(const FontRequest& request, const QList<QWidget*>& controls);

} // namespace preferences
