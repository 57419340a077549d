#include "scripture/scripturetext.h"

#include "report/logging.h"
#include "scripture/bytepasses.h"
#include "scripture/textfile.h"
#include "storage/filesystem.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <limits>
#include <system_error>

#if defined(Q_OS_LINUX)
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
// The text is read while the window is first drawn. On a machine of few cores the reading thread
// gives way to the window's and the display server's, so the window shows as soon as it would
// without the read; when nothing else runs, it runs as fast as ever.
void yieldToTheWindow() {
#if defined(Q_OS_LINUX)
    constexpr int kReadingNiceness = 5;
    setpriority(PRIO_PROCESS, id_t(gettid()), kReadingNiceness); // only advice: ignored if refused
#endif
}

std::shared_ptr<const VerseText> emptyText() {
    static const auto empty = std::make_shared<const VerseText>();
    return empty;
}
} // namespace

ScriptureText::ScriptureText(FileSystem& files, QString path, TextEncoding unmarked)
    : m_files(files)
    , m_path(std::move(path))
    , m_nativePath(QFile::encodeName(m_path))
    , m_unmarked(unmarked)
    , m_text(emptyText()) {}

ScriptureText::~ScriptureText() = default;

void ScriptureText::startLoading() {
    if (m_loading.valid())
        return;
    try {
        m_loading = std::async(std::launch::async, [this] {
            yieldToTheWindow();
            const Stamp stamp = currentStamp();
            return stamp.isFile ? read(stamp) : Loaded{};
        });
    } catch (const std::system_error&) {
        // No thread to be had: the first request reads the file itself.
    }
}

void ScriptureText::finishLoading() {
    if (m_loading.valid())
        take(m_loading.get());
}

namespace {
// File times are coarse: a write within the same tick as our read can leave them unchanged.
constexpr qint64 kTimeGrainMs = 2000;
constexpr qint64 kNsPerMs = 1000 * 1000;
} // namespace

// Every search and chapter asks for the stamp, so it is one system call where the system offers
// one that answers it all (whether the file is there too), with the times as counts rather than
// local date-times (whose time zone lookups cost more than the call).
ScriptureText::Stamp ScriptureText::currentStamp() const {
    Stamp stamp;
    stamp.takenMs = QDateTime::currentMSecsSinceEpoch();
#if defined(Q_OS_LINUX)
    struct stat info {};
    if (::stat(m_nativePath.constData(), &info) == 0) {
        // The change time moves on every write, even one that keeps size and modification time.
        stamp.isFile = !S_ISDIR(info.st_mode);
        stamp.size = info.st_size;
        stamp.modifiedNs = qint64(info.st_mtim.tv_sec) * 1000 * kNsPerMs + info.st_mtim.tv_nsec;
        stamp.changedNs = qint64(info.st_ctim.tv_sec) * 1000 * kNsPerMs + info.st_ctim.tv_nsec;
    }
#else
    const QFileInfo info(m_path);
    const auto ns = [](const QDateTime& time) {
        return time.isValid() ? time.toMSecsSinceEpoch() * kNsPerMs : Stamp::kNoTime;
    };
    stamp.isFile = info.exists() && !info.isDir();
    stamp.size = info.size();
    stamp.modifiedNs = ns(info.lastModified());
    stamp.changedNs = ns(info.metadataChangeTime());
#endif
    return stamp;
}

bool ScriptureText::Stamp::sameFileAs(const Stamp& other) const {
    return size == other.size && modifiedNs == other.modifiedNs && changedNs == other.changedNs;
}

// Only a file whose times lie well before the moment they were read can be trusted to show
// any later write; a file written just before is read again until it has settled.
bool ScriptureText::Stamp::settled() const {
    if (modifiedNs == kNoTime || changedNs == kNoTime)
        return false;
    const qint64 latestMs = std::max(modifiedNs, changedNs) / kNsPerMs;
    return takenMs - latestMs > kTimeGrainMs;
}

bool ScriptureText::refresh() {
    finishLoading();
    const Stamp stamp = currentStamp();
    if (!stamp.isFile) {
        qCWarning(report::lcScripture) << "not there:" << m_path;
        forget();
        return false;
    }
    if (m_loaded && m_loaded->settled() && m_loaded->sameFileAs(stamp))
        return true;
    take(read(stamp));
    return m_loaded.has_value();
}

// The stamp is taken before the read, so a write during the read shows as a change next time.
ScriptureText::Loaded ScriptureText::read(const Stamp& stamp) const {
    std::optional<VerseText> text = readText();
    if (!text) {
        qCWarning(report::lcScripture) << "not read:" << m_path;
        return {};
    }
    return {std::make_shared<const VerseText>(std::move(*text)), stamp};
}

void ScriptureText::take(Loaded loaded) {
    if (!loaded.stamp) {
        forget();
        return;
    }
    m_text = std::move(loaded.text);
    m_loaded = loaded.stamp;
}

// The text reads the file straight into its own memory where the file layer allows it.
std::optional<VerseText> ScriptureText::readText() const {
    if (m_files.mayReadDirectly())
        return scripture::readVerseText(m_path, m_unmarked);
    const FileSystem::BytesResult read = m_files.readBytes(m_path);
    if (!read.ok || read.bytes.size() > bytepasses::kLargestText)
        return std::nullopt;
    return VerseText(QByteArrayView(read.bytes), m_unmarked);
}

bool ScriptureText::readFrom(const QString& path) {
    finishLoading();
    m_path = path;
    m_nativePath = QFile::encodeName(path);
    forget();
    return refresh();
}

void ScriptureText::forget() {
    m_text = emptyText();
    m_loaded.reset();
}

std::optional<scripture::ChapterText> ScriptureText::chapter(const scripture::ChapterPlace& place) {
    if (!refresh())
        return std::nullopt;
    return scripture::chapterText(*m_text, place);
}
