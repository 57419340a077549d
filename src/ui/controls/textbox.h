#pragma once

#include "controls/control.h"
#include "text/exacttext.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <optional>
#include <utility>

// A multi-line text box: word-wrapped, vertical scroll bar. Text is exactly what was assigned
// or typed: line breaks as they came (a typed one is CR LF) and every character, the
// non-breaking space included. Tab and Shift+Tab move the focus on instead of typing a tab.
// The edit keys and the middle click are left to the window's edit commands.
class TextBox : public QPlainTextEdit, public TextControl {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    QString text() const override { return m_exact.text(); }
    void setText(const QString& text) override;
    // As setText(), but as one edit that Undo takes back, the text before it returning.
    void setTextUndoably(const QString& text);
    int selStart() const override;
    void setSelStart(int offset) override;
    int selLength() const override;
    void setSelLength(int length) override;
    QString selText() const override;
    void setSelText(const QString& text) override;
    void deleteForward() override;
    void undoEdit() override { undo(); }
    // Where an offset of the text falls in Qt's document, which counts a line break once.
    int positionOfOffset(int offset) const { return m_exact.positionAt(offset); }
    // The offset the top line shown starts at.
    int topOffset() const;
    void raiseGotFocus() override { emit gotFocus(); }
    void raiseLostFocus() override { emit lostFocus(); }

signals:
    void changed();
    void gotFocus();
    void lostFocus();
    void pasteSelectionRequested();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void assign(const QString& text, bool undoable);
    void followDocument(int position, int removed, int added);
    void noticeChange();

    ExactText m_exact;
    QString m_documentText; // the document as last seen; a change is a difference from it
    bool m_assigning = false;
    quint64 m_assignments = 0; // how often the text was assigned
    bool m_changed = false;
    // A click that gives the box the focus must not undo what its got-focus handler selected:
    // the selection as the box was left, to tell whether the handler changed it.
    std::pair<int, int> m_restingSelection{0, 0};
    bool m_focusedByMouse = false;
    std::optional<QTextCursor> m_keptThroughClick;
};

// A single-line text box.
class LineTextBox : public QLineEdit, public TextControl {
    Q_OBJECT
public:
    explicit LineTextBox(QWidget* parent = nullptr);

    QString text() const override { return QLineEdit::text(); }
    void setText(const QString& text) override;
    int selStart() const override;
    void setSelStart(int offset) override;
    int selLength() const override;
    void setSelLength(int length) override;
    QString selText() const override { return selectedText(); }
    void setSelText(const QString& text) override { insert(text); }
    void deleteForward() override { del(); }
    void undoEdit() override { undo(); }
    void raiseGotFocus() override { emit gotFocus(); }
    void raiseLostFocus() override { emit lostFocus(); }

signals:
    void changed();
    void gotFocus();
    void lostFocus();
    void pasteSelectionRequested();

private:
    void noticeChange();
    QString m_lastText;
};
