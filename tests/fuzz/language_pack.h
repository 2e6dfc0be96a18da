// What the programs do with a language pack they are offered: read its
// header, then the whole pack, and load and look up its words.
#pragma once

#include <cstdint>
#include <string_view>

#include "base/stream.h"
#include "lang/lg_header.h"

namespace xs::fuzz {

// The application id and version the builder writes into its packs.
constexpr uint32_t kPackAppID = 111, kPackAppVer = 400;

// Reads the pack in stream into project as the language wizard does (its
// header first, then the whole pack) and translates every key with its
// words; returns whether the whole pack loaded.
bool UseLanguagePack(TStream& stream, TXLgProject& project);
// Loads words text as a pack's words, translates every key, decodes it to a
// plain words file and checks that.
void UseWordsText(std::string_view words);

}  // namespace xs::fuzz
