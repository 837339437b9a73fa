// Feeds arbitrary bytes to quillmark-block's readers: the JSON description, the three declaration
// parsers and the block reader. Bad input may be refused (InputError) but must never crash, hang
// or give a block that does not read back to itself.
#include "cli/BlockReader.h"
#include "cli/DeclarationReader.h"
#include "cli/InputError.h"
#include "cli/RequestAssembler.h"
#include "cli/RequestReader.h"
#include "comments/CommentBlockBuilder.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdlib>

using namespace quillmark;
using namespace quillmark::cli;

namespace {

QString Generate(const BlockDescription& description) {
    // Through UTF-8, as the tool writes it.
    return QString::fromUtf8(
        BuildCommentBlock(
            RequestAssembler::Assemble(description, std::nullopt, GlobalSettings{}, QDate()))
            .toUtf8());
}

void ReadJsonAndBlockBack(const QByteArray& bytes) {
    BlockDescription description = RequestReader::Read(bytes);
    if (!description.Date) {
        description.Date = QDate(2024, 3, 9);
    }
    const QString block = Generate(description);
    // Every block the tool writes reads back to a description that gives it again.
    if (Generate(BlockReader::Read(block)) != block) {
        std::abort();
    }
}

void ReadBlock(const QByteArray& bytes) {
    const QString once = Generate(BlockReader::Read(QString::fromUtf8(bytes)));
    if (Generate(BlockReader::Read(once)) != once) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0 || size > 4096) {
        return 0;
    }
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 1,
                           static_cast<qsizetype>(size - 1));
    try {
        switch (data[0] % 6) {
        case 0:
            ReadJsonAndBlockBack(bytes);
            break;
        case 1:
            ReadBlock(bytes);
            break;
        default:
            DeclarationReader::Read(static_cast<DevelopmentLanguage>(data[0] % 6 - 2),
                                    QString::fromUtf8(bytes));
            break;
        }
    } catch (const InputError&) {
    }
    return 0;
}
