#pragma once

#include "prefs/preferencesrecord.h"

#include <QList>
#include <QString>

class MessageBoxes;
class QWidget;

// The title of Display Fonts and of the messages it gives.
constexpr QLatin1String kFontDialogTitle("Display Fonts");

// Applies what the saved record asks to each display control; the rest keeps the control's
// font.
void applyFontRequest(const prefs::FontRequest& request, const QList<QWidget*>& controls);

// Tells that Pref.dat could not be written, and why.
void tellFontNotSaved(MessageBoxes& messages, const QString& error);
