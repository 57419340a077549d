#pragma once

#include <QString>

namespace report {

// The classic message box codes: the buttons a box shows (the default button is the first,
// except where the code adds 256: the second), and the one the user pressed.
enum class Buttons { OkOnly = 0, OkCancel = 1, YesNo = 4, OkCancelDefaultCancel = 1 + 256 };
enum class Answer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

// What a message box asks.
struct Question {
    QString text;
    Buttons buttons = Buttons::OkOnly;
    QString title;
};

} // namespace report
