#pragma once

#include "favorites/subjectfiles.h"

#include <QFileSystemWatcher>
#include <QString>

class FollowedSubject;
class MessageBoxes;
class TextBox;

// The subject the subject text shows: loads a subject's text into it, telling the followed
// subject what it now holds, and while it holds no edit of the user's follows its file as
// another window or program changes it. A file that cannot be read is reported in a message
// box naming the subject; the subject text keeps its text.
class ShownSubject {
public:
    ShownSubject(TextBox& subjectText, const SubjectFiles& subjectFiles, FollowedSubject& followed,
                 MessageBoxes& messages);

    // Loads the subject's text, or nothing when it has no file; false when it cannot be read.
    bool show(const QString& subject);
    // Shows the text the subject's file now holds as one edit, which Undo takes back; false when
    // there is none to show.
    bool showFileText(const QString& subject);
    // Shows the text as it is to be saved (refilled, had it been emptied).
    void keepText(const QString& text);

private:
    void show(const QString& subject, const SubjectFiles::Loaded& loaded);
    void followFile();
    void watchShownSubject();

    TextBox& m_subjectText;
    const SubjectFiles& m_subjectFiles;
    FollowedSubject& m_followed;
    MessageBoxes& m_messages;
    QFileSystemWatcher m_watcher;
};
