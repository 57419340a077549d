#include "texts/textshelf.h"

#include "shell/commandline.h"
#include "storage/folderchoice.h"

#include <QRegularExpression>

#include <algorithm>
#include <chrono>
#include <utility>

namespace texts {
namespace {

// How often a rendering waiting for another looks whether it is to stop.
constexpr std::chrono::milliseconds kStopCheck(50);

Text bibleDat() {
    return {kBibleDatName, {}, kBibleDatDescription, {}};
}

// A field of a listing: a tab or a line break in a module's description would end it early.
QString oneField(QString text) {
    static const QRegularExpression breaks(QStringLiteral("[\\t\\n\\r\\v\\f]+"));
    return text.replace(breaks, QStringLiteral(" "));
}

// The names a text is found by: its name, and its abbreviation after a comma.
QString namesOf(const Text& text) {
    return text.abbreviation.isEmpty() ? text.name
                                       : text.name + QStringLiteral(", ") + text.abbreviation;
}

QString namesThereAre(const QList<Text>& texts) {
    QString names;
    for (const Text& text : texts)
        names += QStringLiteral("  ") + namesOf(text) + QLatin1Char('\n');
    return names;
}

} // namespace

TextShelf::TextShelf(FileSystem& files, QString biblePath, QString cacheFolder, Opener opener)
    : m_files(files)
    , m_biblePath(std::move(biblePath))
    , m_cacheFolder(std::move(cacheFolder))
    , m_opener(std::move(opener))
    , m_texts{bibleDat()} {}

TextShelf TextShelf::ofThisProgram(FileSystem& files, const QString& biblePath) {
    return {files, biblePath, cacheFolderOfThisUser(),
            [] { return openLibrary(libraryPaths(storage::executableFolder())); }};
}

const QList<Text>& TextShelf::texts() {
    if (m_listed)
        return m_texts;
    m_listed = true;
    OpenedLibrary opened = m_opener();
    m_library = std::move(opened.library);
    m_problem = opened.problem;
    if (!m_library)
        return m_texts;
    for (const ModuleFacts& module : m_library->bibleModules())
        m_texts.append({module.name, module.abbreviation, module.description, module});
    return m_texts;
}

TextShelf::Found TextShelf::find(const QString& name) {
    const auto named = [&](const QString& textName) {
        return textName.compare(name, Qt::CaseInsensitive) == 0;
    };
    if (named(kBibleDatName))
        return {0, {}};
    const QList<Text>& all = texts();
    const auto byName =
        std::find_if(all.begin(), all.end(), [&](const Text& text) { return named(text.name); });
    if (byName != all.end())
        return {int(byName - all.begin()), {}};
    QList<int> abbreviated; // Bible.dat, the first, goes by its name alone
    for (int i = 1; i < all.size(); ++i)
        if (!all[i].abbreviation.isEmpty() && named(all[i].abbreviation))
            abbreviated << i;
    if (abbreviated.size() == 1)
        return {abbreviated.first(), {}};
    QString problem =
        abbreviated.isEmpty()
            ? QStringLiteral("no text is named %1; the texts are named:\n").arg(name)
            : QStringLiteral("%1 is the abbreviation of more than one text; name one of them:\n")
                  .arg(name);
    problem += namesThereAre(all);
    if (!m_problem.isEmpty())
        problem += problemText() + QLatin1Char('\n');
    return {-1, problem};
}

QString TextShelf::problemText() const {
    return m_problem.isEmpty()
               ? QString()
               : QStringLiteral("The SWORD library's texts cannot be listed: %1").arg(m_problem);
}

Rendering TextShelf::fileOf(const Text& text, const Progress& progress, std::stop_token stop) {
    if (text.isBibleDat())
        return {m_biblePath, {}};
    texts();
    if (!m_library)
        return {{}, QStringLiteral("%1 cannot be rendered: %2").arg(text.name, m_problem)};
    std::unique_lock oneAtATime(*m_libraryCalls, std::defer_lock);
    while (!oneAtATime.try_lock_for(kStopCheck)) {
        if (stop.stop_requested())
            return {{}, {}, true};
    }
    return renderModule(*m_library, m_files, text.module, m_cacheFolder, progress, std::move(stop));
}

TextShelf::Resolved TextShelf::resolve(const QString& name) {
    const Found found = find(name);
    if (found.index < 0)
        return {{}, found.problem, shell::kExitRefused};
    // Bible.dat is always the first, and found before the modules are listed.
    const Rendering rendering = fileOf(m_texts[found.index]);
    if (rendering.path.isEmpty())
        return {{}, rendering.problem + QLatin1Char('\n'), shell::kExitRefused};
    return {rendering.path, {}, 0};
}

QString listing(const QList<Text>& texts) {
    QString lines;
    for (const Text& text : texts)
        lines += oneField(text.name) + QLatin1Char('\t') + oneField(text.description) +
                 QLatin1Char('\n');
    return lines;
}

} // namespace texts
