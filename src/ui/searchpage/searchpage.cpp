#include "searchpage/searchpage.h"

#include "controls/combobox.h"
#include "controls/listbox.h"
#include "controls/textbox.h"
#include "scripture/bookcatalogue.h"
#include "scripture/scripturetext.h"
#include "search/searchengine.h"
#include "search/searchplaceholders.h"
#include "search/searchreadiness.h"
#include "search/searchsummary.h"
#include "search/termmarks.h"
#include "services/mousepointer.h"

#include <QKeyEvent>
#include <QLabel>

// The result lines, each decoded when the list shows it, from the text the search ran on: a
// list of every verse holds the line numbers, not the text a second time over in UTF-16.
class ResultLines : public ListItems {
public:
    ResultLines(std::shared_ptr<const VerseText> text, LineList lines)
        : m_text(std::move(text))
        , m_lines(std::move(lines)) {}

    int count() const override { return int(m_lines.size()); }
    scripture::FoundLine found(int row) const { return {m_text, m_lines[std::size_t(row)]}; }
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
    LineList m_lines;
};

SearchPage::SearchPage(const SearchView& view, MousePointer& pointer, ScriptureText& scripture)
    : m_view(view)
    , m_pointer(pointer)
    , m_scripture(scripture) {
    connect(view.queryBox, &TextBox::changed, this, &SearchPage::onQueryChanged);
    connect(view.queryBox, &TextBox::gotFocus, this, &SearchPage::onQueryBoxEntered);
    connect(view.queryBox, &TextBox::lostFocus, this, &SearchPage::onQueryBoxLeft);
    connect(view.scopeBox, &ComboBox::picked, this, &SearchPage::onScopePicked);
    connect(view.resultList, &ListBox::picked, this, &SearchPage::pickResult);
    connect(view.resultList, &ListBox::returnPressed, this, &SearchPage::resultEntered);
    view.queryBox->installEventFilter(this);
}

void SearchPage::prepare() {
    m_view.scopeBox->setText(search::kSelectBook);
    m_view.scopeBox->addItem(search::kTheBible);
    m_view.scopeBox->addItems(scripture::bookList());
    m_view.queryBox->setText(search::kSearchPrompt);
    m_view.resultList->clear();
    m_view.resultList->addItem(search::kResultHint);
    m_view.status->setText(search::statusBeforeSearch(search::kSelectBook));
}

// The caret stays after what it followed.
void SearchPage::onQueryChanged() {
    TextBox& box = *m_view.queryBox;
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

void SearchPage::onQueryBoxEntered() {
    m_view.queryBox->setSelStart(0);
    m_view.queryBox->setSelLength(int(m_view.queryBox->text().size()));
}

void SearchPage::onQueryBoxLeft() {
    searchIfReady();
}

void SearchPage::onScopePicked() {
    searchIfReady();
}

// Only the hint and lines of the last search are in the list: a row of the results is one of
// its lines.
void SearchPage::pickResult() {
    const int row = m_view.resultList->listIndex();
    if (!m_results || row < 0 || row >= m_results->count())
        return;
    emit resultPicked(m_results->found(row), m_view.resultList->pickedByKeyboard());
}

void SearchPage::searchIfReady() {
    const QString scope = m_view.scopeBox->text();
    m_view.status->setText(search::statusBeforeSearch(scope));
    const std::optional<QString> query = search::queryWhenReady(m_view.queryBox->text(), scope);
    if (!query)
        return;
    m_view.queryBox->setText(*query);
    const std::optional<search::Scope> book = search::scopeNamed(scope);
    if (!book) {
        m_view.status->setText(search::unknownScopeSummary(scope));
        return;
    }
    if (!query->isEmpty())
        search(*query, book->book);
}

void SearchPage::search(const QString& query, std::optional<int> book) {
    BusyScope busy(m_pointer);
    m_scripture.refresh(); // a missing or unreadable file leaves no lines to search
    std::shared_ptr<const VerseText> text = m_scripture.sharedText();
    search::Outcome outcome = search::run(*text, query, book);
    m_view.status->setText(search::foundSummary(qsizetype(outcome.lines.size()), query));
    const QStringList marked = search::markedTerms(query, outcome, text->encoding());
    m_results = std::make_shared<ResultLines>(std::move(text), std::move(outcome.lines));
    m_view.resultList->setItemSource(m_results);
    emit searched(marked);
}
