#include "mainwindow/mainwindow.h"

#include "controls/combobox.h"
#include "controls/commandbutton.h"
#include "controls/design.h"
#include "controls/focustracker.h"
#include "controls/listbox.h"
#include "controls/textbox.h"
#include "fontdialog/fontstandins.h"
#include "mainwindow/fontfitting.h"
#include "mainwindow/historybuttons.h"
#include "placement/placement.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>

namespace {

const QString kMaker = QStringLiteral("Lanternfield Software");

constexpr QSize kClientArea(9285 / design::kTwipsPerPixel, 6060 / design::kTwipsPerPixel);
// The status line's text starts in line with the reading area's controls.
constexpr int kStatusIndent = 120 / design::kTwipsPerPixel;

// A control named and placed as designed, kept inside the client area.
template <typename W> W* place(W* widget, const char* name, const QRect& rect) {
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(placement::withinArea(rect, kClientArea));
    return widget;
}

QLabel* label(QWidget* area, const char* name, const QString& caption, const QRect& rect) {
    return design::label(area, name, caption, placement::withinArea(rect, kClientArea), true);
}

void describe(QWidget* control, const QString& tip, const QString& accessibleName) {
    if (!tip.isEmpty())
        control->setToolTip(tip);
    control->setAccessibleName(accessibleName.isEmpty() ? tip : accessibleName);
    control->setFont(design::font());
}

// The client area with its frame lines along the four edges.
class ClientArea : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        constexpr int k = design::kTwipsPerPixel;
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
        painter.drawLine(9240 / k, 0, 0, 0); // Line2, top
        painter.drawLine(0, 6120 / k, 0, 0); // Line5, left
        painter.setPen(QPen(palette().color(QPalette::WindowText), 2));
        painter.drawLine(9240 / k, 6000 / k, 0, 6000 / k); // Line4, bottom
        painter.drawLine(9240 / k, 6000 / k, 9240 / k, 0); // Line3, right
    }
};

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmBible"));
    setWindowTitle(kMaker + QStringLiteral(" - Vellumark ~ Orrisant Version"));
    // Linux has none of the font list's names, and what fontconfig puts in their place can be
    // far off: a calligraphic italic for Comic Sans MS, and for MS Sans Serif, the design font,
    // a family so much wider that the narrow boxes cut their text ("Chapter" reads ":hapter").
    standInForMissingFonts();
    // The window keeps its designed size, so its frame offers no maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    auto* area = new ClientArea(this);
    area->setFixedSize(kClientArea);
    setCentralWidget(area);
    createReadingArea(area);
    createSearchPage(area);
    createFavoritesPage(area);
    setTabOrder();
    m_menus = buildMenus(menuBar());
    createStatusLine();
    new HistoryButtons(this, m_menus.back, m_menus.forward);
    offerEditCommandsOnRightClick();
    m_focus = new FocusTracker(this);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    new FontFitting(area, displayControls());
}

void MainWindow::createReadingArea(QWidget* area) {
    label(area, "Label1", QStringLiteral("Vellumark"), design::twips(120, 120, 1575, 255));
    ReadingView& v = m_reading;
    v.bookBox = place(new ComboBox(area), "ComboBooks", design::twips(1800, 120, 1815, 315));
    describe(v.bookBox, {}, QStringLiteral("Book"));
    v.chapterBox = place(new ComboBox(area), "ComboChapter", design::twips(3720, 120, 975, 315));
    describe(v.chapterBox, {}, QStringLiteral("Chapter"));
    v.readingText = place(new TextBox(area), "TextVerses", design::twips(120, 480, 4455, 5325));
    describe(v.readingText, {}, QStringLiteral("Chapter text"));
}

void MainWindow::createSearchPage(QWidget* area) {
    SearchView& v = m_search;
    v.heading = label(area, "Label2", QStringLiteral("Search the Bible"),
                      design::twips(4800, 120, 1695, 255));
    v.queryBox = place(new TextBox(area), "TextSearch", design::twips(6600, 120, 2535, 645));
    describe(v.queryBox, QStringLiteral("Enter search words, phrase, or verse and select book."),
             {});
    v.scopeBox = place(new ComboBox(area), "ComboSearch", design::twips(4680, 480, 1815, 315));
    describe(v.scopeBox, QStringLiteral("Select Book to Search"), {});
    v.resultList = place(new ListBox(area), "ListVerse", design::twips(4680, 960, 4455, 4935));
    describe(v.resultList, QStringLiteral("List Results (click to view)"), {});
}

void MainWindow::createFavoritesPage(QWidget* area) {
    FavoritesView& v = m_favorites;
    v.heading = label(area, "Label4", QStringLiteral("Favorite Verses"),
                      design::twips(4800, 120, 1575, 255));
    v.lookupBookBox =
        place(new ComboBox(area), "ComboBookFavorites", design::twips(6360, 120, 1695, 315));
    describe(v.lookupBookBox, QStringLiteral("Select Book"), {});
    v.referenceBox =
        place(new LineTextBox(area), "TextVersesFavorites", design::twips(8160, 120, 975, 285));
    describe(v.referenceBox, QStringLiteral("Enter Verse(s)"), {});
    v.lookedUpVerses =
        place(new TextBox(area), "TextFavorites", design::twips(5400, 480, 4455, 735));
    describe(v.lookedUpVerses, QStringLiteral("Verse"), {});
    v.subjectCaption =
        label(area, "Label3", QStringLiteral("Subject"), design::twips(4680, 1320, 735, 255));
    v.subjectBox = place(new ComboBox(area), "ComboCategory", design::twips(5400, 1320, 2535, 315));
    describe(v.subjectBox, QStringLiteral("Select or Enter New Category"), {});
    v.addVerseButton = place(new CommandButton(QStringLiteral("&Add Verse"), area),
                             "CommandAddFavorite", design::twips(8040, 1320, 1095, 375));
    describe(v.addVerseButton, QStringLiteral("Add Verse"), {});
    v.subjectText =
        place(new TextBox(area), "TextFavoritesList", design::twips(4680, 1800, 4455, 3975));
    describe(v.subjectText, QStringLiteral("Favorite Verses"), {});
}

// Below the client area, which keeps its designed size: the window is that much taller. The
// line's text is its accessible name, so a screen reader hears each change of it.
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
}

void MainWindow::setTabOrder() {
    const QList<QWidget*> order = {
        m_reading.bookBox,          m_reading.chapterBox,     m_reading.readingText,
        m_favorites.lookupBookBox,  m_favorites.referenceBox, m_favorites.subjectBox,
        m_favorites.addVerseButton, m_favorites.subjectText,  m_search.scopeBox,
        m_search.queryBox,          m_search.resultList,      m_favorites.lookedUpVerses};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

// A right click offers the Edit menu's commands, never Qt's own clipboard handling.
void MainWindow::offerEditCommandsOnRightClick() {
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    const QList<QAction*> commands = {m_menus.cut,           m_menus.copy, m_menus.paste,
                                      m_menus.deleteForward, separator,    m_menus.selectAll};
    for (QWidget* clicked : findChildren<QWidget*>()) {
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
    return {m_reading.readingText, m_search.queryBox, m_search.resultList,
            m_favorites.lookedUpVerses, m_favorites.subjectText};
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closing(event);
}

#include "mainwindow.moc"
