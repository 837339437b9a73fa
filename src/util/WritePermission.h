#pragma once

class QFileInfo;

namespace quillmark {

// True when a file or folder may be written: its mode bits allow it and so does the system. The
// mode bits count on their own because the superuser may write anywhere, yet a file marked
// read-only is meant to stay as it is.
bool IsMarkedWritable(const QFileInfo& info);

} // namespace quillmark
