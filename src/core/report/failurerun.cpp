#include "report/failurerun.h"

#include <utility>

namespace report {

void FailureRun::begin() {
    m_running = true;
    m_toldInRun = false;
}

void FailureRun::end() {
    m_running = false;
}

bool FailureRun::tells(bool saved) {
    if (saved)
        return false;
    return !m_running || !std::exchange(m_toldInRun, true);
}

} // namespace report
