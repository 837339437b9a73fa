#pragma once

#include "comments/DevelopmentLanguage.h"

#include <QMap>
#include <QString>
#include <QStringList>

namespace quillmark {

// One language's catalogue of parameter type names, entries numbered from 1. A hand-edited count
// can be far larger than the entries present, so only stored entries take memory; a missing entry
// reads as empty.
class ParamTypeCatalogue {
public:
    ParamTypeCatalogue() = default;
    explicit ParamTypeCatalogue(qint64 size) : size_(size < 0 ? 0 : size) {}

    qint64 Size() const noexcept { return size_; }
    QString Entry(qint64 number) const { return entries_.value(number); }
    void SetEntry(qint64 number, const QString& value); // 1 <= number <= Size()
    void Append(const QString& value);

    // The entries a type list offers, in catalogue order. Empty entries are always left out; with
    // keepBlankOnly false (every language but Visual Basic) entries of blanks only are too.
    QStringList TypeListEntries(bool keepBlankOnly) const;

private:
    qint64 size_ = 0;
    QMap<qint64, QString> entries_; // only non-empty entries
};

struct ParamTypeCatalogues {
    ParamTypeCatalogue ParamTypesVB;
    ParamTypeCatalogue ParamTypesVC;
    ParamTypeCatalogue ParamTypesDelphi;
    ParamTypeCatalogue ParamTypesCustom;

    // The catalogue of a language; nullptr outside the four.
    ParamTypeCatalogue* ForLanguage(DevelopmentLanguage language);
    const ParamTypeCatalogue* ForLanguage(DevelopmentLanguage language) const;
};

// The outcome of adding a type: the entry number used, and whether the file took both writes.
struct AppendTypeResult {
    qint64 Number = 0;
    bool Ok = true;
    QString FilePath;
    QString Reason;
};

class ParamTypeCatalogueStore {
public:
    // All four catalogues from "Quillmrk.ini": every count first, then the entries.
    static ParamTypeCatalogues Load();
    // Under the settings file's lock: read the section's "Number", write "Number" = n + 1 and
    // "Param<n+1>" = answer. The in-memory catalogue is the caller's to extend.
    static AppendTypeResult Append(DevelopmentLanguage language, const QString& answer);
};

} // namespace quillmark
