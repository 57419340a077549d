#pragma once

#include "scripture/lineindex.h"
#include "scripture/pagebuffer.h"
#include "scripture/textencoding.h"
#include "text/vectorunit.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <memory>
#include <vector>

// A scripture text, one verse a line: its bytes, held once and as written, and the index of its
// lines and books. A line is put back into characters only when asked for. Read from a file by
// scripture::readVerseText (textfile.h).
class VerseText {
public:
    using LineRun = LineIndex::LineRun;
    // Readable bytes after the end of the text, all zero, so a scan may read a whole vector past
    // the last place it tests.
    static constexpr qsizetype kPadding = 64;

    VerseText();
    // The bytes, at most bytepasses::kLargestText of them, copied and indexed with the given
    // vector unit, or the widest the machine runs when it runs not that one; every unit gives
    // the same text. Their encoding is UTF-8 after a byte-order mark, the one named otherwise
    // (scripture::encodingOf).
    explicit VerseText(QByteArrayView bytes, TextEncoding unmarked = TextEncoding::Windows1252,
                       VectorUnit unit = vectorunit::widest());
    // The first size bytes of the buffer, followed by kPadding zero bytes, and their index.
    VerseText(PageBuffer buffer, qsizetype size, TextEncoding encoding, LineIndex lines);
    ~VerseText();
    VerseText(VerseText&& other) noexcept;
    VerseText& operator=(VerseText&& other) noexcept;

    TextEncoding encoding() const { return m_encoding; }
    // The bytes as read (a byte-order mark included), then kPadding zero bytes.
    const char* data() const { return m_buffer.data(); }
    qsizetype size() const { return m_size; }

    qsizetype lineCount() const { return m_lines.lineCount(); }
    qsizetype lineStart(qsizetype line) const { return m_lines.lineStart(line); }
    // Where the line's text ends, before its break; a CR just before the LF belongs to the break.
    qsizetype lineEnd(qsizetype line) const;
    // The line whose text or break holds the place, looked for from a line that starts at or
    // before it.
    qsizetype lineAt(qsizetype place, qsizetype from = 0) const {
        return m_lines.lineAt(place, from);
    }
    QByteArrayView lineBytes(qsizetype line) const;
    QString decodedLine(qsizetype line) const { return decoded(lineBytes(line)); }
    // Bytes of this text put into characters.
    QString decoded(QByteArrayView bytes) const;
    // Characters as this text's bytes write them; nothing when the encoding lacks one of them.
    std::optional<QByteArray> encoded(QStringView characters) const;

    std::vector<LineRun> allLines() const;
    // The lines whose book is the one named, as runs of consecutive lines in text order.
    std::vector<LineRun> linesOfBook(QByteArrayView book) const;
    // Every line that begins with the bytes, exactly as stored (case-sensitive).
    std::vector<LineRun> linesBeginningWith(QByteArrayView prefix) const;

    // About how often each byte occurs, from a sample of the text taken when first asked for:
    // a search can look for the rarest bytes of a pattern first. Every byte counts once at least.
    using ByteCounts = std::array<qsizetype, 256>;
    const ByteCounts& byteCounts() const;
    // Whether each character of the text folds to as many bytes as it takes, as every one does
    // in Windows-1252 and nearly every one in UTF-8 (see scripture::casefolding): then a folded
    // pattern lies at fixed places within any run of the text that holds it. Found when first
    // asked for.
    bool foldsInPlace() const;

private:
    struct Sampled;

    PageBuffer m_buffer;
    qsizetype m_size = 0;
    TextEncoding m_encoding = TextEncoding::Windows1252;
    LineIndex m_lines;
    std::unique_ptr<Sampled> m_sampled;
};
