#include "comparedialog/comparisonbox.h"

#include <QMimeData>
#include <QTextCursor>
#include <QTextDocumentFragment>

namespace {

QTextCharFormat styled(bool bold, bool italic) {
    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(italic);
    return format;
}

} // namespace

ComparisonBox::ComparisonBox(QWidget* parent)
    : QTextEdit(parent) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

// A blank line before each text, so that a copy reads as the window shows it.
void ComparisonBox::show(const scripture::Reference& verse,
                         const QList<texts::ComparedVerse>& compared) {
    m_verse = verse;
    clear();
    QTextCursor cursor(document());
    cursor.insertText(verse.formatted(), styled(true, false));
    for (const texts::ComparedVerse& text : compared) {
        cursor.insertText(QStringLiteral("\n\n"), styled(false, false));
        cursor.insertText(text.description, styled(true, false));
        cursor.insertText(QStringLiteral("\n"), styled(false, false));
        if (text.words.isEmpty())
            cursor.insertText(text.absence, styled(false, true));
        else
            cursor.insertText(text.words, styled(false, false));
    }
}

QString ComparisonBox::copied() const {
    const QTextCursor selection = textCursor();
    const QString selected =
        selection.hasSelection() ? selection.selection().toPlainText() : toPlainText();
    return texts::copiedWithReference(m_verse, selected);
}

QMimeData* ComparisonBox::createMimeDataFromSelection() const {
    auto* data = new QMimeData;
    data->setText(copied());
    return data;
}
