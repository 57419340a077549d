#include "text/exacttext.h"

#include "text/linebreak.h"

#include <algorithm>

using text::kCrLf;

namespace {

// A document writes a line break as LF or as the paragraph separator; both are one break.
bool isDocumentBreak(QChar ch) {
    return ch == QLatin1Char('\n') || ch == QChar::ParagraphSeparator;
}

bool sameInDocument(QChar a, QChar b) {
    return a == b || (isDocumentBreak(a) && isDocumentBreak(b));
}

// Characters a document takes as the end of a paragraph when text is put into it.
bool isBreakCharacter(QChar ch) {
    const char16_t code = ch.unicode();
    return code == u'\r' || code == u'\n' || code == 0x2029 || code == 0xFDD0 || code == 0xFDD1;
}

QString withCrLfBreaks(QStringView documentText) {
    QString text;
    text.reserve(documentText.size());
    for (const QChar ch : documentText) {
        if (isDocumentBreak(ch))
            text += kCrLf;
        else
            text += ch;
    }
    return text;
}

} // namespace

ExactText::ExactText(QString text)
    : m_text(std::move(text)) {}

int ExactText::breakWidth(QStringView text, qsizetype offset) {
    if (offset >= text.size() || !isBreakCharacter(text[offset]))
        return 0;
    const bool crLf = text[offset] == QLatin1Char('\r') && offset + 1 < text.size() &&
                      text[offset + 1] == QLatin1Char('\n');
    return crLf ? 2 : 1;
}

QString ExactText::documentText() const {
    QString document;
    document.reserve(m_text.size());
    for (qsizetype i = 0; i < m_text.size();) {
        const int width = breakWidth(m_text, i);
        document += width > 0 ? QChar(QLatin1Char('\n')) : m_text[i];
        i += std::max(width, 1);
    }
    return document;
}

int ExactText::documentLength() const {
    return positionAt(int(m_text.size()));
}

int ExactText::offsetAt(int position) const {
    int offset = 0;
    for (int seen = 0; seen < position && offset < m_text.size(); ++seen)
        offset += std::max(breakWidth(m_text, offset), 1);
    return offset;
}

int ExactText::positionAt(int offset) const {
    int position = 0;
    for (qsizetype at = 0; at < m_text.size(); ++position) {
        const qsizetype next = at + std::max(breakWidth(m_text, at), 1);
        if (next > offset)
            return position;
        at = next;
    }
    return position;
}

QString ExactText::between(int fromPosition, int toPosition) const {
    const int from = offsetAt(fromPosition);
    return m_text.sliced(from, offsetAt(toPosition) - from);
}

void ExactText::follow(QStringView before, QStringView after, int position, int removed,
                       int added) {
    const bool fits = position >= 0 && removed >= 0 && added >= 0 &&
                      position + removed <= before.size() && position + added <= after.size() &&
                      before.size() - removed + added == after.size() &&
                      before.size() == documentLength();
    if (!fits) {
        if (before.size() != documentLength()) {
            m_text = withCrLfBreaks(after); // out of step: the document is all there is
            return;
        }
        position = 0;
        removed = int(before.size());
        added = int(after.size());
    }
    // Qt may report more than changed (a whole block, or the whole text): keep what is equal.
    while (removed > 0 && added > 0 && sameInDocument(before[position], after[position])) {
        ++position;
        --removed;
        --added;
    }
    while (removed > 0 && added > 0 &&
           sameInDocument(before[position + removed - 1], after[position + added - 1])) {
        --removed;
        --added;
    }
    const int from = offsetAt(position);
    const int to = offsetAt(position + removed);
    QString replacement = withCrLfBreaks(after.sliced(position, added));
    // Taking out what stood between a lone CR and a lone LF must not join them into one CR LF:
    // the document still holds two breaks there, so the first becomes a CR LF of its own.
    if (replacement.isEmpty() && from > 0 && m_text[from - 1] == QLatin1Char('\r') &&
        to < m_text.size() && m_text[to] == QLatin1Char('\n'))
        replacement = QStringLiteral("\n");
    m_text.replace(from, to - from, replacement);
}
