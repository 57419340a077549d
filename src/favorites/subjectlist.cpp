#include "favorites/subjectlist.h"

#include "app/frmbible.h"
#include "app/platform/platform.h"
#include "app/toolkit/combobox.h"
#include "app/toolkit/textbox.h"

SubjectList::SubjectList(FrmBible& window, Platform& platform)
    : m_window(window), m_platform(platform)
    , m_store(platform.files, platform.folder.versesFolder()) {}

void SubjectList::ListCategories() {
    const QString current = m_window.ComboCategory->text();
    m_window.ComboCategory->clear();
    m_window.ComboCategory->setText(current);
    m_window.ComboCategory->addItems(m_store.subjectNames());
    ListVersesFavorites();
}

void SubjectList::ListVersesFavorites() {
    m_window.TextFavoritesList->setText(QString());
    const QString path = m_store.pathOf(m_window.ComboCategory->text());
    if (!m_platform.files.fileExists(path))
        return;
    const FileSystem::ReadResult read = m_platform.files.readAll(path);
    if (read.ok)
        m_window.TextFavoritesList->setText(read.text);
}
