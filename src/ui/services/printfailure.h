#pragma once

#include "services/printservice.h"

class MessageBoxes;

// Tells the user when a document could not be printed; a cancelled print dialog is the
// user's own choice and says nothing.
void reportPrintFailure(MessageBoxes& messages, const PrintService::Outcome& outcome,
                        const QString& title);
