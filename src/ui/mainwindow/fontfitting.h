#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QRect>
#include <QSize>

class QWidget;

// Keeps the display boxes readable in the user's font: a box too short for one line of its
// font grows downward into free room, never over another control or past the client area,
// and goes back to its designed place when the font allows.
class FontFitting : public QObject {
    Q_OBJECT
public:
    // The boxes are the area's direct children; their places as they are now count as designed.
    FontFitting(QWidget* area, const QList<QWidget*>& boxes);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fit(QWidget* box);

    QWidget* m_area;
    QHash<QWidget*, QRect> m_designed; // the boxes' places at the design font
};
