#pragma once

#include <QString>

// The texts the favorites page shows where nothing is chosen yet; the decisions compare against
// them, so each is written once.
namespace favorites {

// The subject box before a subject is chosen, and what an emptied favorites list shows when the
// box names nothing either.
inline const QString kSelectSubject = QStringLiteral("Select Subject");
inline const QString kNewSubjectText = QStringLiteral("New");

} // namespace favorites
