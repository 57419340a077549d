#include "favorites/subjectprintlines.h"

#include "text/spacetrim.h"

#include <QRegularExpression>

namespace {

// One paragraph, without line breaks; an empty one is an empty printed line.
void breakParagraph(const QString& paragraph, QStringList& printed) {
    int count = 0;
    QString word; // read since the last space
    QString line; // complete words, each with its trailing space
    for (const QChar c : paragraph) {
        ++count;
        word += c;
        if (c == QLatin1Char(' ')) {
            line += word;
            word.clear();
        }
        if (count % favorites::kPrintWidth == 0) {
            printed.append(text::spaceTrimmed(line));
            line.clear();
            count = int(word.size()); // the partial word counts toward the next line
        }
    }
    printed.append(line + word);
}

} // namespace

QStringList favorites::subjectPrintLines(const QString& text) {
    QStringList printed;
    if (text.isEmpty())
        return printed;
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    for (const QString& paragraph : text.split(lineBreak))
        breakParagraph(paragraph, printed);
    return printed;
}
