#pragma once

#include <optional>

namespace prefs {

// Bigger Text and Smaller Text step the display font through the sizes Display Fonts offers;
// Normal Size goes back to the size the latest steps started from. A size chosen some other
// way between steps starts them afresh.
class SizeSteps {
public:
    // The next size larger (a positive step) or smaller (a negative one) than the size shown;
    // nothing beyond the list's ends.
    std::optional<double> step(double shown, int step);
    // The size the steps started from, while the size shown is still the latest step's.
    std::optional<double> backToStart(double shown);

private:
    std::optional<double> m_start;   // the size before the first of the latest steps
    std::optional<double> m_stepped; // the size the latest step showed
};

} // namespace prefs
