#pragma once

#include "scripture/pagebuffer.h"
#include "text/vectorunit.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVarLengthArray>

#include <array>
#include <optional>
#include <vector>

// The scripture text as read from the file: where every line starts and ends, and its
// Windows-1252 bytes upper-cased for case-insensitive searching, with one bit for each byte that
// says whether upper-casing changed it. Upper-casing maps no two bytes to one, so the bit gives
// the file's byte back. Lines break at LF; a CR just before the LF belongs to the break; a last
// line without a break counts.
//
// That is all it keeps, about a byte and an eighth for each byte of the file, where a second,
// upper-cased copy would double it: a line is put back and decoded only when asked for.
class VerseText {
public:
    // Consecutive lines [first, last).
    struct LineRun {
        qsizetype first = 0;
        qsizetype last = 0;
        bool operator==(const LineRun&) const = default;
    };

    // Readable bytes after the end of the upper-cased bytes, so a scan may read a whole vector
    // past the last place it tests.
    static constexpr qsizetype kPadding = 64;

    VerseText() = default;
    // The bytes indexed with the given vector unit, or the widest the machine runs when it runs
    // not that one; every unit gives the same text.
    explicit VerseText(QByteArrayView bytes, VectorUnit unit = vectorunit::widest());

    // The file's bytes read straight into the text's own memory; nothing when the file cannot
    // be opened or read.
    static std::optional<VerseText> readFile(const QString& path);

    qsizetype lineCount() const { return qsizetype(m_starts.size()); }
    qsizetype lineStart(qsizetype line) const { return m_starts[std::size_t(line)]; }
    // Where the line's text ends, before its line break.
    qsizetype lineEnd(qsizetype line) const { return m_ends[std::size_t(line)]; }
    // The line whose text holds a place of the text, or whose break does: its number, where its
    // text starts and ends, and where the next line starts (the text's size after the last
    // line). Found from the bytes about the place, which a search has just read, and at most one
    // look into a table of blocks, however long the text: a search finds the lines of its hits
    // without the line tables, which a long text's scan pushes out of the processor's caches.
    // from is the start of a line at or before the place, fromLine its number: the nearer, the
    // fewer bytes are looked at.
    struct LineHolding {
        qsizetype line = 0;
        qsizetype start = 0;
        qsizetype end = 0;
        qsizetype next = 0;
    };
    LineHolding lineHolding(qsizetype place, qsizetype from = 0, qsizetype fromLine = 0) const;
    // The line's bytes as in the file.
    QByteArray line(qsizetype line) const;
    QByteArrayView upperLine(qsizetype line) const;
    qsizetype size() const { return m_size; }
    // Whether the file's bytes begin with these.
    bool startsWith(QByteArrayView bytes) const;
    QByteArrayView upperBytes() const { return {m_buffer.data(), m_size}; }

    // About how often each byte occurs in the upper-cased bytes: a search can look for the
    // rarest byte of a pattern first. Bytes from 0x80 up are counted exactly, so a pattern with
    // one the text lacks is known at once to be nowhere; those below are estimated from a sample
    // of the text and never counted as absent.
    const std::array<qsizetype, 256>& upperByteCounts() const { return m_upperCounts; }

    // One line decoded.
    QString decodedLine(qsizetype line) const;

    // Every line that begins with the prefix, exactly as stored (case-sensitive), as runs of
    // consecutive lines in file order. A prefix that is not Windows-1252 text begins no line.
    std::vector<LineRun> linesBeginningWith(QStringView prefix) const;
    std::vector<LineRun> linesBeginningWith(QByteArrayView prefix) const;
    std::vector<LineRun> allLines() const;

    // The display form of the chapter whose lines begin with the prefix: each such line with
    // every occurrence of the prefix removed, followed by CR LF CR LF.
    QString chapterText(QStringView prefix) const;

