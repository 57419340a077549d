#include "notewindow/notecommands.h"

#include "controls/textbox.h"
#include "notewindow/notewindow.h"
#include "reading/readingarea.h"
#include "reading/readingmarks.h"
#include "reading/typedplace.h"
#include "scripture/bookcatalogue.h"
#include "scripture/versespans.h"
#include "services/messageboxes.h"
#include "storage/datafolder.h"
#include "study/notenames.h"
#include "study/notesaving.h"

#include <QAction>
#include <QCloseEvent>

namespace {
constexpr int kNoteGap = 8;
} // namespace

NoteCommands::NoteCommands(QWidget& window, QAction* noteOnVerse, ReadingArea& reading,
                           SubjectFiles& notes, MessageBoxes& messages)
    : m_window(window)
    , m_reading(reading)
    , m_notes(notes)
    , m_messages(messages)
    , m_followed(notes) {
    connect(noteOnVerse, &QAction::triggered, this, &NoteCommands::openNote);
    connect(&reading, &ReadingArea::chapterShown, this, &NoteCommands::markNotesIn);
}

NoteCommands::~NoteCommands() {
    delete m_note;
}

// The note shown is saved first; one left unsaved stays shown, so its words are not lost.
void NoteCommands::openNote() {
    const std::optional<scripture::Reference> verse = m_reading.verseInSight();
    if (!verse)
        return;
    if (!m_note) {
        m_note = new NoteWindow(&m_window);
        connect(m_note, &NoteWindow::left, this, &NoteCommands::save);
        connect(m_note, &NoteWindow::closing, this, &NoteCommands::onClosing);
        connect(m_note, &NoteWindow::referenceActivated, this,
                [this](const scripture::Reference& to) {
                    save();
                    m_reading.openVerse(reading::placeOf(to));
                });
        // Beside the chapter, over the favourite verses.
        const TextBox& text = m_reading.readingText();
        m_note->move(text.mapToGlobal(QPoint(text.width() + kNoteGap, 0)));
    } else if (!save()) {
        m_note->showNote(m_note->verse(), m_note->text());
        return;
    }
    const QString name = study::noteName(*verse);
    const SubjectFiles::Loaded loaded = m_notes.load(name);
    if (loaded.status == SubjectFiles::Loaded::Failed) {
        m_messages.ask(study::noteNotRead(verse->formatted(), loaded.error), MessageBoxes::OkOnly,
                       study::kNoteTitle);
        return;
    }
    m_asStored = loaded.text();
    m_followed.loaded(name,
                      loaded.status == SubjectFiles::Loaded::Read ? std::optional(loaded.stored)
                                                                  : std::nullopt,
                      loaded.text());
    m_note->showNote(*verse, loaded.text());
}

bool NoteCommands::save() {
    if (!m_note)
        return true;
    const QString name = study::noteName(m_note->verse());
    const QString text = study::noteTextFor(m_note->text(), m_asStored);
    switch (study::noteStep(m_followed, text, m_notes.exists(name))) {
    case study::NoteStep::Nothing:
        return true;
    case study::NoteStep::Remove:
        if (const FileSystem::Result trashed = m_notes.moveToTrash(name); !trashed.ok)
            return tellNotSaved(trashed.error);
        m_asStored = text;
        m_followed.loaded(name, std::nullopt, text);
        break;
    case study::NoteStep::Write:
        if (!write(name, text))
            return false;
        break;
    }
    if (const std::optional<reading::ReadingPlace> shown = m_reading.shownPlace())
        markNotesIn(shown->chapter);
    return true;
}

bool NoteCommands::write(const QString& name, const QString& text) {
    if (const QString problem = storage::prepareFolder(m_notes.folder()); !problem.isEmpty())
        return tellNotSaved(problem);
    const SubjectSave plan = m_followed.write(name, text, true);
    SubjectFiles::Saved saved = m_notes.save(name, plan.bytes, plan.known);
    if (saved.status == SubjectFiles::Saved::ChangedElsewhere) {
        const study::NoteConflict conflict = study::noteConflict(m_note->verse().formatted());
        if (m_messages.choose(conflict.text, conflict.choices, conflict.safeChoice,
                              study::kNoteTitle) != study::NoteConflict::kReplace)
            return false;
        saved = m_notes.save(name, plan.bytes, std::nullopt, SubjectFiles::Overwrite::KeepInTrash);
    }
    if (saved.status != SubjectFiles::Saved::Written)
        return tellNotSaved(saved.error);
    m_followed.saved(plan);
    m_asStored = text;
    return true;
}

bool NoteCommands::tellNotSaved(const QString& reason) {
    m_messages.ask(study::noteNotSaved(m_note->verse().formatted(), reason, false));
    return false;
}

void NoteCommands::onClosing(QCloseEvent* closing) {
    if (m_note && closing->isAccepted() && !save() &&
        m_messages.ask(study::noteNotSaved(m_note->verse().formatted(), {}, true)) !=
            MessageBoxes::Ok)
        closing->ignore();
}

// Each verse with a note has its number underlined, and the reading text's description names
// them for a screen reader.
void NoteCommands::markNotesIn(const scripture::ChapterPlace& chapter) {
    const std::optional<int> book = scripture::catalogueIndex(chapter.book);
    std::vector<int> verses;
    for (const QString& name : m_notes.subjectNames()) {
        const std::optional<scripture::Reference> verse = study::noteVerse(name);
        if (verse && book && verse->book == *book && verse->firstChapter == chapter.chapter)
            verses.push_back(verse->firstVerse);
    }
    TextBox& text = m_reading.readingText();
    ReadingMarks::Ranges numbers;
    QStringList named;
    for (const scripture::VerseSpan& span : scripture::verseSpans(text.text())) {
        if (std::find(verses.begin(), verses.end(), span.number) == verses.end())
            continue;
        numbers.push_back({span.start, QString::number(span.number).size()});
        named << QString::number(span.number);
    }
    m_reading.marks().markNotes(std::move(numbers));
    text.setAccessibleDescription(named.isEmpty() ? QString()
                                                  : QStringLiteral("Notes on verses ") +
                                                        named.join(QStringLiteral(", ")));
}
