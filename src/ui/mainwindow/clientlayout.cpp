#include "mainwindow/clientlayout.h"

#include "placement/placement.h"

#include <QEvent>
#include <QListView>
#include <QPlainTextEdit>
#include <QtMath>

namespace {

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

} // namespace

ClientLayout::ClientLayout(QWidget* area, const QList<QWidget*>& boxes)
    : QObject(area)
    , m_area(area) {
    area->installEventFilter(this);
    adopt(boxes);
}

void ClientLayout::adopt(const QList<QWidget*>& boxes) {
    m_boxes += boxes;
    for (QWidget* box : boxes)
        box->installEventFilter(this);
    place();
}

bool ClientLayout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_area && event->type() == QEvent::Resize)
        place();
    else if (event->type() == QEvent::FontChange)
        if (auto* box = qobject_cast<QWidget*>(watched); box && m_boxes.contains(box))
            fit(box);
    return false;
}

void ClientLayout::place() {
    const QMap<placement::Control, QRect> layout = placement::windowLayout(m_area->size());
    m_places.clear();
    for (auto it = layout.cbegin(); it != layout.cend(); ++it) {
        if (auto* control = m_area->findChild<QWidget*>(placement::designName(it.key()),
                                                        Qt::FindDirectChildrenOnly)) {
            m_places.insert(control, *it);
            control->setGeometry(*it);
        }
    }
    for (QWidget* box : m_boxes)
        fit(box);
}

void ClientLayout::fit(QWidget* box) {
    QList<QRect> others;
    for (auto it = m_places.cbegin(); it != m_places.cend(); ++it)
        if (it.key() != box)
            others.append(it.value());
    const int needed = oneLineHeight(qobject_cast<QAbstractScrollArea*>(box));
    box->setGeometry(placement::grownToHold(m_places.value(box), needed, others, m_area->size()));
}
