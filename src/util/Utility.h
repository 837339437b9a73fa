#pragma once

#include <QString>
#include <QVariant>

namespace quillmark {

// Small stateless routines: money and date formatting, SQL quoting, text replacement, path
// stripping and whole-file reading and writing. Failures are thrown (ConversionError, FileError).
class Utility {
public:
    QString FormatNumber(const QVariant& nCur) const;
    QString FormatDate(const QVariant& nDate, const QVariant& nType) const;
    QString PrepareSQLString(const QString& strSQL) const;
    int YearsDifference(const QVariant& varNow, const QVariant& varThen) const;
    // Files are UTF-8 text.
    QString ReadFile(const QString& strFileName) const;
    QString FileRead(const QString& strFile) const;
    // Writes strOut followed by CR LF, replacing the file.
    void FileSave(const QString& strFile, const QString& strOut) const;
    QString StripPathFromFileName(const QString& strFile) const;
    QString ReplaceChars(const QString& strString, const QString& strFrom,
                         const QString& strTo) const;
};

} // namespace quillmark
