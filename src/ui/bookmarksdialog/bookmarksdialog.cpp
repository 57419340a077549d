#include "bookmarksdialog/bookmarksdialog.h"

#include "services/messageboxes.h"
#include "study/bookmarklist.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString listed(const study::MarkFile::Mark& mark, bool inText) {
    const QString line = study::bookmarkLine(mark);
    return inText ? line : line + QStringLiteral("  - not in this text");
}

QPushButton* button(QDialogButtonBox* box, const char* name, const QString& caption) {
    QPushButton* added = box->addButton(caption, QDialogButtonBox::ActionRole);
    added->setObjectName(QLatin1String(name));
    added->setAutoDefault(false);
    return added;
}

} // namespace

BookmarksDialog::BookmarksDialog(QWidget* parent, study::MarkStore& store, MessageBoxes& messages,
                                 VerseCheck inText)
    : QDialog(parent)
    , m_store(store)
    , m_messages(messages)
    , m_inText(std::move(inText))
    , m_list(new QListWidget(this)) {
    setObjectName(QStringLiteral("frmBookmarks"));
    setWindowTitle(study::kBookmarksTitle);
    resize(420, 360);
    m_list->setObjectName(QStringLiteral("lstBookmarks"));
    m_list->setAccessibleName(study::kBookmarksTitle);
    auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
    QPushButton* open = button(buttons, "cmdOpenBookmark", QStringLiteral("&Open"));
    open->setDefault(true);
    connect(open, &QPushButton::clicked, this, &BookmarksDialog::openPicked);
    connect(button(buttons, "cmdRenameBookmark", QStringLiteral("&Rename...")),
            &QPushButton::clicked, this, &BookmarksDialog::renamePicked);
    connect(button(buttons, "cmdDeleteBookmark", QStringLiteral("&Delete")), &QPushButton::clicked,
            this, &BookmarksDialog::deletePicked);
    connect(button(buttons, "cmdMoveBookmarkUp", QStringLiteral("Move &Up")), &QPushButton::clicked,
            this, [this] { movePicked(-1); });
    connect(button(buttons, "cmdMoveBookmarkDown", QStringLiteral("Move Do&wn")),
            &QPushButton::clicked, this, [this] { movePicked(1); });
    buttons->addButton(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    connect(m_list, &QListWidget::itemActivated, this, &BookmarksDialog::openPicked);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
}

void BookmarksDialog::refresh() {
    const int row = m_list->currentRow();
    const study::MarkStore::Read read = m_store.read();
    m_shown = read.file.marks();
    m_list->clear();
    for (const study::MarkFile::Mark& mark : m_shown)
        m_list->addItem(listed(mark, m_inText(mark.verse)));
    if (!read.ok)
        m_list->addItem(QStringLiteral("The bookmarks could not be read: ") + read.error);
    m_list->setCurrentRow(std::clamp(row, 0, int(m_shown.size()) - 1));
}

void BookmarksDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F2)
        renamePicked();
    else if (event->key() == Qt::Key_Delete)
        deletePicked();
    else
        QDialog::keyPressEvent(event);
}

const study::MarkFile::Mark* BookmarksDialog::picked() const {
    const int row = m_list->currentRow();
    return row >= 0 && row < int(m_shown.size()) ? &m_shown[std::size_t(row)] : nullptr;
}

void BookmarksDialog::openPicked() {
    if (const study::MarkFile::Mark* mark = picked())
        emit opened(mark->verse);
}

bool BookmarksDialog::changePicked(const std::function<void(study::MarkFile&, std::size_t)>& edit) {
    const study::MarkFile::Mark* shown = picked();
    if (!shown)
        return false;
    bool found = false;
    const FileSystem::Result changed = m_store.change([&](study::MarkFile& file) {
        if (const std::optional<std::size_t> mark = file.find(*shown)) {
            found = true;
            edit(file, *mark);
        }
    });
    if (!changed.ok)
        m_messages.ask(study::bookmarksNotSaved(changed.error), MessageBoxes::OkOnly,
                       study::kBookmarksTitle);
    return changed.ok && found;
}

void BookmarksDialog::renamePicked() {
    const study::MarkFile::Mark* shown = picked();
    if (!shown)
        return;
    const std::optional<QString> name =
        m_messages.askText(QStringLiteral("Name of the bookmark:"), study::bookmarkName(*shown),
                           QStringLiteral("Rename Bookmark"));
    if (name)
        changePicked([&](study::MarkFile& file, std::size_t mark) {
            study::renameBookmark(file, mark, *name);
        });
    refresh();
}

// A name the user wrote is asked about before it goes.
void BookmarksDialog::deletePicked() {
    const study::MarkFile::Mark* shown = picked();
    if (!shown)
        return;
    const QString name = study::bookmarkName(*shown);
    if (m_messages.choose(QStringLiteral("Delete the bookmark \"%1\"?").arg(name),
                          {QStringLiteral("Delete"), QStringLiteral("Keep")}, 1,
                          study::kBookmarksTitle) != 0)
        return;
    changePicked([](study::MarkFile& file, std::size_t mark) { file.remove(mark); });
    refresh();
}

void BookmarksDialog::movePicked(int steps) {
    std::optional<std::size_t> movedTo;
    changePicked([&](study::MarkFile& file, std::size_t mark) {
        movedTo = study::movedTo(file, mark, steps);
        if (movedTo)
            file.swap(mark, *movedTo);
    });
    refresh();
    if (movedTo)
        m_list->setCurrentRow(int(*movedTo));
}
