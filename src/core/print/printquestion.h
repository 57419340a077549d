#pragma once

#include "report/question.h"

// What the user is asked before anything is printed, and which answers print.
namespace print {

report::Question windowQuestion();
report::Question subjectQuestion(const QString& subject);

// Only OK or Yes prints; Cancel, No, or a box closed without a choice prints nothing.
bool printsOn(report::Answer answer);

} // namespace print
