#include "mainwindow/frmbible.h"

#include "controls/combobox.h"
#include "controls/commandbutton.h"
#include "controls/focustracker.h"
#include "controls/listbox.h"
#include "controls/textbox.h"
#include "fontdialog/fontstandins.h"
#include "placement/placement.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPainter>
#include <QtMath>

namespace {

const QString kMaker = QStringLiteral("Lanternfield Software");

QRect twips(int left, int top, int width, int height) {
    constexpr int k = FrmBible::kTwipsPerPixel;
    return {left / k, top / k, width / k, height / k};
}

constexpr QSize kClientArea(9285 / FrmBible::kTwipsPerPixel, 6060 / FrmBible::kTwipsPerPixel);

template <typename W> W* place(W* widget, const char* name, const QRect& rect) {
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(placement::withinArea(rect, kClientArea));
    return widget;
}

// The height the box needs to show one whole line of its font. A text box counts a line as
// shown only with its document's margins above and below and a pixel to spare; one that
// shows no whole line scrolls its only line out of sight.
int oneLineHeight(const QAbstractScrollArea* box) {
    qreal line = box->fontMetrics().lineSpacing();
    if (const auto* text = qobject_cast<const QPlainTextEdit*>(box))
        line += 2 * text->document()->documentMargin() + 1;
    else if (const auto* list = qobject_cast<const QListView*>(box);
             list && list->model() && list->model()->rowCount())
        line = std::max<qreal>(line, list->sizeHintForRow(0));
    return qCeil(line) + 2 * box->frameWidth();
}

QLabel* label(QWidget* parent, const char* name, const QString& caption, const QRect& rect,
              bool bold) {
    auto* l = place(new QLabel(caption, parent), name, rect);
    l->setFont(FrmBible::designFont(bold));
    return l;
}

void describe(QWidget* control, const QString& tip, const QString& accessibleName) {
    if (!tip.isEmpty())
        control->setToolTip(tip);
    control->setAccessibleName(accessibleName.isEmpty() ? tip : accessibleName);
    control->setFont(FrmBible::designFont());
}

// The client area with its frame lines along the four edges.
class ClientArea : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        constexpr int k = FrmBible::kTwipsPerPixel;
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

QFont FrmBible::designFont(bool bold) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

FrmBible::FrmBible(QWidget* parent)
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
    menus = buildMenus(menuBar());
    offerEditCommandsOnRightClick();
    createReadingCommands();
    m_focus = new FocusTracker(this);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    for (QWidget* box : displayControls()) {
        m_designed.insert(box, box->geometry());
        box->installEventFilter(this);
        fitToFont(box);
    }
}

bool FrmBible::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FontChange)
        if (auto* box = qobject_cast<QWidget*>(watched); box && m_designed.contains(box))
            fitToFont(box);
    return QMainWindow::eventFilter(watched, event);
}

