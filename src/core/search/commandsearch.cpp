#include "search/commandsearch.h"

#include "scripture/bookcatalogue.h"
#include "scripture/booknames.h"
#include "scripture/casefolding.h"
#include "scripture/scripturetext.h"
#include "scripture/textpieces.h"
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
// nearly every line of a Windows-1252 text is, or where the text is UTF-8 and they are valid;
// decoded otherwise.
void appendUtf8(QByteArray& out, const VerseText& text, qsizetype line) {
    const QByteArrayView bytes = text.lineBytes(line);
    unsigned char high = 0;
    for (const char byte : bytes)
        high |= static_cast<unsigned char>(byte);
    if (high < 0x80 || (text.encoding() == TextEncoding::Utf8 && bytes.isValidUtf8()))
        out.append(bytes);
    else
        out.append(text.decodedLine(line).toUtf8());
    out.append('\n');
}

// Whether a piece of the text, its bytes as written, may hold a line of the result: one that
// holds the phrase, or, until a piece has held it, one that holds every word. Only such a piece
// is indexed and searched; once the phrase is found, most pieces of a long text hold neither,
// and cost a scan of their bytes alone. The finders' rarest bytes are judged from a sample of
// the first piece. A piece whose bytes do not fold in place, and a term no probe can test, are
// searched whole.
class PieceSieve {
    Q_DISABLE_COPY_MOVE(PieceSieve)

public:
    PieceSieve(const QString& prepared, TextEncoding encoding)
        : m_terms(searchTerms(prepared, encoding))
        , m_encoding(encoding) {}

    bool mayHold(QByteArrayView piece, bool phraseFound) {
        if (!m_ready)
            makeFinders(piece);
        if (!m_probed || !scripture::foldsInPlace(piece, m_encoding))
            return true;
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
            ++counts[static_cast<unsigned char>(piece[at])];
        m_probed = (!m_terms.phrase || m_terms.phrase->canBeProbed()) &&
                   std::all_of(m_terms.words.begin(), m_terms.words.end(),
                               [](const FoldedPattern& word) { return word.canBeProbed(); });
        if (m_probed && m_terms.phrase)
            m_phrase.emplace(*m_terms.phrase, counts);
        for (const FoldedPattern& word : m_terms.words) {
            if (m_probed)
                m_words.emplace_back(word, counts);
        }
        m_ready = true;
    }

    const Terms m_terms; // the finders look into these
    const TextEncoding m_encoding;
    bool m_ready = false;
    bool m_probed = false;
    std::optional<ByteFinder> m_phrase;
    std::vector<ByteFinder> m_words;
};

// The two passes over a text taken a piece at a time. Once a piece holds the phrase, the lines
// that hold it are the result, those of the pieces before being none; until then each piece's
// lines that hold every word are kept, the result when no piece holds the phrase. Lines of the
// phrase are written as they come, in blocks; those of the words only at the end. The first
// piece tells the text's encoding: UTF-8 after its byte-order mark, Windows-1252 without.
class PieceResults {
public:
    PieceResults(const CommandSearch& asked, std::optional<int> book, const Output& output)
        : m_query(singleLineQuery(asked.query))
        , m_book(book)
        , m_reference(referenceIn(m_query, book))
        , m_countOnly(asked.countOnly)
        , m_output(output) {}

    // False when the output could not be written.
    bool take(QByteArrayView piece) {
        if (!m_sieve) {
            if (piece.startsWith(FileSystem::kUtf8ByteOrderMark)) {
                m_encoding = TextEncoding::Utf8;
                piece = piece.sliced(FileSystem::kUtf8ByteOrderMark.size());
            }
            m_sieve.emplace(preparedQuery(m_query, m_encoding), m_encoding);
        }
        if (m_reference) // only a piece that holds the book's name can hold its verses
            return !piece.contains(scripture::catalogue()[std::size_t(m_reference->book)].name) ||
                   take(VerseText(piece, m_encoding));
        return !m_sieve->mayHold(piece, m_byPhrase) || take(VerseText(piece, m_encoding));
    }

    // The verses a reference names are written as they are found, as the phrase's lines are.
    bool take(const VerseText& piece) {
        const Outcome found = run(piece, m_query, m_book);
        if (found.lines.empty() || (m_byPhrase && !found.foundByPhrase))
            return true;
        if ((found.foundByPhrase || found.byReference) && !m_byPhrase) {
            m_byPhrase = true;
            m_count = 0;
            m_held.clear();
        }
        m_count += qsizetype(found.lines.size());
        if (m_countOnly)
            return true;
        for (const qsizetype line : found.lines) {
            appendUtf8(m_held, piece, line);
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
    std::optional<int> m_book;
    std::optional<scripture::Reference> m_reference;
    bool m_countOnly;
    const Output& m_output;
    TextEncoding m_encoding = TextEncoding::Windows1252;
    std::optional<PieceSieve> m_sieve;
    bool m_byPhrase = false;
    qsizetype m_count = 0;
    QByteArray m_held; // lines to write, in UTF-8
};

QString onTerminal(QString text) {
    return text.replace(text::kCrLf, QStringLiteral("\n")) + QLatin1Char('\n');
}

// Why the text could not be searched: missing, or there but not to be read.
QString scriptureProblem(FileSystem& files, const ProgramFolder& folder, const QString& path) {
    if (!files.fileExists(path))
        return onTerminal(path == folder.biblePath()
                              ? storage::scriptureMissingText(folder)
                              : QDir::toNativeSeparators(path) + QStringLiteral(" is not there."));
    const FileSystem::Result readable = files.canRead(path);
    return onTerminal(
        QDir::toNativeSeparators(path) + QStringLiteral(" could not be read: ") +
        (readable.ok ? QStringLiteral("it could not be read whole.") : readable.error));
}

} // namespace

CommandAnswer searchFromCommandLine(FileSystem& files, const ProgramFolder& folder,
                                    const CommandSearch& asked, const Output& output) {
    std::optional<int> book;
    if (!asked.book.isEmpty()) {
        book = scripture::bookIndex(asked.book);
        if (!book)
            return {kExitTrouble,
                    QStringLiteral("--in %1: there is no book of that name.\n").arg(asked.book)};
    }
    const QString path = asked.textPath.isEmpty() ? folder.biblePath() : asked.textPath;
    if (!asked.heldText && !files.fileExists(path))
        return {kExitTrouble, scriptureProblem(files, folder, path)};
    PieceResults results(asked, book, output);
    bool written = true;
    if (asked.heldText) {
        written = results.take(QByteArrayView(*asked.heldText));
    } else if (files.mayReadDirectly()) {
        const auto take = [&](QByteArrayView piece) { return written = results.take(piece); };
        if (textpieces::readInPieces(path, kPieceBytes, take) == textpieces::Reading::Unreadable)
            return {kExitTrouble, scriptureProblem(files, folder, path)};
    } else {
        ScriptureText scripture(files, path);
        if (!scripture.refresh())
            return {kExitTrouble, scriptureProblem(files, folder, path)};
        written = results.take(scripture.text());
    }
    if (!written || !results.finish())
        return {kExitTrouble, QStringLiteral("The result could not be written.\n")};
    return {results.anyFound() ? kExitFound : kExitNothingFound, {}};
}

} // namespace search
