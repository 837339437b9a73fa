#include "cli/LanguageList.h"

#include "cli/RequestReader.h"
#include "comments/RemarkStyle.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace quillmark::cli {

QByteArray LanguageList::Write(const GlobalSettings& settings) {
    QJsonArray languages;
    for (int value = 0; value <= 3; ++value) {
        const auto language = static_cast<DevelopmentLanguage>(value);
        languages.append(QJsonObject{
            {u"value"_s, value},
            {u"name"_s, RequestReader::LanguageName(language)},
            {u"displayName"_s, SettingsLayout::DisplayName(language)},
            {u"begin"_s, BeginRemark(language, settings.BeginFree)},
            {u"end"_s, EndRemark(language, settings.EndFree)},
            {u"current"_s, language == settings.Language},
        });
    }
    return QJsonDocument(languages).toJson(QJsonDocument::Indented);
}

} // namespace quillmark::cli
