#pragma once

#include "study/markstore.h"

#include <QDialog>

#include <functional>

class MessageBoxes;
class QListWidget;

// Every bookmark, in the user's order, to open, rename, delete and move, by keyboard too: Enter
// opens, F2 renames, Delete deletes, Alt+U and Alt+W move. Each change is made to the file as it
// is then; a bookmark changed or deleted elsewhere meanwhile is left as it is.
class BookmarksDialog : public QDialog {
    Q_OBJECT
public:
    // Whether the text read holds the verse: a bookmark of one it lacks is shown as unknown.
    using VerseCheck = std::function<bool(const scripture::Reference&)>;

    BookmarksDialog(QWidget* parent, study::MarkStore& store, MessageBoxes& messages,
                    VerseCheck inText);

    // Lists the bookmarks as the file now holds them, the one picked staying picked.
    void refresh();

signals:
    void opened(const scripture::Reference& verse);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The bookmark picked in the list, as listed; none when the list is empty.
    const study::MarkFile::Mark* picked() const;
    void openPicked();
    void renamePicked();
    void deletePicked();
    void movePicked(int steps);
    // Changes the picked bookmark as the file holds it now; false when it is there no more.
    bool changePicked(const std::function<void(study::MarkFile&, std::size_t)>& edit);

    study::MarkStore& m_store;
    MessageBoxes& m_messages;
    VerseCheck m_inText;
    QListWidget* m_list;
    std::vector<study::MarkFile::Mark> m_shown; // as listed
};
