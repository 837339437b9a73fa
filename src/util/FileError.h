#pragma once

#include <QString>
#include <stdexcept>

namespace quillmark {

// A whole-file read or write that failed, with the path and why.
class FileError : public std::runtime_error {
public:
    enum class Reason { FileNotFound, FolderNotFound, CannotRead, CannotWrite };

    FileError(QString path, Reason reason);

    const QString& Path() const noexcept { return path_; }
    Reason WhatFailed() const noexcept { return reason_; }
    // "file not found", "folder not found", ... for messages.
    static QString Describe(Reason reason);

private:
    QString path_;
    Reason reason_;
};

} // namespace quillmark
