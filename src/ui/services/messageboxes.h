#pragma once

#include <QString>

class QWidget;

// Message boxes with the classic button codes and answers. The window asks through this
// interface so a test can script the answers and read back what was asked.
class MessageBoxes {
public:
    enum Buttons { OkOnly = 0, OkCancel = 1, YesNo = 4 };
    enum Answer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

    virtual ~MessageBoxes() = default;
    virtual Answer ask(const QString& text, Buttons buttons, const QString& title) = 0;
};

// Shows a real, icon-less message box over the given parent.
class WidgetMessageBoxes : public MessageBoxes {
public:
    explicit WidgetMessageBoxes(QWidget* parent = nullptr)
        : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }
    Answer ask(const QString& text, Buttons buttons, const QString& title) override;

private:
    QWidget* m_parent;
};
