#include "support/IsolatedEnvironment.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

// Shared main for the display-free tests: an application object (QProcess, QLockFile and friends
// expect one) and an isolated HOME for the whole run.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    quillmark::test::IsolatedEnvironment environment;
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
