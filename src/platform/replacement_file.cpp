#include "platform/replacement_file.h"

#include "platform/file_system.h"
#include "platform/system_error.h"

namespace xs {

TReplacementFile::TReplacementFile(const std::string& target) : target_(target) {
  file_ = CreateTempFileBeside(target);
  if (!file_) throw EFOpenError(target, LastSystemError());
  temp_ = file_->FileName();
}

TReplacementFile::~TReplacementFile() {
  if (committed_) return;
  file_.reset();
  RemoveFile(temp_);
}

bool TReplacementFile::Commit(bool durable) {
  try {
    if (durable) file_->Flush();
  } catch (const EStreamError&) {
    return false;
  }
  // Windows moves no open file.
  file_.reset();
  committed_ = MoveFileOver(temp_, target_);
  return committed_;
}

}  // namespace xs
