#include "texts/textsmenu.h"

#include <QActionGroup>
#include <QMenu>
#include <QWidget>

namespace {

constexpr int kNumberedTexts = 9;

QKeySequence numberKey(int index) {
    return QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + index));
}

} // namespace

TextsMenu::TextsMenu(QMenu* menu, QWidget* window, QString bibleDatDescription,
                     std::function<Listing()> list)
    : QObject(menu)
    , m_menu(menu)
    , m_group(new QActionGroup(menu))
    , m_list(std::move(list)) {
    addText(bibleDatDescription, 0)->setChecked(true);
    for (int index = 1; index < kNumberedTexts; ++index) {
        auto* key = new QAction(window);
        key->setShortcut(numberKey(index));
        window->addAction(key);
        connect(key, &QAction::triggered, this, [this, index] {
            fill();
            if (QAction* item = m_group->actions().value(index))
                item->trigger();
        });
        m_beforeListed << key;
    }
    connect(menu, &QMenu::aboutToShow, this, &TextsMenu::fill);
}

// Why the texts beyond Bible.dat are missing is said in the menu, where they would be.
void TextsMenu::fill() {
    if (std::exchange(m_filled, true))
        return;
    const Listing listing = m_list();
    // The keys' own items take them over; deleted later, as one of them may be running this.
    for (QAction* key : std::exchange(m_beforeListed, {})) {
        key->setShortcut({});
        key->deleteLater();
    }
    for (int index = 1; index < listing.descriptions.size(); ++index)
        addText(listing.descriptions[index], index);
    if (!listing.problem.isEmpty()) {
        // The reason's first clause; the whole of it, with the paths looked in, as its tip.
        auto* note = new QAction(listing.problem.section(u';', 0, 0), m_menu);
        note->setStatusTip(listing.problem);
        note->setToolTip(listing.problem);
        note->setEnabled(false);
        m_menu->insertAction(m_menu->actions().value(m_group->actions().size()), note);
    }
}

void TextsMenu::check(int index) {
    const QList<QAction*> items = m_group->actions();
    if (index >= 0 && index < items.size())
        items[index]->setChecked(true);
}

QAction* TextsMenu::addText(const QString& description, int index) {
    auto* item = new QAction(description, m_group);
    item->setObjectName(QStringLiteral("mnuText%1").arg(index + 1));
    item->setCheckable(true);
    if (index < kNumberedTexts)
        item->setShortcut(numberKey(index));
    m_menu->insertAction(m_menu->actions().value(m_group->actions().size() - 1), item);
    connect(item, &QAction::triggered, this, [this, index] { emit picked(index); });
    return item;
}
