#pragma once

#include "reading/readingplace.h"

#include <optional>

class SettingsFile;
class VerseText;

// Where the program opens: the chapter last read, its top line where it was, beside the page
// (search or favorites) that was showing. Kept in the settings file, never in BkMrk.dat, which
// holds the user's own bookmark.
namespace reading {

struct StartPlace {
    // The chapter to show, or none for the welcome text: at the first start, when the
    // instructions or the welcome text were shown last, and when Bible.dat no longer holds
    // the chapter.
    std::optional<ReadingPlace> place;
    bool searchPageShown = false;
    // The favourites subject last shown, by name; empty for none.
    QString subject;
    // The text read, by name (a module's); empty for Bible.dat.
    QString text;
};

// What the settings say to open; a damaged or missing value opens as the first start does.
StartPlace savedStartPlace(const SettingsFile& settings);
// The place as the text holds it now: nothing when Bible.dat no longer holds the chapter; a top
// line past the chapter's end is its end.
std::optional<ReadingPlace> placeInText(const ReadingPlace& place, const VerseText& text);

// What the window shows as it closes, for the next start.
void keepStartPlace(SettingsFile& settings, const StartPlace& shown);

} // namespace reading
