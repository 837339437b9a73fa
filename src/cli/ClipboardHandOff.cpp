#include "cli/ClipboardHandOff.h"

#include <QProcess>
#include <QStandardPaths>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace quillmark::cli {
namespace {

constexpr int StartTimeoutMs = 5000;
constexpr int FinishTimeoutMs = 10000;

struct Helper {
    QString Program;
    QStringList Arguments;
};

QStringList SearchPath(const QProcessEnvironment& environment) {
    return environment.value(u"PATH"_s).split(u':', Qt::SkipEmptyParts);
}

} // namespace

ClipboardHandOff::Result ClipboardHandOff::Copy(const QByteArray& bytes,
                                                const QProcessEnvironment& environment) {
    QList<Helper> helpers;
    if (!environment.value(u"WAYLAND_DISPLAY"_s).isEmpty()) {
        helpers.append({u"wl-copy"_s, {u"--type"_s, u"text/plain;charset=utf-8"_s}});
    }
    if (!environment.value(u"DISPLAY"_s).isEmpty()) {
        helpers.append({u"xclip"_s, {u"-selection"_s, u"clipboard"_s}});
        helpers.append({u"xsel"_s, {u"--clipboard"_s, u"--input"_s}});
    }
    if (helpers.isEmpty()) {
        return {false, u"--copy: no display (neither WAYLAND_DISPLAY nor DISPLAY is set); the "
                       u"block was written to standard output only"_s};
    }
    const QStringList path = SearchPath(environment);
    for (const Helper& helper : helpers) {
        const QString program = QStandardPaths::findExecutable(helper.Program, path);
        if (program.isEmpty()) {
            continue;
        }
        QProcess process;
        process.setProcessEnvironment(environment);
        // The helper forks a server that outlives it: give it no pipes to hold open.
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
        // In a session of its own: a terminal that closes as this tool ends (an editor's task)
        // hangs up its session, and the server would end with it, the clipboard too.
        process.setChildProcessModifier([] { ::setsid(); });
        process.start(program, helper.Arguments);
        if (!process.waitForStarted(StartTimeoutMs)) {
            return {false, QStringLiteral("--copy: %1 did not start: %2")
                               .arg(helper.Program, process.errorString())};
        }
        process.write(bytes);
        process.closeWriteChannel();
        if (!process.waitForFinished(FinishTimeoutMs)) {
            process.kill();
            process.waitForFinished(1000);
            return {false, QStringLiteral("--copy: %1 did not finish in time").arg(helper.Program)};
        }
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
            return {false, QStringLiteral("--copy: %1 failed (exit status %2)")
                               .arg(helper.Program)
                               .arg(process.exitCode())};
        }
        return {true, {}};
    }
    return {false, u"--copy: no clipboard helper found: install wl-clipboard (Wayland) or xclip "
                   u"(X11); the block was written to standard output only"_s};
}

} // namespace quillmark::cli
