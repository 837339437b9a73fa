// The yardstick for quillmark-block's start-up: the smallest program that links QtCore and uses it.
#include <QString>
#include <QTextStream>

int main() {
    QTextStream(stdout) << QStringLiteral("Hello, world\n");
    return 0;
}
