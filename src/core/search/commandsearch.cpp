#include "search/commandsearch.h"

#include "scripture/scripturetext.h"
#include "search/searchengine.h"
#include "search/searchreadiness.h"
#include "storage/filesystem.h"
#include "text/linebreak.h"

#include <QDir>

namespace search {
namespace {

// Written in blocks of about this size, so a search that lists the whole text neither writes a
// line at a time nor holds all its output at once.
constexpr qsizetype kOutputBlock = 64 * 1024;

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

bool writeLines(const VerseText& text, const std::vector<qsizetype>& lines, const Output& output) {
    QByteArray block;
    block.reserve(kOutputBlock + 4096);
    VerseText::LineBuffer buffer;
    for (const qsizetype line : lines) {
        appendUtf8(block, text, line, buffer);
        if (block.size() >= kOutputBlock) {
            if (!output(block))
                return false;
            block.clear();
        }
    }
    return block.isEmpty() || output(block);
}

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
    ScriptureText scripture(files, folder.biblePath());
    if (!files.fileExists(folder.biblePath()) || !scripture.refresh())
        return {kExitTrouble, scriptureProblem(files, folder)};
    const VerseText& text = scripture.text();
    const Outcome found = run(text, singleLineQuery(asked.query), asked.scope);
    const bool written = asked.countOnly
                             ? output(QByteArray::number(qsizetype(found.lines.size())) + '\n')
                             : writeLines(text, found.lines, output);
    if (!written)
        return {kExitTrouble, QStringLiteral("The result could not be written.\n")};
    return {found.lines.empty() ? kExitNothingFound : kExitFound, {}};
}

} // namespace search
