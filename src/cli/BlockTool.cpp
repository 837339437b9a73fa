#include "cli/BlockTool.h"

#include "cli/BlockReader.h"
#include "cli/ClipboardHandOff.h"
#include "cli/CommandLineOptions.h"
#include "cli/DeclarationReader.h"
#include "cli/DescriptionJson.h"
#include "cli/HelpText.h"
#include "cli/InputError.h"
#include "cli/LanguageList.h"
#include "cli/RequestAssembler.h"
#include "cli/RequestReader.h"
#include "cli/SettingsFileReader.h"
#include "comments/CommentBlockBuilder.h"

#include <QFile>
#include <QStringDecoder>
#include <optional>

using namespace Qt::StringLiterals;

namespace quillmark::cli {
namespace {

QByteArray ReadInputFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw InputError(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    }
    QByteArray bytes = file.read(BlockTool::MaxInputBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        throw InputError(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    }
    return bytes;
}

// Text read as UTF-8 only: bytes of another encoding would turn into stray symbols that the
// readers then take for words or punctuation.
QString StrictUtf8(const QByteArray& bytes, const QString& what) {
    QStringDecoder decoder(QStringConverter::Utf8);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        throw InputError(u"the %1 is not UTF-8 text (convert it first, for example with "
                         u"iconv -f windows-1252 -t utf-8)"_s.arg(what));
    }
    return text;
}

class Session {
public:
    Session(const CommandLineOptions& options, const BlockTool::Environment& environment)
        : options_(options), environment_(environment) {}

    BlockTool::Result Run() {
        if (options_.Help) {
            return {BlockTool::Done, HelpText::Usage().toUtf8(), {}};
        }
        if (options_.Version) {
            return {BlockTool::Done, HelpText::Version().toUtf8(), {}};
        }
        if (options_.ListLanguages) {
            return {BlockTool::Done, LanguageList::Write(Settings()), {}};
        }
        if (options_.ReadBlock) {
            const QString block = StrictUtf8(MainInput(), u"block"_s);
            return {BlockTool::Done, DescriptionJson::Write(BlockReader::Read(block)), {}};
        }
        return Generate();
    }

private:
    const GlobalSettings& Settings() {
        if (!settings_) {
            settings_ = options_.SettingsFile.isEmpty()
                            ? SettingsLayout::LoadGlobalSettings()
                            : SettingsFileReader::Load(options_.SettingsFile);
        }
        return *settings_;
    }

    QByteArray StandardInput() {
        QByteArray bytes =
            environment_.ReadStandardInput ? environment_.ReadStandardInput() : QByteArray();
        if (bytes.size() > BlockTool::MaxInputBytes) {
            throw InputError(QStringLiteral("standard input is larger than %1 MiB")
                                 .arg(BlockTool::MaxInputBytes / (1024 * 1024)));
        }
        return bytes;
    }

    // The JSON, or the block for --read-block.
    QByteArray MainInput() {
        if (!options_.InputFile.isEmpty() && options_.InputFile != u"-") {
            QByteArray bytes = ReadInputFile(options_.InputFile);
            if (bytes.size() > BlockTool::MaxInputBytes) {
                throw InputError(QStringLiteral("%1 is larger than %2 MiB")
                                     .arg(options_.InputFile)
                                     .arg(BlockTool::MaxInputBytes / (1024 * 1024)));
            }
            return bytes;
        }
        return StandardInput();
    }

    BlockDescription ReadDescription(QByteArray& declarationBytes) {
        QByteArray json;
        if (options_.DeclarationFromStandardInput()) {
            declarationBytes = StandardInput();
            if (!options_.InputFile.isEmpty()) {
                json = MainInput();
            }
        } else if (!options_.Declaration || !options_.InputFile.isEmpty() ||
                   !environment_.StandardInputIsTerminal) {
            json = MainInput();
        }
        if (json.trimmed().isEmpty()) {
            if (!options_.Declaration) {
                throw InputError(u"no description: the input is empty (give a JSON object, or "
                                 u"use --from-declaration)"_s);
            }
            return {};
        }
        return RequestReader::Read(json);
    }

    BlockTool::Result Generate() {
        QByteArray declarationBytes;
        const BlockDescription description = ReadDescription(declarationBytes);
        std::optional<ParsedDeclaration> declaration;
        QString declarationText;
        if (options_.Declaration) {
            declarationText = options_.DeclarationFromStandardInput()
                                  ? StrictUtf8(declarationBytes, u"declaration"_s)
                                  : *options_.Declaration;
            if (declarationText.trimmed().isEmpty()) {
                throw InputError(u"the declaration is empty"_s);
            }
            const DevelopmentLanguage language =
                description.Language ? *description.Language : Settings().Language;
            declaration = DeclarationReader::Read(language, declarationText);
        }
        const bool needsSettings = !description.Language || !description.BeginFree ||
                                   !description.EndFree || !description.DeveloperName;
        const GlobalSettings settings = needsSettings ? Settings() : GlobalSettings();
        const CommentRequest request =
            RequestAssembler::Assemble(description, declaration, settings, environment_.Today);

        if (const qint64 bound = BlockLengthBound(request); bound > BlockTool::MaxBlockLength) {
            throw InputError(u"the block would be up to %1 million characters long, more than the "
                             u"%2 million this tool writes: shorten the remark strings or the "
                             u"description"_s.arg(bound / 1000000)
                                 .arg(BlockTool::MaxBlockLength / 1000000));
        }
        QString block = BuildCommentBlock(request);
        if (options_.LfLineEnds) {
            block.replace(u"\r\n"_s, u"\n"_s);
        }
        BlockTool::Result result{BlockTool::Done, block.toUtf8(), {}};
        if (options_.KeepDeclaration) {
            QByteArray kept = options_.DeclarationFromStandardInput() ? declarationBytes
                                                                      : declarationText.toUtf8();
            if (!kept.endsWith('\n')) {
                kept.append(options_.LfLineEnds ? "\n" : "\r\n");
            }
            result.Output.append(kept);
        }
        if (options_.Copy) {
            const ClipboardHandOff::Result copied = ClipboardHandOff::Copy(block.toUtf8());
            if (!copied.Ok) {
                result.ExitStatus = BlockTool::ClipboardFailed;
                result.Error = copied.Message;
            }
        }
        return result;
    }

    const CommandLineOptions& options_;
    const BlockTool::Environment& environment_;
    std::optional<GlobalSettings> settings_;
};

} // namespace

BlockTool::Result BlockTool::Run(const QStringList& arguments, const Environment& environment) {
    try {
        const CommandLineOptions options = CommandLineOptions::Parse(arguments);
        return Session(options, environment).Run();
    } catch (const InputError& error) {
        return {BadInput, {}, error.Message()};
    }
}

} // namespace quillmark::cli
