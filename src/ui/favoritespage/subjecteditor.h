#pragma once

#include <QObject>

class FrmBible;
class MessageBoxes;
class QCloseEvent;
class FavoritesSession;
class SubjectList;

// The editing side of the favorites page: creating a subject by typing a new name, deleting
// one by clearing its name, adding the looked-up verse, editing the text by hand, and saving
// every change to the subject's file without a save command. The handlers read the controls,
// ask the favorites session what to do, and write the controls.
class SubjectEditor : public QObject {
    Q_OBJECT
public:
    SubjectEditor(FrmBible& window, SubjectList& subjects, FavoritesSession& session,
                  MessageBoxes& messages);

    void ComboCategory_GotFocus();
    void ComboCategory_Click();
    void ComboCategory_Change();
    void ComboCategory_LostFocus();
    void CommandAddFavorite_Click();
    void TextFavoritesList_GotFocus();
    void TextFavoritesList_Change();
    void TextFavoritesList_LostFocus();
    // Ignores the closing when the user chose to keep text that could not be saved.
    void Form_QueryUnload(QCloseEvent* closing);

private:
    void offerDelete(const QString& subject);
    void loadTypedSubject(const QString& subject);
    void writeTypedSubject(const QString& subject);
    void keepShownSubject();
    void saveNamedSubject();
    // Whether text that could not be saved may be dropped: the list is saved under the name
    // first; when it still is not in a file, the user is asked whether to go on regardless.
    bool mayDropUnsavedText(const QString& savedUnder, const QString& goOn);

    FrmBible& m_window;
    SubjectList& m_subjects;
    FavoritesSession& m_session;
    MessageBoxes& m_messages;
};
