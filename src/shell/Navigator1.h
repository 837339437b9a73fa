#pragma once

#include <QString>

namespace quillmark {

// The product's web page, opened by the toolbar's Navigate command.
inline constexpr char ProductWebPage[] = "http://quillmark.example.org/";
// The browser window the page is meant for. A desktop URL handler has no named browser windows,
// so the name is passed on for the record and has no effect.
inline constexpr char ProductBrowserWindow[] = "_qwx";

// Opens pages in the user's browser through the desktop's URL handler, without waiting.
class Navigator1 {
public:
    // False when the desktop has no handler for the address.
    bool Navigate(const QString& url, const QString& flags, const QString& targetName) const;
};

} // namespace quillmark
