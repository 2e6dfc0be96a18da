// The built-in English language: src/lang/words/en.words, compiled into the
// program by the build (cmake/EmbedFile.cmake).
#pragma once

#include <string>
#include <string_view>

namespace xs {

// The plain words file as it is stored in the repository (Windows-1252).
std::string_view BuiltInWordsFile();

// Its words text, the values in digit pairs: what the built-in pack holds
// and what TXLg::LoadWords reads. Encoded once, on first use.
const std::string& BuiltInWordsText();

}  // namespace xs
