#pragma once

#include "favorites/followedsubject.h"
#include "favorites/subjectediting.h"
#include "favoritespage/favoritesview.h"
#include "favoritespage/shownsubject.h"
#include "favoritespage/subjectsaver.h"

#include <QObject>

#include <optional>

class MessageBoxes;
class QCloseEvent;
class SubjectFiles;

// The subject side of the favorites page: creating a subject by typing a new name, deleting
// one by clearing its name, adding the looked-up verse, editing the text by hand, and saving
// every change to the subject's file without a save command. The handlers read the controls,
// ask the page's rules what to do, and write the controls or have the saver carry it out.
class FavoritesPage : public QObject {
    Q_OBJECT
public:
    FavoritesPage(const FavoritesView& view, SubjectFiles& subjectFiles, MessageBoxes& messages);

    // The subjects listed, the one the box names shown, and the box's placeholder, as the
    // program starts.
    void prepare();
    // Shows the subject again as a pick would, when its file is still there.
    void reopen(const QString& subject);
    std::optional<QString> subjectToReopen() const { return m_followed.toReopen(); }

    void onSubjectBoxEntered();
    void onSubjectPicked();
    void onSubjectBoxChanged();
    void onSubjectBoxLeft();
    void onAddVerseClicked();
    void onSubjectTextEntered();
    void onSubjectTextChanged();
    void onSubjectTextLeft();
    // A lookup is no edit of the subject's.
    void onVerseLookedUp();
    // Ignores the closing when the user chose to keep text that could not be saved.
    void onWindowClosing(QCloseEvent* closing);

private:
    // Refills the subject box's list, keeping its text, then shows the subject it names.
    void listSubjects();
    void showNamedSubject();
    void offerDelete(const QString& subject);
    bool deleteSubject(const QString& subject);
    void loadTypedSubject(const QString& subject);
    void writeTypedSubject(const SubjectEditing::BoxLeft& left);
    void keepShownSubject();
    // Whether text that could not be saved may be dropped: the text is saved under the name
    // first; when it still is not in a file, the user is asked whether to go on regardless.
    bool mayDropUnsavedText(const QString& savedUnder, const QString& goOn);

    FavoritesView m_view;
    SubjectFiles& m_subjectFiles;
    MessageBoxes& m_messages;
    FollowedSubject m_followed;
    SubjectEditing m_editing;
    ShownSubject m_shown;
    SubjectSaver m_saver;
};
