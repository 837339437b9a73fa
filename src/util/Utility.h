#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

namespace quillmark {

// Small stateless routines: money and date formatting, SQL quoting, text replacement, path
// stripping and whole-file reading and writing. Names, separators and markers come from the
// default locale. Failures are thrown (ConversionError, FileError).
class Utility {
public:
    // "$" and the amount with all thousands groups and two decimals: $1,234.50, $-5.00.
    QString FormatNumber(double nCur) const;
    // Style 1 "Thursday, Feb 26 1998", 2 "02/26/98 04:07:45 PM", 3 "2/26/1998"; any other style
    // gives the empty text.
    QString FormatDate(const QDateTime& nDate, int nType) const;
    QString PrepareSQLString(const QString& strSQL) const;
    // Difference of the calendar years, not of whole years elapsed.
    int YearsDifference(QDate varNow, QDate varThen) const;
    // Files are UTF-8 text.
    QString ReadFile(const QString& strFileName) const;
    QString FileRead(const QString& strFile) const;
    // Writes strOut followed by CR LF, replacing the file.
    void FileSave(const QString& strFile, const QString& strOut) const;
    // The part after the last path separator ("\" or "/").
    QString StripPathFromFileName(const QString& strFile) const;
    // Every non-overlapping occurrence of strFrom, left to right, case-sensitive. An empty strFrom
    // leaves the text unchanged.
    QString ReplaceChars(const QString& strString, const QString& strFrom,
                         const QString& strTo) const;
};

} // namespace quillmark
