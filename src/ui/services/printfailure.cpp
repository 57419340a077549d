#include "services/printfailure.h"

#include "services/messageboxes.h"

void reportPrintFailure(MessageBoxes& messages, const PrintService::Outcome& outcome,
                        const QString& title) {
    if (outcome.printed || outcome.error.isEmpty())
        return;
    messages.ask(outcome.error, MessageBoxes::OkOnly, title);
}
