#include "settings/ProfileOpen.h"

#include <QFile>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillmark {

bool OpenProfileToRead(QFile& file) {
    const QByteArray name = QFile::encodeName(file.fileName());
    if (name.isEmpty()) {
        return false;
    }
    // Without O_NONBLOCK, opening a FIFO waits until a writer opens it too.
    const int descriptor = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0) {
        return false;
    }
    struct stat info {};
    const bool readable =
        ::fstat(descriptor, &info) == 0 && (S_ISREG(info.st_mode) || S_ISFIFO(info.st_mode));
    // Reads block again, so a pipe whose writer is still writing is read to its end; one with no
    // writer at all ends at once.
    const int flags = readable ? ::fcntl(descriptor, F_GETFL) : -1;
    if (flags < 0 || ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) != 0 ||
        !file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return false;
    }
    return true;
}

} // namespace quillmark
