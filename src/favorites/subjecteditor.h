#pragma once

#include <QString>

#include <optional>

class FrmBible;
class SubjectList;
struct Platform;

// The editing side of the favorites page: creating a subject by typing a new name, deleting
// one by clearing its name, adding the looked-up verse, editing the text by hand, and saving
// every change to the subject's file without a save command.
class SubjectEditor {
public:
    SubjectEditor(FrmBible& window, Platform& platform, SubjectList& subjects);

    // The changed flag: the subject box's or the favorites list's text changed since it got
    // the focus, or a subject was picked. The verse lookup clears it.
    bool blnCheck = false;

    void ComboCategory_GotFocus();
    void ComboCategory_Click();
    void ComboCategory_Change();
    void ComboCategory_LostFocus();
    void CommandAddFavorite_Click();
    void TextFavoritesList_GotFocus();
    void TextFavoritesList_Change();
    void TextFavoritesList_LostFocus();
    // False when the window must stay open: the user chose to keep text that could not be
    // saved.
    bool Form_QueryUnload();

private:
    void connectControls();
    void offerDelete();
    void createOrRewrite();
    void loadTypedSubject(const QString& subject);
    bool isShown(const QString& subject) const;
    // The subject the list may be saved to: the one the subject box names, when its file
    // exists and the list holds its text. Nothing otherwise, and then nothing is written.
    std::optional<QString> savableSubject() const;
    void saveNamedSubject();

    FrmBible& m_window;
    Platform& m_platform;
    SubjectList& m_subjects;
};
