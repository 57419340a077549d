#pragma once

#include "favoritespage/favoritesview.h"

#include <QObject>

#include <optional>

class FavoritesSession;
class MessageBoxes;
class QCloseEvent;
class ShownSubject;

// The subject side of the favorites page: creating a subject by typing a new name, deleting
// one by clearing its name, adding the looked-up verse, editing the text by hand, and saving
// every change to the subject's file without a save command. The handlers read the controls,
// ask the favorites session what to do, and write the controls.
class FavoritesPage : public QObject {
    Q_OBJECT
public:
    FavoritesPage(const FavoritesView& view, ShownSubject& shown, FavoritesSession& session,
                  MessageBoxes& messages);

    // The subjects listed, the one the box names shown, and the box's placeholder, as the
    // program starts.
    void prepare();
    // Shows the subject again as a pick would, when its file is still there.
    void reopen(const QString& subject);
    std::optional<QString> subjectToReopen() const;

    void onSubjectBoxEntered();
    void onSubjectPicked();
    void onSubjectBoxChanged();
    void onSubjectBoxLeft();
    void onAddVerseClicked();
    void onSubjectTextEntered();
    void onSubjectTextChanged();
    void onSubjectTextLeft();
    // Ignores the closing when the user chose to keep text that could not be saved.
    void onWindowClosing(QCloseEvent* closing);

private:
    void offerDelete(const QString& subject);
    void loadTypedSubject(const QString& subject);
    void writeTypedSubject(const QString& subject);
    void keepShownSubject();
    void saveNamedSubject();
    // Whether text that could not be saved may be dropped: the text is saved under the name
    // first; when it still is not in a file, the user is asked whether to go on regardless.
    bool mayDropUnsavedText(const QString& savedUnder, const QString& goOn);

    FavoritesView m_view;
    ShownSubject& m_shown;
    FavoritesSession& m_session;
    MessageBoxes& m_messages;
};
