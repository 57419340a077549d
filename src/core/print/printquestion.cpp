#include "print/printquestion.h"

namespace print {

shell::Question windowQuestion() {
    return {QStringLiteral("Print Current Form"), shell::Buttons::OkCancel,
            QStringLiteral("Print Form")};
}

shell::Question subjectQuestion(const QString& subject) {
    return {QStringLiteral("Do you want to print ") + subject + QStringLiteral(" ?"),
            shell::Buttons::YesNo, QStringLiteral("Print Favorite Verses")};
}

bool printsOn(shell::Answer answer) {
    return answer == shell::Answer::Ok || answer == shell::Answer::Yes;
}

} // namespace print
