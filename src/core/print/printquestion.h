#pragma once

#include "shell/question.h"

// What the user is asked before anything is printed, and which answers print.
namespace print {

shell::Question windowQuestion();
shell::Question subjectQuestion(const QString& subject);

// Only OK or Yes prints; Cancel, No, or a box closed without a choice prints nothing.
bool printsOn(shell::Answer answer);

} // namespace print
