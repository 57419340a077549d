#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QRect>

class QWidget;

// Places the client area's controls for its size, and keeps the display boxes readable in the
// user's font: a box too short for one line of its font grows downward into free room, never
// over another control or past the client area, and goes back to its place when the font
// allows.
class ClientLayout : public QObject {
    Q_OBJECT
public:
    // The controls are the area's direct children, found by their design names.
    ClientLayout(QWidget* area, const QList<QWidget*>& boxes);

    // Places controls made since, and keeps these display boxes readable too.
    void adopt(const QList<QWidget*>& boxes);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();
    void fit(QWidget* box);

    QWidget* m_area;
    QList<QWidget*> m_boxes;
    QHash<QWidget*, QRect> m_places; // every control's place for the area's size
};
