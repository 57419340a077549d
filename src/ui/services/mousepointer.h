#pragma once

// The screen's mouse pointer: the hourglass while the program is busy, else the default.
class MousePointer {
public:
    virtual ~MousePointer() = default;
    virtual void setBusy(bool busy) = 0;
    virtual bool isBusy() const = 0;
};

class CursorMousePointer : public MousePointer {
public:
    ~CursorMousePointer() override;
    void setBusy(bool busy) override;
    bool isBusy() const override { return m_busy; }

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
