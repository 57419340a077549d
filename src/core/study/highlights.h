#pragma once

#include "study/markfile.h"

#include <array>
#include <map>
#include <optional>

// Highlighted verses, kept in their own file by reference, so that they show in every text: each
// verse in one of five colours, named in the file by its English word ("yellow").
namespace study {

enum class Colour { Yellow, Green, Blue, Pink, Purple };
inline constexpr std::array kColours = {Colour::Yellow, Colour::Green, Colour::Blue, Colour::Pink,
                                        Colour::Purple};

QString colourWord(Colour colour);
// The colour a word names, in any letter case; nothing for any other word.
std::optional<Colour> colourNamed(QStringView word);

// Gives each verse the colour, or with none clears it: a verse keeps one line in the file.
void highlight(MarkFile& file, const std::vector<scripture::Reference>& verses,
               std::optional<Colour> colour);

// The colour of each highlighted verse of a chapter, by verse number; the first line of a verse
// counts when a person wrote it twice.
std::map<int, Colour> chapterHighlights(const MarkFile& file, int book, int chapter);

} // namespace study
