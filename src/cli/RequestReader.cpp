#include "cli/RequestReader.h"

#include "cli/InputError.h"
#include "comments/FreeTextLines.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <cmath>

using namespace Qt::StringLiterals;

namespace quillmark::cli {
namespace {

constexpr auto Ci = Qt::CaseInsensitive;

// Line and column (both from 1, columns in bytes) of a byte offset, for parse errors.
QString PositionOf(const QByteArray& json, qsizetype offset) {
    offset = std::clamp<qsizetype>(offset, 0, json.size());
    qsizetype line = 1;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < offset; ++i) {
        if (json[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
    }
    return QStringLiteral("line %1, column %2").arg(line).arg(offset - lineStart + 1);
}

QString TypeName(const QJsonValue& value) {
    switch (value.type()) {
    case QJsonValue::Null:
        return u"null"_s;
    case QJsonValue::Bool:
        return u"a boolean"_s;
    case QJsonValue::Double:
        return u"a number"_s;
    case QJsonValue::String:
        return u"a text"_s;
    case QJsonValue::Array:
        return u"an array"_s;
    case QJsonValue::Object:
        return u"an object"_s;
    case QJsonValue::Undefined:
        break;
    }
    return u"undefined"_s;
}

[[noreturn]] void WrongType(const QString& member, const QString& expected,
                            const QJsonValue& value) {
    throw InputError(
        QStringLiteral("member \"%1\" must be %2, not %3").arg(member, expected, TypeName(value)));
}

// A one-line field: a line break would break the remark box apart. NULs are dropped, as the
// window's one-line boxes drop them.
QString OneLine(const QJsonValue& value, const QString& member) {
    if (!value.isString()) {
        WrongType(member, u"a text"_s, value);
    }
    QString text = value.toString();
    text.remove(QChar(u'\0'));
    if (text.contains(u'\n') || text.contains(u'\r') || text.contains(QChar::LineSeparator) ||
        text.contains(QChar::ParagraphSeparator)) {
        throw InputError(QStringLiteral("member \"%1\" holds a line break; only \"text\" may "
                                        "span lines")
                             .arg(member));
    }
    return text;
}

ProcedureKind ReadKind(const QJsonValue& value) {
    const QString text = OneLine(value, u"kind"_s);
    if (!text.compare(u"Sub", Ci)) {
        return ProcedureKind::Sub;
    }
    if (!text.compare(u"Function", Ci)) {
        return ProcedureKind::Function;
    }
    if (!text.compare(u"Property", Ci)) {
        return ProcedureKind::Property;
    }
    if (!text.compare(u"General", Ci)) {
        return ProcedureKind::General;
    }
    if (!text.compare(u"None", Ci)) {
        return ProcedureKind::None;
    }
    throw InputError(QStringLiteral("unknown kind \"%1\" (expected Sub, Function, Property, "
                                    "General or None)")
                         .arg(text));
}

AccessLevel ReadAccess(const QJsonValue& value) {
    const QString text = OneLine(value, u"access"_s);
    if (!text.compare(u"Public", Ci)) {
        return AccessLevel::Public;
    }
    if (!text.compare(u"Private", Ci)) {
        return AccessLevel::Private;
    }
    if (!text.compare(u"Protected", Ci)) {
        return AccessLevel::Protected;
    }
    if (!text.compare(u"None", Ci)) {
        return AccessLevel::None;
    }
    throw InputError(QStringLiteral("unknown access \"%1\" (expected Public, Private, Protected "
                                    "or None)")
                         .arg(text));
}

DevelopmentLanguage ReadLanguage(const QJsonValue& value) {
    if (value.isDouble()) {
        const double number = value.toDouble();
        if (number >= 0 && number <= 3 && std::floor(number) == number) {
            return static_cast<DevelopmentLanguage>(static_cast<int>(number));
        }
        throw InputError(QStringLiteral("unknown language %1 (expected 0 to 3)").arg(number));
    }
    if (!value.isString()) {
        WrongType(u"language"_s, u"a language name or a number from 0 to 3"_s, value);
    }
    const QString text = OneLine(value, u"language"_s);
    if (const auto language = RequestReader::LanguageFromName(text)) {
        return *language;
    }
    throw InputError(QStringLiteral("unknown language \"%1\" (expected VB, VC, Delphi, Custom "
                                    "or 0 to 3)")
                         .arg(text));
}

QDate ReadDate(const QJsonValue& value) {
    const QString text = OneLine(value, u"date"_s);
    static const QRegularExpression pattern(u"^\\d{4}-\\d{2}-\\d{2}$"_s);
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (!pattern.match(text).hasMatch() || !date.isValid()) {
        throw InputError(
            QStringLiteral("member \"date\" must be a date as YYYY-MM-DD, not \"%1\"").arg(text));
    }
    return date;
}

QList<CommentParameter> ReadParameters(const QJsonValue& value) {
    if (!value.isArray()) {
        WrongType(u"parameters"_s, u"an array"_s, value);
    }
    QList<CommentParameter> parameters;
    const QJsonArray array = value.toArray();
    for (qsizetype i = 0; i < array.size(); ++i) {
        const QString where = QStringLiteral("parameters[%1]").arg(i);
        if (!array[i].isObject()) {
            WrongType(where, u"an object"_s, array[i]);
        }
        const QJsonObject object = array[i].toObject();
        CommentParameter parameter;
        parameter.Optional = u"No"_s;
        for (auto it = object.begin(); it != object.end(); ++it) {
            const QString member = where + u'.' + it.key();
            if (it.value().isNull()) {
                continue;
            }
            if (it.key() == u"name") {
                parameter.Name = OneLine(it.value(), member);
            } else if (it.key() == u"type") {
                parameter.Type = OneLine(it.value(), member);
            } else if (it.key() == u"description") {
                parameter.Description = OneLine(it.value(), member);
            } else if (it.key() == u"optional") {
                if (!it.value().isBool()) {
                    WrongType(member, u"true or false"_s, it.value());
                }
                parameter.Optional = it.value().toBool() ? u"Yes"_s : u"No"_s;
            } else {
                throw InputError(QStringLiteral("unknown member \"%1\"").arg(member));
            }
        }
        parameters.append(parameter);
    }
    return parameters;
}

QStringList ReadFreeText(const QJsonValue& value) {
    if (value.isString()) {
        return RequestReader::SplitFreeText(value.toString());
    }
    if (!value.isArray()) {
        WrongType(u"text"_s, u"a text or an array of lines"_s, value);
    }
    QStringList lines;
    const QJsonArray array = value.toArray();
    for (qsizetype i = 0; i < array.size(); ++i) {
        lines.append(OneLine(array[i], QStringLiteral("text[%1]").arg(i)));
    }
    return lines;
}

} // namespace

std::optional<DevelopmentLanguage> RequestReader::LanguageFromName(const QString& name) {
    const QString text = name.trimmed();
    if (!text.compare(u"VB", Ci) || text == u"0") {
        return DevelopmentLanguage::VB;
    }
    if (!text.compare(u"VC", Ci) || !text.compare(u"C", Ci) || !text.compare(u"C++", Ci) ||
        text == u"1") {
        return DevelopmentLanguage::VC;
    }
    if (!text.compare(u"Delphi", Ci) || text == u"2") {
        return DevelopmentLanguage::Delphi;
    }
    if (!text.compare(u"Custom", Ci) || text == u"3") {
        return DevelopmentLanguage::Custom;
    }
    return std::nullopt;
}

QString RequestReader::LanguageName(DevelopmentLanguage language) {
    switch (language) {
    case DevelopmentLanguage::VB:
        return u"VB"_s;
    case DevelopmentLanguage::VC:
        return u"VC"_s;
    case DevelopmentLanguage::Delphi:
        return u"Delphi"_s;
    case DevelopmentLanguage::Custom:
        break;
    }
    return u"Custom"_s;
}

QStringList RequestReader::SplitFreeText(const QString& text) {
    // The window's own rule, without its temporary file.
    return SplitReaderLines(FreeTextRoundTrip::SavedText(SeparatorsAsLineFeeds(text)));
}

BlockDescription RequestReader::Read(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        // The toolkit reads only objects and arrays at the top; a lone null, number or text is
        // valid JSON all the same, and the fault is its kind.
        const QJsonDocument wrapped = QJsonDocument::fromJson('[' + json + ']');
        if (wrapped.isArray() && wrapped.array().size() == 1) {
            throw InputError(QStringLiteral("the description must be a JSON object, not %1")
                                 .arg(TypeName(wrapped.array().first())));
        }
        throw InputError(QStringLiteral("invalid JSON at %1: %2")
                             .arg(PositionOf(json, error.offset), error.errorString()));
    }
    if (!document.isObject()) {
        throw InputError(u"the description must be a JSON object, not an array"_s);
    }
    BlockDescription description;
    const QJsonObject object = document.object();
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QString& key = it.key();
        const QJsonValue value = it.value();
        if (value.isNull()) {
            continue; // null reads as "left out"
        }
        if (key == u"kind") {
            description.Kind = ReadKind(value);
        } else if (key == u"access") {
            description.Access = ReadAccess(value);
        } else if (key == u"name") {
            description.Name = OneLine(value, key);
        } else if (key == u"purpose") {
            description.Purpose = OneLine(value, key);
        } else if (key == u"returns") {
            description.Returns = OneLine(value, key);
        } else if (key == u"parameters") {
            description.Parameters = ReadParameters(value);
        } else if (key == u"text") {
            description.FreeTextLines = ReadFreeText(value);
        } else if (key == u"language") {
            description.Language = ReadLanguage(value);
        } else if (key == u"begin") {
            description.BeginFree = OneLine(value, key);
        } else if (key == u"end") {
            description.EndFree = OneLine(value, key);
        } else if (key == u"developer") {
            description.DeveloperName = OneLine(value, key);
        } else if (key == u"date") {
            description.Date = ReadDate(value);
        } else {
            throw InputError(QStringLiteral("unknown member \"%1\"").arg(key));
        }
    }
    return description;
}

} // namespace quillmark::cli
