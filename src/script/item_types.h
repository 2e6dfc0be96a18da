// The enumerations of the script items and the registry root keys. Every
// enumeration is stored in 8 bits and written by member name, so the member
// order is part of the stored form. The option types are single values, not
// sets.
#pragma once

#include <cstdint>

#include "base/published.h"
#include "base/script_types.h"

namespace xs {

// What a failure of an item that recorded an error code does.
XS_ENUM(TXUIErrorOptions, uint8_t, eoIgnore, eoShow, eoAbort)

XS_ENUM(TXUIFileOptions, uint8_t,
        optfNone, optfFailIfExists, optfConfirmOverwrite, optfIfNewer, optfConfirmIfOlder,
        optfRename)
XS_ENUM(TXUIXIniOptions, uint8_t, optxNone, optxFailIfExists)
XS_ENUM(TXUIRegOptions, uint8_t, optrNone, optrFailIfExists)
XS_ENUM(TXUIRegValues, uint8_t,
        optrBoolean, optrString, optrFloat, optrInteger, optrDate, optrTime, optrDateTime)
XS_ENUM(TXUISearchOptions, uint8_t, optfOld, optfReinstall)
XS_ENUM(TXUISearchCheckOptions, uint8_t, optcVersion, optcBuild)
XS_ENUM(TXUIMessageOptions, uint8_t, optmSend, optmSendTimeout, optmPost)
XS_ENUM(TXUISysParametersOptions, uint8_t, optsNone, optsUpdateIniFile, optsSendChange)
XS_ENUM(TXUISysProfileType, uint8_t,
        optProfileSection, optProfileString, optPrivateProfileSection, optPrivateProfileString)

// A registry root key as the script stores it: the system's predefined key
// handle value, an unsigned 32-bit number. The names differ from the system
// header's macros so that both can meet in one source file.
using THKey = uint32_t;
namespace hkey {
constexpr THKey ClassesRoot = 0x80000000u;
constexpr THKey CurrentUser = 0x80000001u;
constexpr THKey LocalMachine = 0x80000002u;
constexpr THKey Users = 0x80000003u;
constexpr THKey PerformanceData = 0x80000004u;
constexpr THKey CurrentConfig = 0x80000005u;
constexpr THKey DynData = 0x80000006u;
}  // namespace hkey

}  // namespace xs
