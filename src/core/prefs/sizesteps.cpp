#include "prefs/sizesteps.h"

#include "prefs/preferencesrecord.h"

namespace prefs {

std::optional<double> SizeSteps::step(double shown, int step) {
    if (m_stepped != shown) // chosen some other way, or the first step
        m_start = shown;
    const std::optional<QString> size = steppedSize(shown, step);
    if (!size)
        return std::nullopt;
    m_stepped = size->toDouble();
    return m_stepped;
}

std::optional<double> SizeSteps::backToStart(double shown) {
    if (!m_start || m_stepped != shown)
        return std::nullopt;
    m_stepped = m_start;
    return m_start;
}

} // namespace prefs
