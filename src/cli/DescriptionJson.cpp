#include "cli/DescriptionJson.h"

#include "cli/RequestReader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace quillmark::cli {
namespace {

QString KindName(ProcedureKind kind) {
    switch (kind) {
    case ProcedureKind::Sub:
        return u"Sub"_s;
    case ProcedureKind::Function:
        return u"Function"_s;
    case ProcedureKind::Property:
        return u"Property"_s;
    case ProcedureKind::General:
        return u"General"_s;
    case ProcedureKind::None:
        break;
    }
    return u"None"_s;
}

QString AccessName(AccessLevel access) {
    switch (access) {
    case AccessLevel::Public:
        return u"Public"_s;
    case AccessLevel::Private:
        return u"Private"_s;
    case AccessLevel::Protected:
        return u"Protected"_s;
    case AccessLevel::None:
        break;
    }
    return u"None"_s;
}

} // namespace

QByteArray DescriptionJson::Write(const BlockDescription& description) {
    QJsonObject object;
    if (description.Kind) {
        object.insert(u"kind"_s, KindName(*description.Kind));
    }
    if (description.Access) {
        object.insert(u"access"_s, AccessName(*description.Access));
    }
    if (description.Name) {
        object.insert(u"name"_s, *description.Name);
    }
    if (description.Purpose) {
        object.insert(u"purpose"_s, *description.Purpose);
    }
    if (description.Returns) {
        object.insert(u"returns"_s, *description.Returns);
    }
    if (description.Parameters) {
        QJsonArray parameters;
        for (const CommentParameter& parameter : *description.Parameters) {
            parameters.append(QJsonObject{{u"name"_s, parameter.Name},
                                          {u"type"_s, parameter.Type},
                                          {u"description"_s, parameter.Description},
                                          {u"optional"_s, parameter.IsOptional()}});
        }
        object.insert(u"parameters"_s, parameters);
    }
    if (description.FreeTextLines) {
        if (description.FreeTextLines->isEmpty()) {
            object.insert(u"text"_s, QJsonArray());
        } else {
            object.insert(u"text"_s, description.FreeTextLines->join(u'\n'));
        }
    }
    if (description.Language) {
        object.insert(u"language"_s, RequestReader::LanguageName(*description.Language));
    }
    if (description.BeginFree) {
        object.insert(u"begin"_s, *description.BeginFree);
    }
    if (description.EndFree) {
        object.insert(u"end"_s, *description.EndFree);
    }
    if (description.DeveloperName) {
        object.insert(u"developer"_s, *description.DeveloperName);
    }
    if (description.Date) {
        object.insert(u"date"_s, description.Date->toString(Qt::ISODate));
    }
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

} // namespace quillmark::cli
