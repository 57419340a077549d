#include "controls/listbox.h"

#include <QAbstractListModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>

#include <utility>

int ListItems::find(const QString& text) const {
    for (int row = 0; row < count(); ++row) {
        if (item(row) == text)
            return row;
    }
    return -1;
}

namespace {

class TextItems : public ListItems {
public:
    explicit TextItems(QStringList texts)
        : m_texts(std::move(texts)) {}
    int count() const override { return int(m_texts.size()); }
    QString item(int row) const override { return m_texts.at(row); }
    int find(const QString& text) const override { return int(m_texts.indexOf(text)); }

private:
    QStringList m_texts;
};

} // namespace

// The items as the view sees them: an item is made when the view asks for its text.
class ListItemModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    const ListItems& items() const { return *m_items; }

    void reset(std::shared_ptr<const ListItems> items) {
        beginResetModel();
        m_items = std::move(items);
        endResetModel();
    }

    // The same items with one more after them.
    void extend(std::shared_ptr<const ListItems> items) {
        const int row = rowCount();
        beginInsertRows({}, row, row);
        m_items = std::move(items);
        endInsertRows();
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : m_items->count();
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= rowCount() ||
            (role != Qt::DisplayRole && role != Qt::EditRole))
            return {};
        return m_items->item(index.row());
    }

private:
    std::shared_ptr<const ListItems> m_items = std::make_shared<TextItems>(QStringList());
};

ListBox::ListBox(QWidget* parent)
    : QListView(parent)
    , m_model(new ListItemModel(this)) {
    setModel(m_model);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!m_assigning && selectionModel()->hasSelection())
            emit picked();
    });
}

void ListBox::addItem(const QString& item) {
    QStringList all = items();
    all.append(item);
    m_model->extend(std::make_shared<TextItems>(std::move(all)));
}

void ListBox::setItems(const QStringList& items) {
    setItemSource(std::make_shared<TextItems>(items));
}

void ListBox::setItemSource(std::shared_ptr<const ListItems> items) {
    m_model->reset(std::move(items));
}

void ListBox::clear() {
    setItems(QStringList());
}

QStringList ListBox::items() const {
    QStringList all;
    all.reserve(count());
    for (int row = 0; row < count(); ++row)
        all.append(m_model->items().item(row));
    return all;
}

int ListBox::count() const {
    return m_model->rowCount();
}

QString ListBox::text() const {
    const int row = listIndex();
    return row < 0 ? QString() : m_model->items().item(row);
}

int ListBox::listIndex() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void ListBox::setText(const QString& text) {
    const int row = m_model->items().find(text);
    m_assigning = true;
    if (row < 0) {
        clearSelection();
    } else {
        setCurrentIndex(m_model->index(row));
        scrollTo(m_model->index(row));
    }
    m_assigning = false;
    if (row >= 0)
        emit picked();
}

void ListBox::keyPressEvent(QKeyEvent* event) {
    const bool outer = std::exchange(m_byKeyboard, true);
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        const QModelIndex cursor = currentIndex();
        if (cursor.isValid() && !selectionModel()->isSelected(cursor))
            selectionModel()->select(cursor, QItemSelectionModel::ClearAndSelect);
        event->accept();
        emit returnPressed();
    } else {
        QListView::keyPressEvent(event);
    }
    m_byKeyboard = outer;
}

void ListBox::mousePressEvent(QMouseEvent* event) {
    const QModelIndex hit = indexAt(event->position().toPoint());
    const bool wasSelected = hit.isValid() && selectionModel()->isSelected(hit);
    QListView::mousePressEvent(event);
    m_reclickPending = wasSelected && event->button() == Qt::LeftButton;
}

void ListBox::mouseReleaseEvent(QMouseEvent* event) {
    QListView::mouseReleaseEvent(event);
    const QModelIndex hit = indexAt(event->position().toPoint());
    if (m_reclickPending && hit.isValid() && selectionModel()->isSelected(hit))
        emit picked(); // a click on the line already selected opens it again
    m_reclickPending = false;
}

// A new font or size moves the items: the current one stays in view.
void ListBox::changeEvent(QEvent* event) {
    QListView::changeEvent(event);
    if (event->type() == QEvent::FontChange && currentIndex().isValid())
        scrollTo(currentIndex());
}

bool ListBox::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex hit = indexAt(help->pos());
        const QRect item = visualRect(hit);
        const bool cut =
            item.left() < 0 || item.left() + sizeHintForIndex(hit).width() > viewport()->width();
        if (hit.isValid() && cut) {
            QToolTip::showText(help->globalPos(), m_model->items().item(hit.row()), viewport(),
                               item);
            return true;
        }
    }
    return QListView::viewportEvent(event);
}

#include "listbox.moc"
