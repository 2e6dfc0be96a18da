// Words files: the plain form of a language that translators edit, and its
// conversion to and from the words text a language pack carries.
//
// A plain words file is 8-bit text in the Windows-1252 code page (like all
// of the program's persistent text), lines ending in CR LF, LF or CR:
//   LangID=9
//   LangName=English
//   ycnextbutton=Next
// one "key=text" line per translation key (lang/keys.h). A literal "#13#10"
// in a text stands for a line break. Empty lines are allowed and dropped.
// In the words text the "LangID" and "LangName" lines stay as they are and
// every other value is written in digit pairs (lang/digit_pairs.h).
#pragma once

#include <string>
#include <string_view>

namespace xs {

// The words text of a plain words file: empty lines dropped, the values of
// key lines encoded, every line ended by CR LF.
std::string EncodeWordsText(std::string_view plain);
// The plain words file of a words text: the values of key lines decoded,
// every line ended by CR LF. Encoding a canonical file (CR LF, no empty
// lines) and decoding it gives the file back.
std::string DecodeWordsText(std::string_view encoded);

// Checks a plain words file: every non-empty line is "name=text"; exactly
// one "LangID" line with a number and one "LangName" line with a name; every
// other name a well-formed translation key, none twice. On success returns
// true. On failure returns false and sets error to the fault, led by
// "line N: " when one line is at fault.
bool CheckWordsFile(std::string_view plain, std::string& error);

}  // namespace xs
