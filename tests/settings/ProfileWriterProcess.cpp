// A second process for the settings tests: writes to a profile file while the test does, holds its
// lock, writes under a file-size limit, or rewrites it until killed.
#include "settings/ProfileLock.h"
#include "settings/RegIni.h"

#include <QCoreApplication>
#include <QString>
#include <QThread>
#include <csignal>
#include <cstdio>
#include <sys/resource.h>

using quillmark::RegIni;

namespace {

RegIni Open(const QString& path) {
    RegIni ini;
    ini.FileName(path);
    return ini;
}

// "keys <path> <prefix> <count>": count keys <prefix><i> = v<i> in section "Shared".
int WriteKeys(const QString& path, const QString& prefix, int count) {
    RegIni ini = Open(path);
    for (int i = 1; i <= count; ++i) {
        if (!ini.SetIniString("Shared", prefix + QString::number(i), "v" + QString::number(i))) {
            std::fprintf(stderr, "%s\n", qPrintable(ini.LastWriteError()));
            return 1;
        }
    }
    return 0;
}

// "churn <path>": rewrites two keys of section "Churn" with the same long value until killed.
int Churn(const QString& path) {
    RegIni ini = Open(path);
    for (int i = 0;; ++i) {
        const QString value = QString::number(i) + QString(4000, u'x');
        ini.SetIniStrings("Churn", {{"First", value}, {"Second", value}});
        if (i == 0) {
            std::puts("started");
            std::fflush(stdout);
        }
    }
}

// "hold <path> <ms>": holds the file's lock for a while, then writes Order=holder under it.
int Hold(const QString& path, int milliseconds) {
    RegIni ini = Open(path);
    const quillmark::ProfileLock lock = ini.LockProfile();
    std::puts(lock.IsLocked() ? "locked" : "failed");
    std::fflush(stdout);
    QThread::msleep(milliseconds);
    return ini.SetIniString("s", "Order", "holder") ? 0 : 1;
}

// "limit <path> <bytes>": a disk that fills up; exits 0 when the write reports its failure.
int WriteOverLimit(const QString& path, int bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{static_cast<rlim_t>(bytes), static_cast<rlim_t>(bytes)};
    setrlimit(RLIMIT_FSIZE, &limit);
    RegIni ini = Open(path);
    const bool written = ini.SetIniString("Big", "k", QString(bytes * 2, u'b'));
    return !written && !ini.LastWriteError().isEmpty() ? 0 : 2;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 5 && args[1] == "keys") {
        return WriteKeys(args[2], args[3], args[4].toInt());
    }
    if (args.size() >= 3 && args[1] == "churn") {
        return Churn(args[2]);
    }
    if (args.size() >= 4 && args[1] == "hold") {
        return Hold(args[2], args[3].toInt());
    }
    if (args.size() >= 4 && args[1] == "limit") {
        return WriteOverLimit(args[2], args[3].toInt());
    }
    std::fprintf(stderr, "usage: keys|churn|hold|limit <path> ...\n");
    return 64;
}
