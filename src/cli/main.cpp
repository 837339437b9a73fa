#include "cli/BlockTool.h"

#include <QCoreApplication>
#include <csignal>
#include <cstdio>
#include <optional>
#include <unistd.h>

namespace {

QByteArray ReadStandardInput() {
    QByteArray bytes;
    char buffer[65536];
    while (bytes.size() <= quillmark::cli::BlockTool::MaxInputBytes) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, stdin);
        if (got == 0) {
            break;
        }
        bytes.append(buffer, static_cast<qsizetype>(got));
    }
    return bytes;
}

bool WriteAll(std::FILE* stream, const QByteArray& bytes) {
    return std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream) ==
               static_cast<std::size_t>(bytes.size()) &&
           std::fflush(stream) == 0;
}

} // namespace

int main(int argc, char** argv) {
    // A reader that stops early (`| head`) makes the write fail, reported as status 1, instead of
    // ending the tool without a word.
    std::signal(SIGPIPE, SIG_IGN);
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    // Only the clipboard hand-off needs an application object (QProcess); without one the tool
    // starts as fast as a bare QtCore program.
    std::optional<QCoreApplication> application;
    if (arguments.contains(QStringLiteral("--copy"))) {
        application.emplace(argc, argv);
    }

    quillmark::cli::BlockTool::Environment environment;
    environment.ReadStandardInput = ReadStandardInput;
    environment.StandardInputIsTerminal = ::isatty(STDIN_FILENO) != 0;
    environment.Today = QDate::currentDate();

    const auto result = quillmark::cli::BlockTool::Run(arguments, environment);
    int status = result.ExitStatus;
    if (!result.Output.isEmpty() && !WriteAll(stdout, result.Output)) {
        std::fputs("quillmark-block: cannot write the output\n", stderr);
        status = quillmark::cli::BlockTool::OutputFailed;
    }
    if (!result.Error.isEmpty()) {
        WriteAll(stderr, "quillmark-block: " + result.Error.toLocal8Bit() + '\n');
    }
    return status;
}
