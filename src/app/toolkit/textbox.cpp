#include "app/toolkit/textbox.h"

#include "app/toolkit/crlfoffsets.h"

#include <QScrollBar>
#include <QTextBlock>

#include <algorithm>

TextBox::TextBox(QWidget* parent)
    : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_assigning)
            noticeChange();
    });
}

QString TextBox::text() const {
    return crlf::toCrLf(toPlainText());
}

void TextBox::setText(const QString& text) {
    const QString lfText = crlf::toLf(text);
    if (lfText == m_lastText)
        return;
    // Qt may report the emptied document before the new text: report one change, at the end.
    m_assigning = true;
    setPlainText(lfText);
    m_assigning = false;
    noticeChange();
}

void TextBox::noticeChange() {
    QString now = toPlainText();
    if (now == m_lastText)
        return;
    m_lastText = std::move(now);
    run(onChange);
}

int TextBox::selStart() const {
    return crlf::toCrLfOffset(toPlainText(), textCursor().selectionStart());
}

void TextBox::setSelStart(int offset) {
    QTextCursor cursor = textCursor();
    cursor.setPosition(crlf::toLfPosition(toPlainText(), std::max(offset, 0)));
    setTextCursor(cursor);
    ensureCursorVisible();
}

int TextBox::selLength() const {
    const QTextCursor cursor = textCursor();
    const QString plain = toPlainText();
    return crlf::toCrLfOffset(plain, cursor.selectionEnd()) -
           crlf::toCrLfOffset(plain, cursor.selectionStart());
}

void TextBox::setSelLength(int length) {
    const QString plain = toPlainText();
    QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    const int end =
        crlf::toLfPosition(plain, crlf::toCrLfOffset(plain, start) + std::max(length, 0));
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

QString TextBox::selText() const {
    QString selected = textCursor().selectedText();
    selected.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return crlf::toCrLf(selected);
}

void TextBox::setSelText(const QString& text) {
    QTextCursor cursor = textCursor();
    cursor.insertText(crlf::toLf(text));
    setTextCursor(cursor);
}

void TextBox::deleteForward() {
    QTextCursor cursor = textCursor();
    cursor.deleteChar();
    setTextCursor(cursor);
}

LineTextBox::LineTextBox(QWidget* parent)
    : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, [this] { noticeChange(); });
}

void LineTextBox::setText(const QString& text) {
    QLineEdit::setText(text); // textChanged runs the change handler, nested
}

void LineTextBox::noticeChange() {
    QString now = QLineEdit::text();
    if (now == m_lastText)
        return;
    m_lastText = std::move(now);
    run(onChange);
}

int LineTextBox::selStart() const {
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

void LineTextBox::setSelStart(int offset) {
    setCursorPosition(std::clamp(offset, 0, int(QLineEdit::text().size())));
}

int LineTextBox::selLength() const {
    return int(selectedText().size());
}

void LineTextBox::setSelLength(int length) {
    const int start = selStart();
    setSelection(start, std::clamp(length, 0, int(QLineEdit::text().size()) - start));
}
