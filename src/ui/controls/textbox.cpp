#include "controls/textbox.h"

#include "controls/editkeyfilter.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QTextBlock>

#include <algorithm>

TextBox::TextBox(QWidget* parent)
    : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    new EditKeyFilter(this, viewport(), [this](const QPoint& at) {
        setTextCursor(cursorForPosition(at));
        emit pasteSelectionRequested();
    });
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int removed, int added) {
                if (!m_assigning)
                    followDocument(position, removed, added);
            });
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_assigning)
            noticeChange();
    });
}

void TextBox::setText(const QString& text) {
    assign(text, false);
}

void TextBox::setTextUndoably(const QString& text) {
    assign(text, true);
}

void TextBox::assign(const QString& text, bool undoable) {
    if (text == m_exact.text())
        return;
    // Qt may report the emptied document before the new text: report one change, at the end.
    m_assigning = true;
    ++m_assignments;
    m_exact = ExactText(text);
    if (undoable) {
        QTextCursor whole(document());
        whole.beginEditBlock();
        whole.select(QTextCursor::Document);
        whole.insertText(m_exact.documentText());
        whole.endEditBlock();
    } else {
        setPlainText(m_exact.documentText()); // which forgets every edit there was to undo
    }
    m_documentText = document()->toRawText();
    m_assigning = false;
    if (!hasFocus())
        m_restingSelection = {0, 0};
    m_changed = false;
    emit changed();
}

// The raw text keeps the non-breaking space that the plain text turns into a space.
void TextBox::followDocument(int position, int removed, int added) {
    QString now = document()->toRawText();
    if (now == m_documentText)
        return;
    m_exact.follow(m_documentText, now, position, removed, added);
    m_documentText = std::move(now);
    m_changed = true;
}

void TextBox::noticeChange() {
    if (std::exchange(m_changed, false))
        emit changed();
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

// A new font or size moves the lines: the one with the caret stays in view.
void TextBox::changeEvent(QEvent* event) {
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        ensureCursorVisible();
}

void TextBox::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    ensureCursorVisible();
}

int TextBox::selStart() const {
    return m_exact.offsetAt(textCursor().selectionStart());
}

void TextBox::setSelStart(int offset) {
    QTextCursor cursor = textCursor();
    cursor.setPosition(m_exact.positionAt(std::max(offset, 0)));
    setTextCursor(cursor);
    ensureCursorVisible();
}

int TextBox::selLength() const {
    const QTextCursor cursor = textCursor();
    return m_exact.offsetAt(cursor.selectionEnd()) - m_exact.offsetAt(cursor.selectionStart());
}

void TextBox::setSelLength(int length) {
    QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    const int end = m_exact.positionAt(m_exact.offsetAt(start) + std::max(length, 0));
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

QString TextBox::selText() const {
    const QTextCursor cursor = textCursor();
    return m_exact.between(cursor.selectionStart(), cursor.selectionEnd());
}

// A change handler that assigns a new text places the caret in it itself.
void TextBox::setSelText(const QString& text) {
    QTextCursor cursor = textCursor();
    const quint64 assignments = m_assignments;
    cursor.insertText(ExactText(text).documentText());
    if (m_assignments == assignments)
        setTextCursor(cursor);
}

void TextBox::deleteForward() {
    QTextCursor cursor = textCursor();
    cursor.deleteChar();
    setTextCursor(cursor);
}

LineTextBox::LineTextBox(QWidget* parent)
    : QLineEdit(parent) {
    new EditKeyFilter(this, this, [this](const QPoint& at) {
        setCursorPosition(cursorPositionAt(at));
        emit pasteSelectionRequested();
    });
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
    emit changed();
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

int TextBox::topOffset() const {
    return m_exact.offsetAt(cursorForPosition(QPoint(0, 0)).position());
}
