#include "storage/atomicsave.h"

#include "report/logging.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace storage {
namespace {

// From the system's source each time: two processes never share a sequence of names, not even
// copies of one process.
QString randomName() {
    static const QString letters =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
    QString name = kTemporarySavePrefix;
    for (int i = 0; i < kTemporarySaveRandomLength; ++i)
        name += letters[QRandomGenerator::system()->bounded(int(letters.size()))];
    return name;
}

// The system's reason for the last failure.
QString reason() {
    return qt_error_string(errno);
}

bool writeInFull(int fd, const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t wrote = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (wrote < 0 && errno != EINTR)
            return false;
        done += std::max<ssize_t>(wrote, 0);
    }
    return true;
}

// Some file systems cannot sync a folder at all; that is no failure of the save. A folder that
// can be written but not listed cannot be opened: the whole file system the renamed file is on
// is synced instead, which keeps its new name too.
bool syncFolder(const QByteArray& folder, int renamedFile) {
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno == EACCES && ::syncfs(renamedFile) == 0;
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP;
    const int error = errno;
    ::close(fd);
    errno = error;
    return synced;
}

// The temporary file, created new; removed on destruction unless renamed.
class Temporary {
public:
    explicit Temporary(const QByteArray& folder) {
        for (int attempt = 0; attempt < 100 && m_fd < 0; ++attempt) {
            m_path = folder + '/' + QFile::encodeName(randomName());
            m_fd = ::open(m_path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (m_fd < 0 && errno != EEXIST)
                break;
        }
        m_created = m_fd >= 0;
    }
    ~Temporary() {
        const int error = errno;
        if (m_fd >= 0)
            ::close(m_fd);
        if (m_created && !m_renamed)
            ::unlink(m_path.constData());
        errno = error;
    }
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;

    int fd() const { return m_fd; }
    bool close() { return ::close(std::exchange(m_fd, -1)) == 0; }
    bool renameTo(const QByteArray& target) {
        m_renamed = ::rename(m_path.constData(), target.constData()) == 0;
        return m_renamed;
    }

private:
    QByteArray m_path;
    int m_fd = -1;
    bool m_created = false;
    bool m_renamed = false;
};

} // namespace

// Checked by hand rather than by a pattern: it runs over every subject listed at start.
bool isTemporarySaveName(const QString& fileName) {
    if (fileName.size() != kTemporarySavePrefix.size() + kTemporarySaveRandomLength ||
        !fileName.startsWith(kTemporarySavePrefix))
        return false;
    const auto letterOrDigit = [](QChar ch) {
        const char16_t c = ch.unicode();
        return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
    };
    const QStringView random = QStringView(fileName).sliced(kTemporarySavePrefix.size());
    return std::all_of(random.begin(), random.end(), letterOrDigit);
}

QString saveAtomically(const QString& path, const QByteArray& bytes) {
    const QByteArray target = QFile::encodeName(path);
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    Temporary temporary(folder);
    if (temporary.fd() < 0)
        return reason();
    struct stat old {};
    if (::stat(target.constData(), &old) == 0 &&
        ::fchmod(temporary.fd(), (old.st_mode & 07777) | S_IWUSR) != 0)
        qCWarning(report::lcFiles) << "saved without its permissions:" << path << reason();
    // Kept open past the rename, for a folder that can only be synced through it.
    if (!writeInFull(temporary.fd(), bytes) || ::fsync(temporary.fd()) != 0 ||
        !temporary.renameTo(target) || !syncFolder(folder, temporary.fd()) || !temporary.close())
        return reason();
    return {};
}

} // namespace storage
