#pragma once

#include "scripture/reference.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;

// The note on one verse, in a window beside the main one: plain text the user writes, saved
// without a save command when it is left. Ctrl+Enter, or a click with Ctrl, on a reference typed
// in it ("Rom 8:28") opens that verse.
class NoteWindow : public QDialog {
    Q_OBJECT
public:
    explicit NoteWindow(QWidget* parent);

    void showNote(const scripture::Reference& verse, const QString& text);
    QString text() const;
    const scripture::Reference& verse() const { return m_verse; }

signals:
    // The text was left: the focus went elsewhere.
    void left();
    // Before the window closes; a handler that ignores the event keeps it open.
    void closing(QCloseEvent* event);
    void referenceActivated(const scripture::Reference& verse);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Esc closes as the close box does, so an unsaved note is asked about.
    void reject() override { close(); }

private:
    void activateReferenceAt(int position);

    QLabel* m_heading;
    QPlainTextEdit* m_text;
    scripture::Reference m_verse;
};
