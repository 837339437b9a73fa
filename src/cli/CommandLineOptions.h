#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace quillmark::cli {

// What the command line asked for.
struct CommandLineOptions {
    bool Help = false;
    bool Version = false;
    bool ListLanguages = false;
    bool ReadBlock = false;
    bool Copy = false;
    bool KeepDeclaration = false;
    bool LfLineEnds = false;
    QString InputFile;                  // empty: standard input
    QString SettingsFile;               // empty: the user's Quillmrk.ini
    std::optional<QString> Declaration; // "-": read it from standard input

    bool DeclarationFromStandardInput() const { return Declaration && *Declaration == u"-"; }

    // Parses the arguments after the program name; throws InputError for an unknown option, a
    // missing or bad value, a stray argument or options that do not go together.
    static CommandLineOptions Parse(const QStringList& arguments);
};

} // namespace quillmark::cli
