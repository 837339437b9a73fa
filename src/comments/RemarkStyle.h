#pragma once

#include "comments/DevelopmentLanguage.h"

#include <QString>
#include <QStringView>

namespace quillmark {

// Characters between the begin and the end remark of a separator line.
inline constexpr qsizetype BlockWidth = 72;
inline constexpr QStringView LineBreak = u"\r\n";

QString MainSeparatorRun();  // 72 x "="
QString MinorSeparatorRun(); // 72 x "-"

// The remark strings of a language. Custom takes the user's strings exactly as stored; any value
// outside the four languages has none.
QString BeginRemark(DevelopmentLanguage language, const QString& beginFree = {});
QString EndRemark(DevelopmentLanguage language, const QString& endFree = {});

// Blanks that make `line` width + 1 characters long, so the next text starts at 1-based column
// width + 2; none when the line is already that long. Widths are whole numbers of any size: a
// long custom remark string must push columns, never wrap them round.
QString PadToColumn(qsizetype width, QStringView line);
qsizetype PadLength(qsizetype width, qsizetype lineCharacters) noexcept;

// The width FinishLine pads to before the end remark, for remark strings of `beginLength` and
// `endLength` characters. Free-text lines are measured without their "begin remark + blank"
// prefix, so their end remark lines up with the separators only when both have the same length.
qsizetype EndRemarkPadWidth(qsizetype beginLength, qsizetype endLength, bool freeText) noexcept;

// The text that completes a remark line: padding, end remark, CR LF. In aligned mode `line` is the
// whole remark line; in free-text mode it is the free-text line alone.
QString FinishLine(QStringView line, QStringView beginRemark, QStringView endRemark, bool freeText);

// BeginRemark + run + EndRemark + CR LF.
QString SeparatorLine(QStringView run, QStringView beginRemark, QStringView endRemark);

} // namespace quillmark
