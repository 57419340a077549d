#include "controls/listbox.h"

#include <QMouseEvent>
#include <QStringListModel>

ListBox::ListBox(QWidget* parent)
    : QListView(parent)
    , m_model(new QStringListModel(this)) {
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
    const int row = m_model->rowCount();
    m_model->insertRows(row, 1);
    m_model->setData(m_model->index(row), item);
}

void ListBox::setItems(const QStringList& items) {
    m_model->setStringList(items);
}

void ListBox::clear() {
    m_model->setStringList({});
}

QStringList ListBox::items() const {
    return m_model->stringList();
}

int ListBox::count() const {
    return m_model->rowCount();
}

QString ListBox::text() const {
    const int row = listIndex();
    return row < 0 ? QString() : m_model->index(row).data().toString();
}

int ListBox::listIndex() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void ListBox::setText(const QString& text) {
    const int row = int(m_model->stringList().indexOf(text));
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
