#include "study/notelines.h"

#include "favorites/subjectfiles.h"
#include "storage/filesystem.h"
#include "study/notenames.h"

#include <algorithm>
#include <climits>
#include <tuple>

namespace study {

QByteArray notesAsVerseLines(const SubjectFiles& notes) {
    struct Note {
        std::tuple<int, int, int> order; // books' order; a file that names no verse last
        QString heading;
        QString name;
    };
    std::vector<Note> listed;
    for (const QString& name : notes.subjectNames()) {
        const std::optional<scripture::Reference> verse = noteVerse(name);
        listed.push_back({verse ? std::tuple(verse->book, verse->firstChapter, verse->firstVerse)
                                : std::tuple(INT_MAX, 0, 0),
                          verse ? verse->formatted() : name, name});
    }
    std::stable_sort(listed.begin(), listed.end(),
                     [](const Note& a, const Note& b) { return a.order < b.order; });
    QByteArray lines = FileSystem::kUtf8ByteOrderMark;
    for (const Note& note : listed) {
        for (const QString& line : FileSystem::splitLines(notes.load(note.name).text())) {
            if (!line.isEmpty())
                lines += (note.heading + QStringLiteral("  ") + line).toUtf8() + '\n';
        }
    }
    return lines;
}

} // namespace study
