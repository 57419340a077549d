#include "search/commandsearch.h"

#include "scripture/scripturetext.h"
#include "scripture/textpieces.h"
#include "scripture/uppercase.h"
#include "search/bytefinder.h"
#include "search/searchengine.h"
#include "search/searchreadiness.h"
#include "storage/filesystem.h"
#include "text/linebreak.h"

#include <QDir>

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace search {
namespace {

// The phrase's lines are written in blocks of about this size as they are found, neither a line
// at a time nor all at once.
constexpr qsizetype kOutputBlock = 64 * 1024;

// The text is read and searched in pieces of about this size, each held in the same memory as
// the last: the search reads the text once and has no need to hold it whole. Small pieces keep
// the pages touched for the first time few, each a page fault, and a piece's indexing within a
// core's cache; much smaller, and each piece's own costs would tell.
constexpr qsizetype kPieceBytes = 64 * 1024;

// The line as the list shows it, in UTF-8: its bytes as they are where all are ASCII, which
// nearly every line is; decoded from the code page otherwise.
void appendUtf8(QByteArray& out, const VerseText& text, qsizetype line,
                VerseText::LineBuffer& buffer) {
    const QByteArrayView bytes = text.lineInto(line, buffer);
    unsigned char high = 0;
    for (const char byte : bytes)
        high |= static_cast<unsigned char>(byte);
    if (high < 0x80)
        out.append(bytes);
    else
        out.append(text.decodedLine(line).toUtf8());
    out.append('\n');
}

// Whether a piece of the text, its letters as written, may hold a line of the result: one that
// holds the phrase, or, until a piece has held it, one that holds every word. Only such a piece
// is indexed and searched; once the phrase is found, most pieces of a long text hold neither,
// and cost a scan of their bytes alone. The finders' rarest bytes are judged from a sample of
// the first piece.
class PieceSieve {
    Q_DISABLE_COPY_MOVE(PieceSieve)

public:
    explicit PieceSieve(const QString& prepared)
        : m_terms(searchTerms(prepared)) {}

    bool mayHold(QByteArrayView piece, bool phraseFound) {
        if (!m_ready)
            makeFinders(piece);
        if (m_phrase && m_phrase->find(piece.data(), 0, piece.size()) >= 0)
            return true;
        return !phraseFound && std::all_of(m_words.begin(), m_words.end(), [&](const auto& word) {
            return word.find(piece.data(), 0, piece.size()) >= 0;
        });
    }

private:
    static constexpr qsizetype kSampleEvery = 64;

    // Every byte counted once at least: the sample may miss one the piece holds.
    void makeFinders(QByteArrayView piece) {
        std::array<qsizetype, 256> counts;
        counts.fill(1);
        for (qsizetype at = 0; at < piece.size(); at += kSampleEvery)
            ++counts[scripture::upperByte(static_cast<unsigned char>(piece[at]))];
        constexpr auto asWritten = ByteFinder::Letters::AsWritten;
        if (m_terms.phrase)
            m_phrase.emplace(*m_terms.phrase, counts, vectorunit::widest(), asWritten);
        for (const QByteArray& word : m_terms.words)
            m_words.emplace_back(word, counts, vectorunit::widest(), asWritten);
        m_ready = true;
    }

    const Terms m_terms; // the finders look into these
    bool m_ready = false;
    std::optional<ByteFinder> m_phrase;
    std::vector<ByteFinder> m_words;
};

// The two passes over a text taken a piece at a time. Once a piece holds the phrase, the lines
// that hold it are the result, those of the pieces before being none; until then each piece's
// lines that hold every word are kept, the result when no piece holds the phrase. Lines of the
// phrase are written as they come, in blocks; those of the words only at the end.
class PieceResults {
public:
    PieceResults(const CommandSearch& asked, const Output& output)
        : m_query(singleLineQuery(asked.query))
        , m_scope(asked.scope)
        , m_countOnly(asked.countOnly)
        , m_output(output)
        , m_sieve(preparedQuery(m_query)) {}

    // False when the output could not be written.
    bool take(QByteArrayView piece) {
        return !m_sieve.mayHold(piece, m_byPhrase) || take(VerseText(piece));
    }

    bool take(const VerseText& piece) {
        const Outcome found = run(piece, m_query, m_scope);
        if (found.lines.empty() || (m_byPhrase && !found.foundByPhrase))
            return true;
        if (found.foundByPhrase && !m_byPhrase) {
            m_byPhrase = true;
            m_count = 0;
            m_held.clear();
        }
        m_count += qsizetype(found.lines.size());
        if (m_countOnly)
            return true;
        VerseText::LineBuffer buffer;
        for (const qsizetype line : found.lines) {
            appendUtf8(m_held, piece, line, buffer);
            if (m_byPhrase && m_held.size() >= kOutputBlock && !flush())
                return false;
        }
        return true;
    }

    bool finish() {
        if (m_countOnly)
            return m_output(QByteArray::number(m_count) + '\n');
        return flush();
    }

    bool anyFound() const { return m_count > 0; }

private:
    bool flush() {
        if (m_held.isEmpty())
            return true;
        if (!m_output(m_held))
            return false;
        m_held.clear();
        return true;
    }

    QString m_query;
    QString m_scope;
    bool m_countOnly;
    const Output& m_output;
    PieceSieve m_sieve;
    bool m_byPhrase = false;
    qsizetype m_count = 0;
    QByteArray m_held; // lines to write, in UTF-8
};

QString onTerminal(QString text) {
    return text.replace(text::kCrLf, QStringLiteral("\n")) + QLatin1Char('\n');
}

// Why the text could not be searched: missing, or there but not to be read.
QString scriptureProblem(FileSystem& files, const ProgramFolder& folder) {
    const QString path = folder.biblePath();
    if (!files.fileExists(path))
        return onTerminal(storage::scriptureMissingText(folder));
    const FileSystem::Result readable = files.canRead(path);
    return onTerminal(
        QDir::toNativeSeparators(path) + QStringLiteral(" could not be read: ") +
        (readable.ok ? QStringLiteral("it could not be read whole.") : readable.error));
}

} // namespace

CommandAnswer searchFromCommandLine(FileSystem& files, const ProgramFolder& folder,
                                    const CommandSearch& asked, const Output& output) {
    const QString path = folder.biblePath();
    if (!files.fileExists(path))
        return {kExitTrouble, scriptureProblem(files, folder)};
    PieceResults results(asked, output);
    bool written = true;
    const auto take = [&](QByteArrayView piece) { return written = results.take(piece); };
    const textpieces::Reading reading = files.mayReadDirectly()
                                            ? textpieces::readInPieces(path, kPieceBytes, take)
                                            : textpieces::Reading::NotInPieces;
    if (reading == textpieces::Reading::NotInPieces) {
        ScriptureText scripture(files, path);
        if (!scripture.refresh())
            return {kExitTrouble, scriptureProblem(files, folder)};
        written = results.take(scripture.text());
    } else if (reading == textpieces::Reading::Unreadable) {
        return {kExitTrouble, scriptureProblem(files, folder)};
    }
    if (!written || !results.finish())
        return {kExitTrouble, QStringLiteral("The result could not be written.\n")};
    return {results.anyFound() ? kExitFound : kExitNothingFound, {}};
}

} // namespace search
