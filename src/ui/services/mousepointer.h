#pragma once

#include <QtGlobal>

// The screen's mouse pointer: the hourglass while the program is busy, else the default.
class MousePointer {
public:
    MousePointer() = default;
    Q_DISABLE_COPY_MOVE(MousePointer)
    virtual ~MousePointer() = default;
    virtual void setBusy(bool busy) = 0;
};

class CursorMousePointer : public MousePointer {
public:
    CursorMousePointer() = default;
    ~CursorMousePointer() override;
    void setBusy(bool busy) override;

private:
    bool m_busy = false;
};

// Shows the hourglass for the life of the scope, and always restores the default pointer,
// whichever way the scope is left.
class BusyScope {
public:
    explicit BusyScope(MousePointer& pointer)
        : m_pointer(pointer) {
        m_pointer.setBusy(true);
    }
    ~BusyScope() { m_pointer.setBusy(false); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    MousePointer& m_pointer;
};
