// Helper for the two-process test: appends <count> types named <prefix>1, <prefix>2, ... to the
// C/C++ catalogue of the settings file, one add-type write pair after another.
#include "params/ParamTypeCatalogue.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdlib>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 3) {
        QTextStream(stderr) << "usage: type_appender <prefix> <count>\n";
        return EXIT_FAILURE;
    }
    const QString prefix = arguments.at(1);
    const int count = arguments.at(2).toInt();
    for (int index = 1; index <= count; ++index) {
        const quillmark::AppendTypeResult result = quillmark::ParamTypeCatalogueStore::Append(
            quillmark::DevelopmentLanguage::VC, prefix + QString::number(index));
        if (!result.Ok) {
            QTextStream(stderr) << result.FilePath << ": " << result.Reason << '\n';
            return EXIT_FAILURE;
        }
    }
    return EXIT_SUCCESS;
}
