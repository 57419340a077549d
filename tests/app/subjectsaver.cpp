#include "app/filesystem.h"
#include "favorites/subjectstore.h"
#include "savertexts.h"

#include <array>
#include <unistd.h>

// Saves one subject through the program's own save path, the new text and the old text in
// turn, until it is killed. Arguments: the Verses folder and the subject. It writes one byte
// to its standard output when it is about to start saving.
int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    FileSystem files;
    SubjectStore store(files, QString::fromLocal8Bit(argv[1]));
    const QString subject = QString::fromLocal8Bit(argv[2]);
    const std::array<QString, 2> texts{savertexts::newText(), savertexts::oldText()};
    if (write(STDOUT_FILENO, "s", 1) != 1)
        return 2;
    for (std::size_t turn = 0;; turn = 1 - turn) {
        if (!store.write(subject, texts[turn]).ok)
            return 1;
    }
}
