#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <ostream>

// Readable GoogleTest failure messages for Qt strings (found by argument-dependent lookup).
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toUtf8().replace("\r", "\\r").replace("\n", "\\n").toStdString() << '"';
}

inline void PrintTo(const QByteArray& bytes, std::ostream* out) {
    PrintTo(QString::fromUtf8(bytes), out);
}

inline void PrintTo(const QStringList& list, std::ostream* out) {
    *out << '[';
    for (const QString& item : list) {
        PrintTo(item, out);
        *out << ", ";
    }
    *out << ']';
}
