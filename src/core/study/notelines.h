#pragma once

#include <QByteArray>

class SubjectFiles;

// The notes as a text in the form of a scripture text's verse lines, which the search reads and a
// terminal shows: each line of a note after its verse's reference and two spaces ("Romans 8:28
// Called..."), the notes in the books' order, empty lines left out. A note whose file names no
// verse comes last, under its file's name. UTF-8 behind its byte-order mark, one line feed a
// line.
namespace study {

QByteArray notesAsVerseLines(const SubjectFiles& notes);

} // namespace study
