#pragma once

#include "prefs/preferencesrecord.h"

#include <QList>

class QWidget;

// Applies what the saved record asks to each display control; the rest keeps the control's
// font.
void applyFontRequest(const prefs::FontRequest& request, const QList<QWidget*>& controls);
