// Enumerations that the engine shares with the install script. Both are
// stored by member name, so the member order is part of the stored form.
#pragma once

#include <bitset>
#include <cstdint>

#include "base/published.h"

namespace xs {

// Which list an item is sorted into, and the section shown on the progress
// page.
XS_ENUM(TXUISection, uint8_t,
        isNone, isText, isComponent, isSearch, isUpgrade, isFolder, isFile,
        isGroup, isIcon, isIni, isReg, isRegFile, isStart, isTemp)

XS_ENUM(TXUICondition, uint8_t,
        cdAlways, cdDemo, cdReinstall, cdNotReinstall, cdOld, cdNotOld,
        cdCardMode, cdNotCardMode, cdAllUsers, cdSingleUser)

// A set over TXUICondition, stored in 16 bits: bit n for the member of
// ordinal n.
using TXUIConditions = std::bitset<16>;

// A set of application and component numbers 0..255.
using TXComponentSet = std::bitset<256>;

}  // namespace xs
