#include "util/Utility.h"

#include "util/ConversionError.h"
#include "util/FileError.h"
#include "util/Utf8Text.h"
#include "util/WritePermission.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <algorithm>
#include <cmath>

namespace quillmark {
namespace {

QString TwoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

QString FourDigitYear(int year) {
    const QString digits = QStringLiteral("%1").arg(std::abs(year), 4, 10, QLatin1Char('0'));
    return year < 0 ? u'-' + digits : digits;
}

// The locale has no accessor for its date and time separators; take the first one its own short
// formats use ("M/d/yy" gives "/", "dd.MM.yy" gives ".", "H.mm" gives ".").
QChar SeparatorOf(const QString& format, QChar fallback) {
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'') {
            quoted = !quoted;
        } else if (!quoted && !c.isLetter() && !c.isSpace()) {
            return c;
        }
    }
    return fallback;
}

QString InvalidDateText(const QDateTime& value) {
    return value.isNull() ? QStringLiteral("null date") : QStringLiteral("invalid date");
}

QByteArray ReadWholeFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        const bool folderExists = !path.isEmpty() && info.absoluteDir().exists();
        throw FileError(path, folderExists ? FileError::Reason::FileNotFound
                                           : FileError::Reason::FolderNotFound);
    }
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        throw FileError(path, FileError::Reason::CannotRead);
    }
    // Read to the end rather than trusting a length taken beforehand: the file may change size.
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        throw FileError(path, FileError::Reason::CannotRead);
    }
    return bytes;
}

} // namespace

QString Utility::FormatNumber(double nCur) const {
    if (!std::isfinite(nCur)) {
        throw ConversionError(QString::number(nCur));
    }
    // Grouped by threes in every locale, as the pattern says: the locale's own number format
    // would leave the C locale's thousands ungrouped, and Spanish 1234 or Indian lakhs too.
    const QLocale locale;
    const QString digits = QString::number(std::abs(nCur), 'f', 2);
    const qsizetype wholeDigits = digits.size() - 3; // before ".dd"
    QString amount = QStringLiteral("$");
    // An amount that rounds to nothing is no debt: "$0.00", never "$-0.00".
    if (nCur < 0 && digits != u"0.00") {
        amount += locale.negativeSign();
    }
    for (qsizetype i = 0; i < wholeDigits; ++i) {
        if (i > 0 && (wholeDigits - i) % 3 == 0) {
            amount += locale.groupSeparator();
        }
        amount += digits[i];
    }
    return amount + locale.decimalPoint() + digits.right(2);
}

QString Utility::FormatDate(const QDateTime& nDate, int nType) const {
    if (nType < 1 || nType > 3) {
        return {};
    }
    if (!nDate.isValid()) {
        throw ConversionError(InvalidDateText(nDate));
    }
    const QLocale locale;
    const QDate date = nDate.date();
    const QChar dateSeparator = SeparatorOf(locale.dateFormat(QLocale::ShortFormat), u'/');
    switch (nType) {
    case 1:
        return locale.dayName(date.dayOfWeek(), QLocale::LongFormat) + QStringLiteral(", ") +
               locale.monthName(date.month(), QLocale::ShortFormat) + u' ' +
               QString::number(date.day()) + u' ' + FourDigitYear(date.year());
    case 2: {
        const QChar timeSeparator = SeparatorOf(locale.timeFormat(QLocale::ShortFormat), u':');
        const QTime time = nDate.time();
        const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
        return TwoDigits(date.month()) + dateSeparator + TwoDigits(date.day()) + dateSeparator +
               TwoDigits(std::abs(date.year()) % 100) + u' ' + TwoDigits(hour12) + timeSeparator +
               TwoDigits(time.minute()) + timeSeparator + TwoDigits(time.second()) + u' ' +
               (time.hour() < 12 ? locale.amText() : locale.pmText());
    }
    default:
        return QString::number(date.month()) + dateSeparator + QString::number(date.day()) +
               dateSeparator + FourDigitYear(date.year());
    }
}

QString Utility::PrepareSQLString(const QString& strSQL) const {
    QString quoted = strSQL;
    return quoted.replace(u'\'', QStringLiteral("''"));
}

int Utility::YearsDifference(QDate varNow, QDate varThen) const {
    if (!varNow.isValid()) {
        throw ConversionError(InvalidDateText(QDateTime(varNow, QTime())));
    }
    if (!varThen.isValid()) {
        throw ConversionError(InvalidDateText(QDateTime(varThen, QTime())));
    }
    return varNow.year() - varThen.year();
}

QString Utility::ReadFile(const QString& strFileName) const {
    return Utf8KeepingLeadingFeff(ReadWholeFile(strFileName));
}

QString Utility::FileRead(const QString& strFile) const {
    return Utf8KeepingLeadingFeff(ReadWholeFile(strFile));
}

void Utility::FileSave(const QString& strFile, const QString& strOut) const {
    const QFileInfo info(strFile);
    if (strFile.isEmpty() || !info.absoluteDir().exists()) {
        throw FileError(strFile, FileError::Reason::FolderNotFound);
    }
    // A read-only file stays protected, although renaming a new copy over it would succeed.
    if (info.isDir() || (info.exists() && !IsMarkedWritable(info))) {
        throw FileError(strFile, FileError::Reason::CannotWrite);
    }
    // Likewise a new file in a folder marked read-only.
    if (!info.exists() && !IsMarkedWritable(QFileInfo(info.absolutePath()))) {
        throw FileError(strFile, FileError::Reason::CannotWrite);
    }
    // Written beside the target and renamed over it, so a failed save leaves the old file whole.
    QSaveFile file(strFile);
    file.setDirectWriteFallback(true);
    // Unbuffered, so that a full disk fails the write itself: where no copy can be made beside
    // the file and it is written in place, a failure left for the close would go unreported.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        throw FileError(strFile, FileError::Reason::CannotWrite);
    }
    QByteArray bytes = strOut.toUtf8();
    bytes.append("\r\n");
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        throw FileError(strFile, FileError::Reason::CannotWrite);
    }
}

QString Utility::StripPathFromFileName(const QString& strFile) const {
    const qsizetype separator = std::max(strFile.lastIndexOf(u'\\'), strFile.lastIndexOf(u'/'));
    return strFile.mid(separator + 1);
}

QString Utility::ReplaceChars(const QString& strString, const QString& strFrom,
                              const QString& strTo) const {
    if (strFrom.isEmpty()) {
        return strString;
    }
    QString replaced = strString;
    return replaced.replace(strFrom, strTo, Qt::CaseSensitive);
}

} // namespace quillmark
