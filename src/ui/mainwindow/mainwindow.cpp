#include "mainwindow/mainwindow.h"

#include "controls/combobox.h"
#include "controls/commandbutton.h"
#include "controls/design.h"
#include "controls/focustracker.h"
#include "controls/fontsubstitution.h"
#include "controls/listbox.h"
#include "controls/textbox.h"
#include "mainwindow/clientlayout.h"
#include "mainwindow/historybuttons.h"
#include "placement/placement.h"
#include "prefs/displayfont.h"
#include "texts/textshelf.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>

namespace {

constexpr QLatin1String kMaker("Lanternfield Software");

// The status line's text starts in line with the reading area's controls.
constexpr int kStatusIndent = 120 / design::kTwipsPerPixel;

using enum placement::Control;

// A control named as designed; the client layout places it by its name.
template <typename W> W* named(W* widget, placement::Control control) {
    widget->setObjectName(placement::designName(control));
    return widget;
}

QLabel* label(QWidget* area, placement::Control control, const QString& caption) {
    return design::label(area, placement::designName(control).data(), caption, {}, true);
}

// A screen reader names a box by the caption the window shows for it, or the one it would show,
// and reads the box's tip after the name.
void describe(QWidget* control, const QString& caption, const QString& tip = {}) {
    control->setAccessibleName(caption);
    if (!tip.isEmpty())
        control->setToolTip(tip);
    control->setAccessibleDescription(tip);
    control->setFont(design::font());
}

// Tab goes from each control to the next as listed.
void setTabOrderOf(const QList<QWidget*>& order) {
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

// The client area with its frame lines along the four edges.
class ClientArea : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    QSize sizeHint() const override { return placement::kDesignedArea; }

protected:
    void paintEvent(QPaintEvent*) override {
        const QPoint corner = placement::frameCorner(size());
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
        painter.drawLine(corner.x(), 0, 0, 0); // Line2, top
        painter.drawLine(0, height(), 0, 0);   // Line5, left
        painter.setPen(QPen(palette().color(QPalette::WindowText), 2));
        painter.drawLine(corner, QPoint(0, corner.y())); // Line4, bottom
        painter.drawLine(corner, QPoint(corner.x(), 0)); // Line3, right
    }
};

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmBible"));
    nameText(texts::kBibleDatDescription);
    // Linux has none of the font list's names, and what fontconfig puts in their place can be
    // far off: a calligraphic italic for Comic Sans MS, and for MS Sans Serif, the design font,
    // a family so much wider that the narrow boxes cut their text ("Chapter" reads ":hapter").
    substituteMissingFonts();
    auto* area = new ClientArea(this);
    area->setMinimumSize(placement::kDesignedArea);
    setCentralWidget(area);
    createReadingArea(area);
    createFavoritesPage(area);
    setTabOrder();
    m_menus = buildMenus(menuBar());
    createStatusLine();
    new HistoryButtons(this, m_menus.back, m_menus.forward);
    m_editSeparator = new QAction(this);
    m_editSeparator->setSeparator(true);
    offerEditCommandsOnRightClick(findChildren<QWidget*>());
    m_focus = new FocusTracker(this);
    m_layout = new ClientLayout(area, displayControls());
}

void MainWindow::buildSearchPage() {
    if (hasSearchPage())
        return;
    createSearchPage(centralWidget());
    const SearchView& v = m_search;
    const QList<QWidget*> controls = {v.heading, v.queryBox, v.scopeBox, v.resultList};
    for (QWidget* box : QList<QWidget*>{v.queryBox, v.resultList})
        box->setFont(m_reading.readingText->font()); // the display font, as the others have it
    for (QWidget* control : controls)
        control->hide(); // until the page is shown
    putSearchPageInTabOrder();
    offerEditCommandsOnRightClick(controls);
    m_layout->adopt({v.queryBox, v.resultList});
    emit searchPageBuilt(controls);
}

void MainWindow::createReadingArea(QWidget* area) {
    label(area, Label1, QStringLiteral("Vellumark"));
    ReadingView& v = m_reading;
    v.bookBox = named(new ComboBox(area), ComboBooks);
    describe(v.bookBox, QStringLiteral("Book"));
    v.chapterBox = named(new ComboBox(area), ComboChapter);
    describe(v.chapterBox, QStringLiteral("Chapter"));
    v.readingText = named(new TextBox(area), TextVerses);
    describe(v.readingText, QStringLiteral("Chapter text"));
}

