#include "shell/FontFamilyAlias.h"

#if defined(QUILLMARK_HAVE_FONTCONFIG)
#include <fontconfig/fontconfig.h>
#endif

namespace quillmark {

namespace {

// The family the toolkit's platform themes give applications on X11 desktops.
constexpr char StockFamily[] = "Sans Serif";

#if defined(QUILLMARK_HAVE_FONTCONFIG)
// The first family fontconfig ranks for `alias`, asked the way the toolkit asks for the fallbacks
// of a family it does not know: upright, in the desktop's default language. The toolkit takes
// that same first family, so the font it loads does not change.
QString FirstFamilyFor(const char* alias) {
    FcPattern* pattern = FcPatternCreate();
    if (pattern == nullptr) {
        return {};
    }
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(alias));
    FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
    FcPattern* defaults = FcPatternCreate();
    if (defaults != nullptr) {
        FcDefaultSubstitute(defaults);
        FcChar8* language = nullptr;
        if (FcPatternGetString(defaults, FC_LANG, 0, &language) == FcResultMatch) {
            FcPatternAddString(pattern, FC_LANG, language);
        }
        FcPatternDestroy(defaults);
    }
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcFontSet* ranked = FcFontSort(nullptr, pattern, FcFalse, nullptr, &result);
    FcPatternDestroy(pattern);
    if (ranked == nullptr) {
        return {};
    }
    const QString aliasName = QString::fromUtf8(alias);
    QString family;
    for (int index = 0; index < ranked->nfont && family.isEmpty(); ++index) {
        FcChar8* name = nullptr;
        if (FcPatternGetString(ranked->fonts[index], FC_FAMILY, 0, &name) != FcResultMatch) {
            continue;
        }
        const QString candidate = QString::fromUtf8(reinterpret_cast<const char*>(name));
        if (candidate.compare(aliasName, Qt::CaseInsensitive) != 0) {
            family = candidate;
        }
    }
    FcFontSetDestroy(ranked);
    return family;
}
#endif

} // namespace

FontFamilyAlias FontFamilyAlias::ResolveStockFamily() {
    FontFamilyAlias resolved;
#if defined(QUILLMARK_HAVE_FONTCONFIG)
    resolved.family_ = FirstFamilyFor(StockFamily);
#endif
    return resolved;
}

QString FontFamilyAlias::Alias() {
    return QString::fromLatin1(StockFamily);
}

QFont FontFamilyAlias::Apply(QFont font) const {
    if (!family_.isEmpty() && font.families() == QStringList{Alias()}) {
        font.setFamilies({family_});
    }
    return font;
}

} // namespace quillmark
