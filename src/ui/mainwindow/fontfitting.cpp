#include "mainwindow/fontfitting.h"

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

FontFitting::FontFitting(QWidget* area, const QList<QWidget*>& boxes)
    : QObject(area)
    , m_area(area) {
    for (QWidget* box : boxes) {
        m_designed.insert(box, box->geometry());
        box->installEventFilter(this);
        fit(box);
    }
}

bool FontFitting::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FontChange)
        if (auto* box = qobject_cast<QWidget*>(watched); box && m_designed.contains(box))
            fit(box);
    return false;
}

void FontFitting::fit(QWidget* box) {
    QList<QRect> others;
    for (QWidget* control : m_area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (control != box)
            others.append(m_designed.value(control, control->geometry()));
    const int needed = oneLineHeight(qobject_cast<QAbstractScrollArea*>(box));
    box->setGeometry(placement::grownToHold(m_designed.value(box), needed, others, m_area->size()));
}
