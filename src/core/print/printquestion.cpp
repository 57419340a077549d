#include "print/printquestion.h"

namespace print {

report::Question windowQuestion() {
    return {QStringLiteral("Print Current Form"), report::Buttons::OkCancel,
            QStringLiteral("Print Form")};
}

report::Question subjectQuestion(const QString& subject) {
    return {QStringLiteral("Do you want to print ") + subject + QStringLiteral(" ?"),
            report::Buttons::YesNo, QStringLiteral("Print Favorite Verses")};
}

bool printsOn(report::Answer answer) {
    return answer == report::Answer::Ok || answer == report::Answer::Yes;
}

} // namespace print
