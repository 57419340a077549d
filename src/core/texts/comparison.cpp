#include "texts/comparison.h"

#include "scripture/textfile.h"
#include "scripture/verselines.h"
#include "text/linebreak.h"

#include <QDir>

namespace texts {

std::optional<ComparedVerse> compareIn(TextShelf& shelf, const Text& text,
                                       const scripture::Reference& verse, const Progress& progress,
                                       std::stop_token stop) {
    const Rendering rendering = shelf.fileOf(text, progress, std::move(stop));
    if (rendering.stopped)
        return std::nullopt;
    ComparedVerse compared{text.description, {}, rendering.problem};
    if (rendering.path.isEmpty())
        return compared;
    const std::optional<VerseText> read = scripture::readVerseText(rendering.path);
    if (!read) {
        compared.absence =
            QStringLiteral("%1 could not be read").arg(QDir::toNativeSeparators(rendering.path));
        return compared;
    }
    compared.words = scripture::versesOf(*read, verse).join(QLatin1Char(' '));
    if (compared.words.isEmpty())
        compared.absence = kNotInThisText;
    return compared;
}

QString copiedWithReference(const scripture::Reference& verse, const QString& selected) {
    const QString reference = verse.formatted();
    QString copied = selected.startsWith(reference) ? selected : reference + '\n' + selected;
    return copied.replace(QLatin1Char('\n'), text::kCrLf);
}

} // namespace texts
