#pragma once

#include <QString>

namespace quillmark::HelpTexts {

// The quick help's texts. Two blanks follow each full stop, as the window has always shown them.
QString GeneralInformation();  // Label3
QString HotKeysIntroduction(); // Label1
QString CopyHotKeyNote();      // Label2
// The main window's hot keys, one per line, every line ending in CR LF.
QString HotKeyList(); // Text1

} // namespace quillmark::HelpTexts
