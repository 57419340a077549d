#include "searchpage/searchpage.h"

#include "controls/combobox.h"
#include "controls/listbox.h"
#include "controls/textbox.h"
#include "mainwindow/frmbible.h"
#include "scripture/scripturetext.h"
#include "search/searchengine.h"
#include "search/searchreadiness.h"
#include "search/termmarks.h"
#include "services/mousepointer.h"

#include <QKeyEvent>

namespace {

// The result lines, each decoded when the list shows it, from the text the search ran on: a
// list of every verse holds the line numbers, not the text a second time over in UTF-16.
class ResultLines : public ListItems {
public:
    ResultLines(std::shared_ptr<const VerseText> text, std::vector<qsizetype> lines)
        : m_text(std::move(text))
        , m_lines(std::move(lines)) {}

    int count() const override { return int(m_lines.size()); }
    QString item(int row) const override { return m_text->decodedLine(m_lines[row]); }

    // A line decodes to as many characters as it has bytes, so only lines of the text's length
    // are decoded to compare.
    int find(const QString& text) const override {
        for (int row = 0; row < count(); ++row) {
            const qsizetype line = m_lines[row];
            if (m_text->lineEnd(line) - m_text->lineStart(line) == text.size() && item(row) == text)
                return row;
        }
        return -1;
    }

private:
    std::shared_ptr<const VerseText> m_text;
    std::vector<qsizetype> m_lines;
};

} // namespace

SearchPage::SearchPage(FrmBible& window, MousePointer& pointer, ScriptureText& scripture)
    : m_window(window)
    , m_pointer(pointer)
    , m_scripture(scripture) {
    connect(window.TextSearch, &TextBox::changed, this, &SearchPage::TextSearch_Change);
    connect(window.TextSearch, &TextBox::gotFocus, this, &SearchPage::TextSearch_GotFocus);
    connect(window.TextSearch, &TextBox::lostFocus, this, &SearchPage::TextSearch_LostFocus);
    connect(window.ComboSearch, &ComboBox::picked, this, &SearchPage::ComboSearch_Click);
    window.TextSearch->installEventFilter(this);
}

// The caret stays after what it followed.
void SearchPage::TextSearch_Change() {
    TextBox& box = *m_window.TextSearch;
    const QString typed = box.text();
    const QString line = search::singleLineQuery(typed);
    if (line == typed)
        return;
    const int caret = int(search::singleLineQuery(typed.left(box.selStart())).size());
    box.setText(line);
    box.setSelStart(caret);
}

bool SearchPage::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    searchIfReady();
    return true;
}

void SearchPage::TextSearch_GotFocus() {
    m_window.TextSearch->setSelStart(0);
    m_window.TextSearch->setSelLength(int(m_window.TextSearch->text().size()));
}

void SearchPage::TextSearch_LostFocus() {
    searchIfReady();
}

void SearchPage::ComboSearch_Click() {
    searchIfReady();
}

void SearchPage::searchIfReady() {
    const std::optional<QString> query =
        search::queryWhenReady(m_window.TextSearch->text(), m_window.ComboSearch->text());
    if (!query)
        return;
    m_window.TextSearch->setText(*query);
    if (!query->isEmpty())
        Search();
}

void SearchPage::Search() {
    BusyScope busy(m_pointer);
    m_scripture.refresh(); // a missing or unreadable file leaves no lines to search
    std::shared_ptr<const VerseText> text = m_scripture.sharedText();
    search::Outcome outcome =
        search::run(*text, m_window.TextSearch->text(), m_window.ComboSearch->text());
    m_window.ListVerse->setItemSource(
        std::make_shared<ResultLines>(std::move(text), std::move(outcome.lines)));
    emit searched(search::markedTerms(m_window.TextSearch->text(), outcome.foundByPhrase));
}
