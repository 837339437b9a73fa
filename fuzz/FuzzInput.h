#pragma once

#include <QByteArrayView>
#include <algorithm>
#include <cstdlib>

namespace quillmark::fuzz {

// Ends the run as a crash, so that libFuzzer keeps the input, when a property does not hold.
inline void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Takes a field off the front of the input: a length byte (below `limit`), then that many bytes.
inline QByteArrayView TakeField(QByteArrayView& input, int limit) {
    if (input.isEmpty()) {
        return {};
    }
    const auto length =
        std::min<qsizetype>(static_cast<unsigned char>(input.front()) % limit, input.size() - 1);
    const QByteArrayView field = input.sliced(1, length);
    input = input.sliced(1 + length);
    return field;
}

} // namespace quillmark::fuzz
