#pragma once

#include "favorites/subjectfiles.h"
#include "favorites/subjectsave.h"
#include "storage/storedtext.h"

#include <QString>

#include <optional>

// The subject whose text the subject text shows, and what its file held when this window last
// read or wrote it: so that only what the user changed is written, in the file's own encoding,
// never over a change made to the file elsewhere, and so that a text the user has not edited
// follows its file.
class FollowedSubject {
public:
    explicit FollowedSubject(const SubjectFiles& subjectFiles);

    const QString& subject() const { return m_shown; }
    // The subject to show again at the next start: the shown one, while its file is there.
    std::optional<QString> toReopen() const { return m_subjectFiles.existingName(m_shown); }

    // The subject text now holds the subject's text as read from its file (nothing: it has none).
    void loaded(const QString& subject, std::optional<StoredText> file, const QString& text);
    // The plan's bytes are now in its subject's file.
    void saved(const SubjectSave& written);

    // The subject text holds text that is in no file.
    bool hasUnsavedText(const QString& text) const { return text != m_textAsStored; }
    // Whether the text shown is the text of the existing subject named.
    bool holdsTextOfExisting(const QString& existing) const;
    // The plan that stores the text in the subject's file: nothing when the file already holds
    // it. The shown subject's file keeps its encoding and every byte the user did not touch; a
    // new subject is stored as any new file.
    SubjectSave write(const QString& subject, const QString& text, bool ofShownSubject) const;
    // The shown subject's file as it now is: whether the subject text takes its text. It does
    // while it holds no edit of the user's; a file gone or unreadable leaves the text shown.
    bool follows(const QString& text, const SubjectFiles::Loaded& now) const;
    // The subject text holds words the user meant for the file of the subject shown, which the
    // box still names, and that file (or its folder) has gone since.
    bool wentAway(const QString& boxText, const QString& text) const;

private:
    bool isNowShown(const QString& subject) const;

    const SubjectFiles& m_subjectFiles;
    QString m_shown;                  // the subject whose text is shown
    QString m_textAsStored;           // the subject text as last loaded or saved
    std::optional<StoredText> m_file; // the shown subject's file as last read or written
};
