#pragma once

#include "report/question.h"

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

// The title of the messages that speak for the whole program rather than one page.
inline constexpr QLatin1String kProgramMessageTitle("Bible ORV");

// Message boxes with the classic button codes and answers. The window asks through this
// interface so a test can script the answers and read back what was asked.
class MessageBoxes {
public:
    MessageBoxes() = default;
    Q_DISABLE_COPY_MOVE(MessageBoxes)
    using Buttons = report::Buttons;
    using enum report::Buttons;
    using Answer = report::Answer;
    using enum report::Answer;

    virtual ~MessageBoxes() = default;
    virtual Answer ask(const QString& text, Buttons buttons, const QString& title) = 0;
    // A question whose buttons say what each does: the index of the one pressed. The safe
    // choice is the default button and the answer when the box is closed otherwise.
    virtual int choose(const QString& text, const QStringList& choices, int safeChoice,
                       const QString& title) = 0;
    // A line of text asked for, offered filled in and selected: what was typed, or nothing when
    // the question was cancelled.
    virtual std::optional<QString> askText(const QString& label, const QString& offered,
                                           const QString& title) = 0;
    Answer ask(const report::Question& question) {
        return ask(question.text, question.buttons, question.title);
    }
};

// Shows a real, icon-less message box over the given parent.
class WidgetMessageBoxes : public MessageBoxes {
public:
    explicit WidgetMessageBoxes(QWidget* parent = nullptr)
        : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }
    Answer ask(const QString& text, Buttons buttons, const QString& title) override;
    int choose(const QString& text, const QStringList& choices, int safeChoice,
               const QString& title) override;
    std::optional<QString> askText(const QString& label, const QString& offered,
                                   const QString& title) override;

private:
    QWidget* m_parent;
};

// Moves a window to the centre of its owner, where the user's eyes are, and onto the owner's
// screen. Before a window is shown its position is its frame's; while it is being shown, the
// position of what is inside the frame.
enum class Placing { Frame, Client };
void placeOver(QWidget& window, const QWidget& owner, Placing placing = Placing::Frame);
