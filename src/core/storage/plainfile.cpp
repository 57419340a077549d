#include "storage/plainfile.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

PlainFile::PlainFile(const QString& path) {
    // Without O_NONBLOCK, opening a pipe waits until something writes to it.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        m_error = qt_error_string(errno);
        return;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        m_error = QStringLiteral("It is not a plain file, but a folder, a pipe or a device.");
        ::close(fd);
        return;
    }
    m_file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle);
}
