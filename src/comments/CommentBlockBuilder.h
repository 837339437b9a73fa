#pragma once

#include "comments/CommentRequest.h"

#include <QString>

namespace quillmark {

// Columns of the procedure block: PadToColumn widths measured on the line built so far (the
// block reader finds the fields by them too).
inline constexpr qsizetype HeadingColumn = 2;
inline constexpr qsizetype ContentColumn = 6;
inline constexpr qsizetype NameColumn = 27;
inline constexpr qsizetype DescriptionColumn = 45;

// The boxed comment block for one request: the procedure block for Sub, Function, Property (and
// no kind), the general block for General. Every line ends with CR LF. Pure: no clock, no files.
QString BuildCommentBlock(const CommentRequest& request);

// At least the length in UTF-16 units of the block BuildCommentBlock would give, found without
// building it: every line repeats the remark strings, so long ones make a large block.
qint64 BlockLengthBound(const CommentRequest& request);

// "dd-mmm-yy" with the month's abbreviated name from the default locale (the user's regional
// settings unless a test pins another).
QString FormatCommentDate(const QDate& date);

// The month's name as the date of a block shows it (1 to 12): the default locale's abbreviation,
// always three letters in English.
QString CommentMonthName(int month);

} // namespace quillmark
