#pragma once

#include "scripture/reference.h"
#include "texts/comparison.h"

#include <QList>
#include <QTextEdit>

// The verse in every text, read-only and selectable: the reference first, then each text's
// description in bold over its words, or over why it has none, in italics. Whatever is copied
// or dragged out of it carries the reference.
class ComparisonBox : public QTextEdit {
    Q_OBJECT
public:
    explicit ComparisonBox(QWidget* parent);

    void show(const scripture::Reference& verse, const QList<texts::ComparedVerse>& compared);
    // The selection, or everything when nothing is selected, after the reference.
    QString copied() const;

protected:
    QMimeData* createMimeDataFromSelection() const override;

private:
    scripture::Reference m_verse;
};
