#pragma once

#include "favorites/subjectfiles.h"
#include "favorites/subjectsave.h"

class FollowedSubject;
class MessageBoxes;
class ShownSubject;

// Carries out what the favorites page's rules decided for the subject text, and tells the
// followed subject once what is now in the file. A file changed elsewhere is never written over
// without asking: the user chooses what is kept, and no side's words are lost.
class SubjectSaver {
public:
    SubjectSaver(SubjectFiles& subjectFiles, ShownSubject& shown, FollowedSubject& followed,
                 MessageBoxes& messages);

    // Whether a file that could not be read or written is told of here, or left to the caller.
    enum class Failures { Report, Return };

    // Saved also when there was nothing to write; a notice is told, and leaves the text unsaved.
    SaveOutcome carryOut(const SubjectSave& plan, Failures failures);

private:
    SaveOutcome write(const SubjectSave& plan);
    SubjectFiles::Saved replaceFile(const QString& subject, const QByteArray& bytes);

    SubjectFiles& m_subjectFiles;
    ShownSubject& m_shown;
    FollowedSubject& m_followed;
    MessageBoxes& m_messages;
};
