// The platform error number of the last platform call.
//
// Every fallible function of the platform layer sets the calling thread's
// error number before it returns: 0 on success, the system's own number on
// failure (GetLastError's value on Windows, errno's elsewhere). Read it right
// after the call that failed; the next platform call replaces it.
#pragma once

#ifndef _WIN32
#include <cerrno>
#endif

namespace xs {

// The error number the calling thread's last platform call left.
int LastSystemError();
// Records code as the calling thread's error number (0 for success).
void SetLastSystemError(int code);

// Numbers that callers and tests compare against, in the platform's terms.
#ifdef _WIN32
inline constexpr int kErrFileNotFound = 2;     // ERROR_FILE_NOT_FOUND
inline constexpr int kErrPathNotFound = 3;     // ERROR_PATH_NOT_FOUND
inline constexpr int kErrAccessDenied = 5;     // ERROR_ACCESS_DENIED
inline constexpr int kErrInvalidHandle = 6;    // ERROR_INVALID_HANDLE
inline constexpr int kErrInvalidData = 13;     // ERROR_INVALID_DATA
inline constexpr int kErrFileExists = 80;      // ERROR_FILE_EXISTS
inline constexpr int kErrInvalidParameter = 87;  // ERROR_INVALID_PARAMETER
inline constexpr int kErrDirNotEmpty = 145;    // ERROR_DIR_NOT_EMPTY
inline constexpr int kErrCancelled = 1223;     // ERROR_CANCELLED: the user refused
#else
inline constexpr int kErrFileNotFound = ENOENT;
inline constexpr int kErrPathNotFound = ENOENT;
inline constexpr int kErrAccessDenied = EACCES;
inline constexpr int kErrInvalidHandle = EBADF;
inline constexpr int kErrInvalidData = EBADMSG;
inline constexpr int kErrFileExists = EEXIST;
inline constexpr int kErrInvalidParameter = EINVAL;
inline constexpr int kErrDirNotEmpty = ENOTEMPTY;
inline constexpr int kErrCancelled = ECANCELED;
#endif

}  // namespace xs
