#include "util/WritePermission.h"

#include <QFileInfo>

namespace quillmark {

bool IsMarkedWritable(const QFileInfo& info) {
    constexpr auto anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return (info.permissions() & anyWrite) != 0 && info.isWritable();
}

} // namespace quillmark
