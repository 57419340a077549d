#include "app/toolkit/textbox.h"

#include "app/toolkit/crlfoffsets.h"

#include <QFocusEvent>
#include <QMouseEvent>
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
    if (!hasFocus())
        m_restingSelection = {0, 0};
    noticeChange();
}

void TextBox::noticeChange() {
    QString now = toPlainText();
    if (now == m_lastText)
        return;
    m_lastText = std::move(now);
    run(onChange);
}

void TextBox::focusInEvent(QFocusEvent* event) {
    QPlainTextEdit::focusInEvent(event);
    m_focusedByMouse = event->reason() == Qt::MouseFocusReason;
}

void TextBox::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    m_restingSelection = {textCursor().anchor(), textCursor().position()};
}

void TextBox::mousePressEvent(QMouseEvent* event) {
    const bool focusedByThisPress = std::exchange(m_focusedByMouse, false);
    const QTextCursor chosenOnFocus = textCursor();
    const std::pair<int, int> chosen{chosenOnFocus.anchor(), chosenOnFocus.position()};
    if (focusedByThisPress && chosen != m_restingSelection && event->button() == Qt::LeftButton)
        m_keptThroughClick = chosenOnFocus;
    QPlainTextEdit::mousePressEvent(event);
    if (m_keptThroughClick)
        setTextCursor(*m_keptThroughClick);
}

void TextBox::mouseReleaseEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseReleaseEvent(event);
    // A click inside a selection places the caret on release: not for this click.
    if (const std::optional<QTextCursor> kept = std::exchange(m_keptThroughClick, std::nullopt))
        setTextCursor(*kept);
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
