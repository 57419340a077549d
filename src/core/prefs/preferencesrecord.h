#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Pref.dat: font name, style word, size, one per line.
namespace prefs {

// Font name, style word, size: readers read no further.
constexpr qsizetype kRecordLines = 3;

// What the three lines ask of the display font. An attribute that a line cannot give
// (a missing line, a size that is not a number) is left out and keeps the design font.
struct FontRequest {
    std::optional<QString> family;
    bool bold = false;   // only ever switches bold on
    bool italic = false; // only ever switches italic on
    std::optional<double> pointSize;
};

// Start-up reading: the style by substring ("Italic Bold" is both), the size by the locale's
// number conversion.
FontRequest requestFromLines(const QStringList& lines);

// The size text as a number of points, when it is one.
std::optional<double> parseSize(const QString& text);

// The record the dialog saves: each line followed by CR LF.
QString savedRecord(const QString& font, const QString& style, const QString& size);

// The Display Fonts dialog's three fixed lists, in their order. The font list is not asked of
// the system: a name it lacks is shown in the system's substitute.
QStringList fontNames();
QStringList styleWords();
QStringList sizes();

// The next size of the list larger (a positive step) or smaller (a negative one) than the size
// shown; nothing beyond the list's ends.
std::optional<QString> steppedSize(double shown, int step);

// The dialog's reading of a style: the exact word, case included, or no style at all.
struct Style {
    bool bold = false;
    bool italic = false;
};
std::optional<Style> styleFromWord(const QString& word);

} // namespace prefs
