#pragma once

// Makes each name of the Display Fonts list show in the installed family that stands in for
// it, where the system lacks the name itself, instead of whatever the system would pick.
void substituteMissingFonts();
