#pragma once

#include <QString>

class MessageBoxes;

// The title of Display Fonts and of the messages it gives.
constexpr QLatin1String kFontDialogTitle("Display Fonts");

// Tells that Pref.dat could not be written, and why.
void tellFontNotSaved(MessageBoxes& messages, const QString& error);