// A display box too short for one line of the user's font grows downward into free room.
void FrmBible::fitToFont(QWidget* box) {
    QList<QRect> others;
    for (QWidget* control : centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (control != box)
            others.append(m_designed.value(control, control->geometry()));
    const int needed = oneLineHeight(qobject_cast<QAbstractScrollArea*>(box));
    box->setGeometry(placement::grownToHold(m_designed.value(box), needed, others, kClientArea));
}

void FrmBible::createReadingArea(QWidget* area) {
    Label1 = label(area, "Label1", QStringLiteral("Vellumark"), twips(120, 120, 1575, 255), true);
    ComboBooks = place(new ComboBox(area), "ComboBooks", twips(1800, 120, 1815, 315));
    describe(ComboBooks, {}, QStringLiteral("Book"));
    ComboChapter = place(new ComboBox(area), "ComboChapter", twips(3720, 120, 975, 315));
    describe(ComboChapter, {}, QStringLiteral("Chapter"));
    TextVerses = place(new TextBox(area), "TextVerses", twips(120, 480, 4455, 5325));
    describe(TextVerses, {}, QStringLiteral("Chapter text"));
}

void FrmBible::createSearchPage(QWidget* area) {
    Label2 = label(area, "Label2", QStringLiteral("Search the Bible"), twips(4800, 120, 1695, 255),
                   true);
    TextSearch = place(new TextBox(area), "TextSearch", twips(6600, 120, 2535, 645));
    describe(TextSearch, QStringLiteral("Enter search words, phrase, or verse and select book."),
             {});
    ComboSearch = place(new ComboBox(area), "ComboSearch", twips(4680, 480, 1815, 315));
    describe(ComboSearch, QStringLiteral("Select Book to Search"), {});
    ListVerse = place(new ListBox(area), "ListVerse", twips(4680, 960, 4455, 4935));
    describe(ListVerse, QStringLiteral("List Results (click to view)"), {});
}

void FrmBible::createFavoritesPage(QWidget* area) {
    Label4 =
        label(area, "Label4", QStringLiteral("Favorite Verses"), twips(4800, 120, 1575, 255), true);
    ComboBookFavorites =
        place(new ComboBox(area), "ComboBookFavorites", twips(6360, 120, 1695, 315));
    describe(ComboBookFavorites, QStringLiteral("Select Book"), {});
    TextVersesFavorites =
        place(new LineTextBox(area), "TextVersesFavorites", twips(8160, 120, 975, 285));
    describe(TextVersesFavorites, QStringLiteral("Enter Verse(s)"), {});
    TextFavorites = place(new TextBox(area), "TextFavorites", twips(5400, 480, 4455, 735));
    describe(TextFavorites, QStringLiteral("Verse"), {});
    Label3 = label(area, "Label3", QStringLiteral("Subject"), twips(4680, 1320, 735, 255), true);
    ComboCategory = place(new ComboBox(area), "ComboCategory", twips(5400, 1320, 2535, 315));
    describe(ComboCategory, QStringLiteral("Select or Enter New Category"), {});
    CommandAddFavorite = place(new CommandButton(QStringLiteral("&Add Verse"), area),
                               "CommandAddFavorite", twips(8040, 1320, 1095, 375));
    describe(CommandAddFavorite, QStringLiteral("Add Verse"), {});
    TextFavoritesList =
        place(new TextBox(area), "TextFavoritesList", twips(4680, 1800, 4455, 3975));
    describe(TextFavoritesList, QStringLiteral("Favorite Verses"), {});
    LabelCategory = place(new QLabel(area), "LabelCategory", twips(5520, 1560, 2655, 255));
    LabelCategory->hide();
}

void FrmBible::setTabOrder() {
    const QList<QWidget*> order = {ComboBooks,         ComboChapter,        TextVerses,
                                   ComboBookFavorites, TextVersesFavorites, ComboCategory,
                                   CommandAddFavorite, TextFavoritesList,   ComboSearch,
                                   TextSearch,         ListVerse,           TextFavorites};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

// A right click offers the Edit menu's commands, never Qt's own clipboard handling.
void FrmBible::offerEditCommandsOnRightClick() {
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    const QList<QAction*> commands = {menus.mnuCut,    menus.mnuCopy, menus.mnuPaste,
                                      menus.mnuDelete, separator,     menus.mnuSelectAll};
    for (QWidget* clicked : findChildren<QWidget*>()) {
        if (!dynamic_cast<TextControl*>(clicked))
            continue;
        if (auto* combo = qobject_cast<ComboBox*>(clicked))
            clicked = combo->lineEdit();
        clicked->setContextMenuPolicy(Qt::ActionsContextMenu);
        clicked->addActions(commands);
    }
}

void FrmBible::createReadingCommands() {
    nextChapter = new QAction(QStringLiteral("Next Chapter"), this);
    nextChapter->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    previousChapter = new QAction(QStringLiteral("Previous Chapter"), this);
    previousChapter->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    addActions({nextChapter, previousChapter});
    copyWithReference = new QAction(QStringLiteral("Copy with Reference"), TextVerses);
    copyWithReference->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copyWithReference->setShortcutContext(Qt::WidgetShortcut);
    auto* separator = new QAction(TextVerses);
    separator->setSeparator(true);
    TextVerses->addActions({separator, copyWithReference});
}

QWidget* FrmBible::activeControl() const {
    return m_focus->activeControl();
}

QList<QWidget*> FrmBible::displayControls() const {
    return {TextVerses, TextSearch, ListVerse, TextFavorites, TextFavoritesList};
}

void FrmBible::closeEvent(QCloseEvent* event) {
    event->accept();
    emit queryUnload(event);
}
