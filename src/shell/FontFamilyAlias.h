#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace quillmark {

// The toolkit's stock font family, "Sans Serif", is no installed font but a name fontconfig maps
// to the desktop's sans-serif font. A font asking for it makes the toolkit rank every installed
// font to find the family behind the name, on the main thread as the first text is measured
// (2.7 million instructions). Looked up beforehand, beside the toolkit's start, the window asks
// for that family by its own name and gets the same font.
class FontFamilyAlias {
public:
    FontFamilyAlias() = default; // resolves nothing: Apply() changes no font

    // Asks fontconfig, the way the toolkit does, which family the stock name stands for (loading
    // the configuration if nothing has yet). Safe on any thread, also before the application
    // object exists.
    static FontFamilyAlias ResolveStockFamily();

    // `font`, asking for the family behind the alias if it asks for the alias itself.
    QFont Apply(QFont font) const;

    static QString Alias();                           // the stock name
    const QString& Family() const { return family_; } // empty when unresolved

private:
    QString family_;
};

} // namespace quillmark
