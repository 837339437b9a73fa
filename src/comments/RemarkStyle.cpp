#include "comments/RemarkStyle.h"

#include "comments/CharacterCount.h"

namespace quillmark {

QString MainSeparatorRun() {
    return QString(BlockWidth, u'=');
}

QString MinorSeparatorRun() {
    return QString(BlockWidth, u'-');
}

QString BeginRemark(DevelopmentLanguage language, const QString& beginFree) {
    switch (language) {
    case DevelopmentLanguage::VB:
        return QStringLiteral("'");
    case DevelopmentLanguage::VC:
        return QStringLiteral("//");
    case DevelopmentLanguage::Delphi:
        return QStringLiteral("(*");
    case DevelopmentLanguage::Custom:
        return beginFree;
    }
    return {};
}

QString EndRemark(DevelopmentLanguage language, const QString& endFree) {
    switch (language) {
    case DevelopmentLanguage::Delphi:
        return QStringLiteral("*)");
    case DevelopmentLanguage::Custom:
        return endFree;
    case DevelopmentLanguage::VB:
    case DevelopmentLanguage::VC:
        break;
    }
    return {};
}

qsizetype PadLength(qsizetype width, qsizetype lineCharacters) noexcept {
    const qsizetype blanks = width - lineCharacters + 1;
    return blanks > 0 ? blanks : 0;
}

QString PadToColumn(qsizetype width, QStringView line) {
    return QString(PadLength(width, CharacterCount(line)), u' ');
}

qsizetype EndRemarkPadWidth(qsizetype beginLength, qsizetype endLength, bool freeText) noexcept {
    return freeText ? BlockWidth - 2 + beginLength - endLength : beginLength + BlockWidth - 1;
}

QString FinishLine(QStringView line, QStringView beginRemark, QStringView endRemark,
                   bool freeText) {
    if (endRemark.isEmpty()) {
        return LineBreak.toString();
    }
    const qsizetype width =
        EndRemarkPadWidth(CharacterCount(beginRemark), CharacterCount(endRemark), freeText);
    QString result = PadToColumn(width, line);
    result.append(endRemark);
    result.append(LineBreak);
    return result;
}

QString SeparatorLine(QStringView run, QStringView beginRemark, QStringView endRemark) {
    QString line;
    line.reserve(beginRemark.size() + run.size() + endRemark.size() + LineBreak.size());
    line.append(beginRemark);
    line.append(run);
    line.append(endRemark);
    line.append(LineBreak);
    return line;
}

} // namespace quillmark
