#pragma once

#include "comments/DevelopmentLanguage.h"

#include <QByteArray>
#include <QList>
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
    QString Entry(qint64 number) const;
    // 1 <= number <= Size(). Cheap past the last stored entry (as Append and loading do); a
    // change before it rebuilds the storage.
    void SetEntry(qint64 number, const QString& value);
    void Append(const QString& value);

    // The entries a type list offers, in catalogue order. Empty entries are always left out; with
    // keepBlankOnly false (every language but Visual Basic) entries of blanks only are too.
    QStringList TypeListEntries(bool keepBlankOnly) const;

private:
    friend class ParamTypeCatalogueStore;

    // Consecutive entry numbers stored one after another: the first number and its index.
    struct Run {
        qint64 First = 0;
        qsizetype Index = 0;
    };

    qsizetype Stored() const noexcept { return ends_.size(); }
    qsizetype IndexOf(qint64 number) const; // -1 when the entry is not stored
    qint64 NumberAt(qsizetype index) const;
    QByteArrayView TextAt(qsizetype index) const;
    void Reserve(qsizetype entries, qsizetype bytes);
    // Stores a non-empty entry numbered past every stored one; false when the text cannot be held.
    bool AppendStored(qint64 number, QByteArrayView utf8);

    // Only non-empty entries take memory, in number order: their numbers as runs (one run for a
    // catalogue without gaps) and their texts in one UTF-8 block, each ending at ends_[index].
    // A catalogue of 100,000 short names takes little more than its text.
    qint64 size_ = 0;
    QList<Run> runs_;
    QList<quint32> ends_;
    QByteArray text_;
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
