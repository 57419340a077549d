#include "study/highlights.h"

namespace study {

QString colourWord(Colour colour) {
    switch (colour) {
    case Colour::Yellow:
        return QStringLiteral("yellow");
    case Colour::Green:
        return QStringLiteral("green");
    case Colour::Blue:
        return QStringLiteral("blue");
    case Colour::Pink:
        return QStringLiteral("pink");
    case Colour::Purple:
        return QStringLiteral("purple");
    }
    return {};
}

std::optional<Colour> colourNamed(QStringView word) {
    for (const Colour colour : kColours) {
        if (word.trimmed().compare(colourWord(colour), Qt::CaseInsensitive) == 0)
            return colour;
    }
    return std::nullopt;
}

// A line of the verse's whose colour is no word of the five is a person's own: it stays.
void highlight(MarkFile& file, const std::vector<scripture::Reference>& verses,
               std::optional<Colour> colour) {
    for (const scripture::Reference& verse : verses) {
        std::vector<std::size_t> marks = file.marksOn(verse);
        std::erase_if(marks,
                      [&](std::size_t mark) { return !colourNamed(file.marks()[mark].value); });
        if (colour && !marks.empty()) {
            file.setValue(marks.front(), colourWord(*colour));
            marks.erase(marks.begin());
        } else if (colour) {
            file.append(verse, colourWord(*colour));
        }
        // Removed from the last, so the earlier ones keep their numbers.
        for (auto mark = marks.rbegin(); mark != marks.rend(); ++mark)
            file.remove(*mark);
    }
}

std::map<int, Colour> chapterHighlights(const MarkFile& file, int book, int chapter) {
    std::map<int, Colour> colours;
    for (const MarkFile::Mark& mark : file.marks()) {
        const std::optional<Colour> colour = colourNamed(mark.value);
        if (colour && mark.verse.book == book && mark.verse.firstChapter == chapter)
            colours.try_emplace(mark.verse.firstVerse, *colour);
    }
    return colours;
}

} // namespace study
