#include "favorites/subjectstore.h"
#include "savertexts.h"
#include "storage/filesystem.h"

#include <array>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Saves the subject through the program's own save path, the new text and the old text in
// turn, until killed. Its process id goes to standard output when it is about to save.
[[noreturn]] void saveUntilKilled(const QString& folder, const QString& subject) {
    FileSystem files;
    SubjectStore store(files, folder);
    const std::array<QString, 2> texts{savertexts::newText(), savertexts::oldText()};
    const pid_t self = getpid();
    if (write(STDOUT_FILENO, &self, sizeof self) != sizeof self)
        _exit(2);
    for (std::size_t turn = 0;; turn = 1 - turn) {
        if (!store.write(subject, texts[turn]).ok)
            _exit(1);
    }
}

} // namespace

// Arguments: the Verses folder and the subject. Loaded once; for every byte read from standard
// input it starts a fresh saving process, which the caller kills, and then writes how that
// process ended (its wait status) to standard output. Starting each one as a copy of this
// loaded process costs a fraction of loading the program again.
int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString subject = QString::fromLocal8Bit(argv[2]);
    char request = 0;
    while (read(STDIN_FILENO, &request, 1) == 1) {
        const pid_t saver = fork();
        if (saver == 0)
            saveUntilKilled(folder, subject);
        int status = -1;
        if (saver < 0 || waitpid(saver, &status, 0) != saver)
            status = -1;
        if (write(STDOUT_FILENO, &status, sizeof status) != sizeof status)
            return 2;
    }
    return 0;
}
