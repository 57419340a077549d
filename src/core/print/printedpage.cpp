#include "print/printedpage.h"

#include <algorithm>

namespace print {

namespace {

qreal side(qreal chosen, qreal unprintable) {
    return std::max({kMarginMillimetres, chosen, unprintable});
}

QString documentName(const QString& printed) {
    return QStringLiteral("Vellumark - ") + printed;
}

} // namespace

QMarginsF margins(const QMarginsF& chosen, const QMarginsF& unprintable) {
    return {side(chosen.left(), unprintable.left()), side(chosen.top(), unprintable.top()),
            side(chosen.right(), unprintable.right()), side(chosen.bottom(), unprintable.bottom())};
}

// A list not yet saved under a subject is still the favorite verses.
QString subjectDocumentName(const QString& subject) {
    return documentName(subject.isEmpty() ? QStringLiteral("Favorite Verses") : subject);
}

QString windowDocumentName() {
    return documentName(QStringLiteral("window"));
}

} // namespace print
