#pragma once

#include <QByteArray>
#include <QIODevice>
#include <algorithm>

namespace quillmark::test {

// A read-only device that hands its bytes over 1 to 16 at a time, the step of each read taken in
// turn from `steps` (one byte a read when it is empty), as a pipe or socket may.
class TrickleDevice : public QIODevice {
public:
    TrickleDevice(QByteArray bytes, QByteArray steps)
        : bytes_(std::move(bytes)), steps_(std::move(steps)) {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const qint64 step =
            steps_.isEmpty() ? 1
                             : 1 + static_cast<unsigned char>(steps_[turn_++ % steps_.size()]) % 16;
        const qint64 count = std::min({step, maxSize, bytes_.size() - position_});
        std::copy_n(bytes_.constData() + position_, count, data);
        position_ += count;
        return count;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray bytes_;
    QByteArray steps_;
    qsizetype position_ = 0;
    qsizetype turn_ = 0;
};

} // namespace quillmark::test
