#pragma once

namespace report {

// Of saves made in one run (Display Fonts preselecting its three lists, each selection saving),
// only the first failure is told: one fault fails them all alike. Outside a run every failure
// is told.
class FailureRun {
public:
    void begin();
    void end();
    // Whether the outcome of a save is a failure to tell.
    bool tells(bool saved);

private:
    bool m_running = false;
    bool m_toldInRun = false;
};

} // namespace report