void MainWindow::createSearchPage(QWidget* area) {
    SearchView& v = m_search;
    v.heading = label(area, Label2, QStringLiteral("Search the Bible"));
    v.queryBox = named(new TextBox(area), TextSearch);
    describe(v.queryBox, QStringLiteral("Search words"),
             QStringLiteral("Enter search words, phrase, or verse and select book."));
    v.scopeBox = named(new ComboBox(area), ComboSearch);
    describe(v.scopeBox, QStringLiteral("Book to search"), QStringLiteral("Select Book to Search"));
    v.resultList = named(new ListBox(area), ListVerse);
    describe(v.resultList, QStringLiteral("Results"),
             QStringLiteral("List Results (click to view)"));
}

void MainWindow::createFavoritesPage(QWidget* area) {
    FavoritesView& v = m_favorites;
    v.heading = label(area, Label4, QStringLiteral("Favorite Verses"));
    v.lookupBookBox = named(new ComboBox(area), ComboBookFavorites);
    describe(v.lookupBookBox, QStringLiteral("Book to look up"), QStringLiteral("Select Book"));
    v.referenceBox = named(new LineTextBox(area), TextVersesFavorites);
    describe(v.referenceBox, QStringLiteral("Reference"), QStringLiteral("Enter Verse(s)"));
    v.lookedUpVerses = named(new TextBox(area), TextFavorites);
    describe(v.lookedUpVerses, QStringLiteral("Verse"), QStringLiteral("Verse"));
    v.subjectCaption = label(area, Label3, QStringLiteral("Subject"));
    v.subjectBox = named(new ComboBox(area), ComboCategory);
    describe(v.subjectBox, v.subjectCaption->text(),
             QStringLiteral("Select or Enter New Category"));
    v.addVerseButton =
        named(new CommandButton(QStringLiteral("&Add Verse"), area), CommandAddFavorite);
    describe(v.addVerseButton, QStringLiteral("Add Verse"), QStringLiteral("Add Verse"));
    v.subjectText = named(new TextBox(area), TextFavoritesList);
    describe(v.subjectText, v.heading->text(), QStringLiteral("Favorite Verses"));
}

// Below the client area, which keeps its designed size: the window is that much taller. The
// line's text is its accessible name, so a screen reader hears each change of it.
void MainWindow::nameText(const QString& description) {
    setWindowTitle(kMaker + QStringLiteral(" - Vellumark ~ ") + description);
}

void MainWindow::createStatusLine() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    bar->setSizeGripEnabled(false);
    auto* status = new QLabel(bar);
    status->setObjectName(QStringLiteral("searchStatus"));
    status->setFont(design::font());
    status->setIndent(kStatusIndent);
    status->setAccessibleDescription(QStringLiteral("Search status"));
    bar->addWidget(status, 1);
    m_search.status = status;
    m_reading.statusLine = bar;
}

void MainWindow::setTabOrder() {
    setTabOrderOf({m_reading.bookBox, m_reading.chapterBox, m_reading.readingText,
                   m_favorites.lookupBookBox, m_favorites.referenceBox, m_favorites.subjectBox,
                   m_favorites.addVerseButton, m_favorites.subjectText,
                   m_favorites.lookedUpVerses});
}

// Between the subject's list and the looked-up verses, where the design has it.
void MainWindow::putSearchPageInTabOrder() {
    setTabOrderOf({m_favorites.subjectText, m_search.scopeBox, m_search.queryBox,
                   m_search.resultList, m_favorites.lookedUpVerses});
}

// A right click offers the Edit menu's commands, never Qt's own clipboard handling.
void MainWindow::offerEditCommandsOnRightClick(const QList<QWidget*>& controls) {
    const QList<QAction*> commands = {m_menus.cut,           m_menus.copy,    m_menus.paste,
                                      m_menus.deleteForward, m_editSeparator, m_menus.selectAll};
    for (QWidget* clicked : controls) {
        if (!dynamic_cast<TextControl*>(clicked))
            continue;
        if (auto* combo = qobject_cast<ComboBox*>(clicked))
            clicked = combo->lineEdit();
        clicked->setContextMenuPolicy(Qt::ActionsContextMenu);
        clicked->addActions(commands);
    }
}

QWidget* MainWindow::activeControl() const {
    return m_focus->activeControl();
}

QList<QWidget*> MainWindow::displayControls() const {
    QList<QWidget*> controls{m_reading.readingText};
    if (hasSearchPage())
        controls << m_search.queryBox << m_search.resultList;
    return controls << m_favorites.lookedUpVerses << m_favorites.subjectText;
}

void MainWindow::showDisplayFont(const prefs::FontChoice& choice) {
    QFont font = design::font();
    if (choice.family)
        font.setFamily(*choice.family);
    if (choice.bold)
        font.setBold(*choice.bold);
    if (choice.italic)
        font.setItalic(*choice.italic);
    if (choice.pointSize)
        font.setPointSizeF(*choice.pointSize);
    for (QWidget* control : displayControls())
        control->setFont(font);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closing(event);
}

#include "mainwindow.moc"
