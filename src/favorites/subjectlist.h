#pragma once

#include "favorites/subjectstore.h"

class FrmBible;
struct Platform;

// Fills the subject box from the Verses folder and loads the current subject's text into the
// favorites list.
class SubjectList {
public:
    SubjectList(FrmBible& window, Platform& platform);

    // Refills the subject box's list, keeping its text, then loads the current subject.
    void ListCategories();
    // Loads the subject named by the subject box into the favorites list.
    void ListVersesFavorites();

    SubjectStore& store() { return m_store; }

private:
    FrmBible& m_window;
    Platform& m_platform;
    SubjectStore m_store;
};
