#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>

namespace quillmark::cli {

// Everything quillmark-block does between reading its arguments and writing its output, with the
// process's streams and clock passed in so it can run inside a test.
class BlockTool {
public:
    static constexpr qsizetype MaxInputBytes = 16 * 1024 * 1024;
    // Long custom remark strings repeat on every line: a small input can ask for gigabytes.
    static constexpr qint64 MaxBlockLength = qint64(512) * 1024 * 1024;

    enum ExitStatus { Done = 0, OutputFailed = 1, BadInput = 2, ClipboardFailed = 3 };

    struct Environment {
        // Reads standard input to its end, or until it holds more than MaxInputBytes bytes.
        std::function<QByteArray()> ReadStandardInput;
        bool StandardInputIsTerminal = false;
        QDate Today;
    };

    struct Result {
        int ExitStatus = Done;
        QByteArray Output; // empty when ExitStatus is BadInput
        QString Error;     // one line, without its line break
    };

    static Result Run(const QStringList& arguments, const Environment& environment);
};

} // namespace quillmark::cli