    // Room for a line's bytes without a heap block for most lines; lineInto() fills it with the
    // line's bytes as in the file and returns them.
    using LineBuffer = QVarLengthArray<char, 1024>;
    QByteArrayView lineInto(qsizetype line, LineBuffer& buffer) const;

private:
    // Consecutive lines that all begin with the same book name (the bytes before the last space
    // ahead of the first colon), in file order: a prefix that the name begins with takes the
    // whole run, a prefix that begins with the name is tested only in the run's lines, and any
    // other prefix begins none of them, since both would begin the same line. A line without
    // such a name has the empty one, which every prefix begins with. The text's books make one
    // run each.
    struct BookRun {
        QByteArray book; // as in the file
        qsizetype first;
        qsizetype last;
    };
    // Each block of the text knows the line its first byte lies in.
    static constexpr qsizetype kBlockBytes = 2048;
    static qsizetype foldedOffsetFor(qsizetype size);
    static PageBuffer bufferFor(qsizetype size);

    // Takes a buffer from bufferFor() whose first size bytes hold the text.
    VerseText(PageBuffer buffer, qsizetype size);
    // What indexing a stretch at a time carries from one stretch to the next.
    static constexpr qsizetype kStretch = qsizetype(256) << 10; // well within a core's cache
    static constexpr qsizetype kBookReach = 64;
    static constexpr qsizetype kVectorBytes = 64;
    static constexpr qsizetype kSampleEvery = 64;
    struct Indexing {
        qsizetype done = 0;      // bytes indexed and upper-cased
        qsizetype lineStart = 0; // of the line under way, and its book:
        std::array<char, kBookReach> book{};
        qsizetype bookSize = 0;
        qsizetype blocksFilled = 0; // blocks whose line is known
        bool sameBook = false;      // the line under way is of the book of the line before
        std::array<qsizetype, 256> sampled{}; // bytes of 0x80 and up: all of them
        std::vector<qsizetype> lineFeeds;     // room for those of a part of the stretch
        void startLine(const VerseText& text, qsizetype start, qsizetype readEnd);
        bool continuesBook(const char* data, qsizetype start, qsizetype readEnd) const;
    };
    // Indexes [indexing.done, end) of bytes read up to readEnd: the lines that end there, the
    // book of each line that starts there, then upper-cases them. end is a multiple of
    // kVectorBytes and at least kBookReach short of readEnd, except at the end of the text.
    void indexStretch(Indexing& indexing, qsizetype end, qsizetype readEnd);
    void finishIndexing(Indexing& indexing);
    QByteArrayView bookAt(qsizetype start, qsizetype readEnd) const;
    void addLine(const Indexing& indexing, qsizetype end);
    void indexLines(Indexing& indexing, qsizetype end, qsizetype readEnd);
    void upperCase(Indexing& indexing, qsizetype end);
    void fillBlocks(Indexing& indexing, qsizetype next);
    bool folded(qsizetype place) const;
    unsigned char fileByte(qsizetype place) const;
    // Writes the file's bytes of [from, end) to out.
    void copyFileBytes(char* out, qsizetype from, qsizetype end) const;
    // Whether the file's bytes from the place on are these.
    bool fileBytesAt(qsizetype place, QByteArrayView bytes) const;

    // The file's bytes, upper-cased once indexed, then kPadding or more zero bytes, then at
    // m_foldedOffset one bit for each byte (byte i at bit i % 8 of byte i / 8) set where
    // upper-casing changed the byte, then kFoldedPadding zero bytes.
    static constexpr qsizetype kFoldedPadding = 8;
    PageBuffer m_buffer;
    qsizetype m_size = 0;
    qsizetype m_foldedOffset = 0;
    VectorUnit m_unit = vectorunit::widest();
    std::vector<qsizetype> m_starts;
    std::vector<qsizetype> m_ends;
    std::vector<BookRun> m_bookRuns;
    std::vector<qsizetype> m_blockLines; // the line of each block's first byte
    std::array<qsizetype, 256> m_upperCounts{};
};
