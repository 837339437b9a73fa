#include "cli/CommandLineOptions.h"

#include "cli/InputError.h"

using namespace Qt::StringLiterals;

namespace quillmark::cli {

CommandLineOptions CommandLineOptions::Parse(const QStringList& arguments) {
    CommandLineOptions options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString option = arguments[i];
        std::optional<QString> attached;
        const qsizetype equals = option.indexOf(u'=');
        if (option.startsWith(u"--") && equals > 2) {
            attached = option.mid(equals + 1);
            option.truncate(equals);
        }
        auto value = [&]() -> QString {
            if (attached) {
                return *attached;
            }
            if (i + 1 >= arguments.size()) {
                throw InputError(QStringLiteral("option %1 needs a value").arg(option));
            }
            return arguments[++i];
        };
        auto flag = [&](bool& target) {
            if (attached) {
                throw InputError(QStringLiteral("option %1 takes no value").arg(option));
            }
            target = true;
        };
        if (option == u"--help" || option == u"-h") {
            flag(options.Help);
        } else if (option == u"--version") {
            flag(options.Version);
        } else if (option == u"--list-languages") {
            flag(options.ListLanguages);
        } else if (option == u"--read-block") {
            flag(options.ReadBlock);
        } else if (option == u"--copy") {
            flag(options.Copy);
        } else if (option == u"--keep-declaration") {
            flag(options.KeepDeclaration);
        } else if (option == u"--input") {
            options.InputFile = value();
            if (options.InputFile.isEmpty()) {
                throw InputError(u"option --input needs a file name"_s);
            }
        } else if (option == u"--settings") {
            options.SettingsFile = value();
            if (options.SettingsFile.isEmpty()) {
                throw InputError(u"option --settings needs a file name"_s);
            }
        } else if (option == u"--from-declaration") {
            options.Declaration = value();
        } else if (option == u"--eol") {
            const QString eol = value();
            if (eol == u"lf") {
                options.LfLineEnds = true;
            } else if (eol == u"crlf") {
                options.LfLineEnds = false;
            } else {
                throw InputError(
                    QStringLiteral("unknown line end \"%1\" for --eol (expected crlf or lf)")
                        .arg(eol));
            }
        } else if (option.startsWith(u'-') && option != u"-") {
            throw InputError(QStringLiteral("unknown option %1 (see --help)").arg(option));
        } else {
            throw InputError(QStringLiteral("unexpected argument \"%1\" (see --help)").arg(option));
        }
    }

    if (options.Help || options.Version) {
        return options;
    }
    if (options.ReadBlock &&
        (options.Declaration || options.Copy || options.KeepDeclaration || options.ListLanguages)) {
        throw InputError(u"--read-block goes with --input and --settings only"_s);
    }
    if (options.ListLanguages && (options.Declaration || options.Copy || options.KeepDeclaration ||
                                  !options.InputFile.isEmpty())) {
        throw InputError(u"--list-languages goes with --settings only"_s);
    }
    if (options.KeepDeclaration && !options.Declaration) {
        throw InputError(u"--keep-declaration needs --from-declaration"_s);
    }
    if (options.DeclarationFromStandardInput() && options.InputFile == u"-") {
        throw InputError(u"standard input cannot hold both the declaration and the JSON"_s);
    }
    return options;
}

} // namespace quillmark::cli
