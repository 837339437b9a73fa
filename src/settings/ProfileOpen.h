#pragma once

class QFile;

namespace quillmark {

// Opens a settings file for reading. A FIFO that no program writes to reads as empty instead of
// holding the caller for good, and a device (/dev/zero never ends) or socket is not opened at all:
// a settings path names a file, or the pipe a shell hands over for "--settings <(...)".
// False, with nothing open, for a missing, unreadable or refused file.
bool OpenProfileToRead(QFile& file);

} // namespace quillmark
