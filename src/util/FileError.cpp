#include "util/FileError.h"

namespace quillmark {

FileError::FileError(QString path, Reason reason)
    : std::runtime_error((Describe(reason) + QStringLiteral(": ") + path).toStdString()),
      path_(std::move(path)), reason_(reason) {}

QString FileError::Describe(Reason reason) {
    switch (reason) {
    case Reason::FileNotFound:
        return QStringLiteral("file not found");
    case Reason::FolderNotFound:
        return QStringLiteral("folder not found");
    case Reason::CannotRead:
        return QStringLiteral("cannot read");
    case Reason::CannotWrite:
        return QStringLiteral("cannot write");
    }
    return QStringLiteral("file error");
}

} // namespace quillmark
