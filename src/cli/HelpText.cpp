#include "cli/HelpText.h"

#include "QuillmarkVersion.h"

namespace quillmark::cli {

QString HelpText::Usage() {
    return QStringLiteral(R"(Usage: quillmark-block [OPTION]...
Writes the boxed comment block for one procedure to standard output, byte for byte what
Quillmark's Copy puts on the clipboard (UTF-8, CR LF line ends).

The description is a JSON object read from standard input (or --input FILE); every member
is optional:
  kind        "Sub" (default), "Function", "Property", "General" (or "None": no kind word)
  access      "Public" (default), "Private", "Protected" (or "None": no access word)
  name, purpose, returns                       one line of text each
  parameters  [{"name": "", "type": "", "description": "", "optional": false}, ...]
  text        the free text of a "General" block (a text, or an array of lines)
  language    0 to 3, or "VB", "VC", "Delphi", "Custom"
  begin, end  the custom remark strings
  developer   the developer's name
  date        "YYYY-MM-DD" (default: today; the month's name follows the locale)
language, begin, end and developer default to the settings in Quillmrk.ini.

Options:
  --input FILE             read the JSON (or, with --read-block, the block) from FILE
                           instead of standard input.
                           Example: quillmark-block --input gettotal.json
  --settings FILE          read the settings from FILE instead of the user's Quillmrk.ini.
                           Example: quillmark-block --settings ~/work/Quillmrk.ini < d.json
  --from-declaration TEXT  fill kind, access, name, parameters (and, for a function, the
                           return type as "returns") from one declaration in the language's
                           syntax; JSON members given as well win. TEXT "-" reads the
                           declaration from standard input (then only --input gives JSON).
                           Visual Basic: Sub, Function, Property Get/Let/Set, ByVal/ByRef/
                             Optional/ParamArray, "As" types, Name$, x() arrays, " _" lines.
                           C/C++: qualifiers, pointers, references, templates, arrays,
                             function pointers, defaults, attributes, Class::method; a void
                             return makes a Sub; "static" on a plain name reads as Private.
                           Delphi: procedure/function/constructor/destructor, const/var/out,
                             grouped names "a, b: Integer", defaults, "of object" types.
                           Custom: the syntax is guessed from the keywords.
                           Example: quillmark-block --from-declaration \
                             'Public Function GetTotal(ByVal OrderID As Long) As Currency'
  --keep-declaration       write the declaration read by --from-declaration after the
                           block, so an editor filter keeps the line it replaced.
                           Example: echo 'int main(void)' | quillmark-block \
                             --from-declaration - --keep-declaration --eol lf
  --read-block             read a block that Quillmark made and print its description as
                           JSON; generating from that JSON gives the same block again.
                           The block may be indented, and the empty remark lines that
                           close it may be left off. Limits: a field that ran into the next
                           column (a type of 21 or more characters, a name reaching the
                           description column) is split where the column starts or, for a
                           type, before the name's last identifier; trailing blanks of a
                           field before padding are lost; the date must use the locale's
                           month names.
                           Example: quillmark-block --read-block < block.txt
  --copy                   also put the block on the clipboard, through wl-copy (Wayland),
                           xclip or xsel (X11), which keep serving it after this program
                           ends. Without one of them the block is still written to standard
                           output, and the exit status is 3.
                           Example: quillmark-block --copy < d.json > /dev/null
  --list-languages         print the languages and their remark strings as JSON.
  --eol crlf|lf            line ends of the block (default crlf).
                           Example: quillmark-block --eol lf < d.json
  -h, --help               show this help.
  --version                show the version.

Example:
  echo '{"kind": "Function", "name": "GetTotal", "language": "VB"}' | quillmark-block

Exit status: 0 done; 2 bad input or options (a one-line message on standard error and
nothing on standard output); 3 block written but the clipboard could not be reached;
1 the output could not be written.
)");
}

QString HelpText::Version() {
    return QStringLiteral("quillmark-block %1.%2.%3\n")
        .arg(version::Major)
        .arg(version::Minor)
        .arg(version::Revision);
}

} // namespace quillmark::cli
