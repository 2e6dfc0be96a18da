#include "platform/file_stream.h"

#include <windows.h>

#include <algorithm>

namespace xs {

EFOpenError::EFOpenError(const std::string& file_name, int system_code)
    : EStreamError("cannot open file " + file_name), system_code_(system_code) {}

TFileStream::TFileStream(const std::string& file_name, FileMode mode) : file_name_(file_name) {
  DWORD access = mode == FileMode::OpenRead ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
  DWORD share = mode == FileMode::OpenReadWrite ? 0 : FILE_SHARE_READ;
  DWORD disposition = mode == FileMode::Create      ? CREATE_ALWAYS
                      : mode == FileMode::CreateNew ? CREATE_NEW
                                                    : OPEN_EXISTING;
  HANDLE h = CreateFileA(file_name.c_str(), access, share, nullptr, disposition,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) throw EFOpenError(file_name, static_cast<int>(GetLastError()));
  handle_ = reinterpret_cast<intptr_t>(h);
}

TFileStream::~TFileStream() { CloseHandle(reinterpret_cast<HANDLE>(handle_)); }

int64_t TFileStream::Read(void* buffer, int64_t count) {
  int64_t done = 0;
  while (done < count) {
    DWORD chunk = static_cast<DWORD>(std::min<int64_t>(count - done, 1 << 30)), got = 0;
    if (!ReadFile(reinterpret_cast<HANDLE>(handle_), static_cast<char*>(buffer) + done, chunk, &got, nullptr)) {
      position_ = -1;
      throw EStreamError("read failed: " + file_name_);
    }
    if (got == 0) break;
    done += got;
  }
  position_ += done;
  return done;
}

int64_t TFileStream::Write(const void* buffer, int64_t count) {
  int64_t done = 0;
  while (done < count) {
    DWORD chunk = static_cast<DWORD>(std::min<int64_t>(count - done, 1 << 30)), put = 0;
    if (!WriteFile(reinterpret_cast<HANDLE>(handle_), static_cast<const char*>(buffer) + done, chunk, &put,
                   nullptr) || put == 0)
      break;
    done += put;
  }
  if (position_ >= 0) position_ += done;
  return done;
}

int64_t TFileStream::Seek(int64_t offset, SeekOrigin origin) {
  if (offset == 0 && origin == SeekOrigin::Current && position_ >= 0) return position_;
  DWORD method = origin == SeekOrigin::Begin ? FILE_BEGIN : origin == SeekOrigin::Current ? FILE_CURRENT : FILE_END;
  LARGE_INTEGER move, result;
  move.QuadPart = offset;
  position_ = SetFilePointerEx(reinterpret_cast<HANDLE>(handle_), move, &result, method) ? result.QuadPart : -1;
  return position_;
}

int64_t TFileStream::Size() {
  LARGE_INTEGER size;
  if (!GetFileSizeEx(reinterpret_cast<HANDLE>(handle_), &size)) return TStream::Size();
  return size.QuadPart;
}

void TFileStream::SetSize(int64_t size) {
  int64_t pos = Position();
  SetPosition(size);
  if (!SetEndOfFile(reinterpret_cast<HANDLE>(handle_))) throw EStreamError("cannot resize " + file_name_);
  SetPosition(pos > size ? size : pos);
}

void TFileStream::Flush() {
  if (!FlushFileBuffers(reinterpret_cast<HANDLE>(handle_))) throw EStreamError("cannot flush " + file_name_);
}

bool FileExists(const std::string& file_name) {
  DWORD attr = GetFileAttributesA(file_name.c_str());
  return attr != INVALID_FILE_ATTRIBUTES && !(attr & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace xs
