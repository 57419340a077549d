#include "reading/highlightcommands.h"

#include "controls/textbox.h"
#include "reading/readingarea.h"
#include "reading/readingmarks.h"
#include "scripture/bookcatalogue.h"
#include "scripture/versespans.h"
#include "services/messageboxes.h"
#include "text/linebreak.h"

#include <QAction>
#include <QPalette>

namespace {

constexpr qreal kTintShare = 0.4;

int hueOf(study::Colour colour) {
    switch (colour) {
    case study::Colour::Yellow:
        return 56;
    case study::Colour::Green:
        return 120;
    case study::Colour::Blue:
        return 195;
    case study::Colour::Pink:
        return 330;
    case study::Colour::Purple:
        return 275;
    }
    return 0;
}

} // namespace

HighlightCommands::HighlightCommands(const QList<QAction*>& colours, QAction* clear,
                                     ReadingArea& reading, study::MarkStore& store,
                                     MessageBoxes& messages)
    : m_reading(reading)
    , m_store(store)
    , m_messages(messages) {
    for (qsizetype at = 0; at < colours.size(); ++at)
        connect(colours[at], &QAction::triggered, this,
                [this, colour = study::kColours[std::size_t(at)]] { highlight(colour); });
    connect(clear, &QAction::triggered, this, [this] { highlight(std::nullopt); });
    connect(&reading, &ReadingArea::chapterShown, this, &HighlightCommands::showIn);
}

QColor HighlightCommands::tint(study::Colour colour, const QPalette& palette) {
    return ReadingMarks::tint(palette, QColor::fromHsv(hueOf(colour), 255, 255), kTintShare);
}

void HighlightCommands::highlight(std::optional<study::Colour> colour) {
    const std::vector<scripture::Reference> verses = m_reading.versesSelected();
    if (verses.empty())
        return;
    const FileSystem::Result changed =
        m_store.change([&](study::MarkFile& file) { study::highlight(file, verses, colour); });
    if (!changed.ok)
        m_messages.ask(QStringLiteral("The highlights could not be saved.") + text::kCrLf +
                           changed.error,
                       MessageBoxes::OkOnly, QStringLiteral("Highlight"));
    if (const std::optional<reading::ReadingPlace> shown = m_reading.shownPlace())
        showIn(shown->chapter);
}

// A file that cannot be read draws no highlight: reading goes on.
void HighlightCommands::showIn(const scripture::ChapterPlace& chapter) {
    const std::optional<int> book = scripture::catalogueIndex(chapter.book);
    const study::MarkStore::Read read = m_store.read();
    if (!book || !read.ok)
        return;
    const std::map<int, study::Colour> colours =
        study::chapterHighlights(read.file, *book, chapter.chapter);
    TextBox& text = m_reading.readingText();
    std::vector<ReadingMarks::Highlight> highlights;
    for (const scripture::VerseSpan& span : scripture::verseSpans(text.text())) {
        if (const auto colour = colours.find(span.number); colour != colours.end())
            highlights.push_back(
                {span.start, span.lineEnd - span.start, tint(colour->second, text.palette())});
    }
    m_reading.marks().markHighlights(std::move(highlights));
}
