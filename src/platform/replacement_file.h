// A new file that takes the place of an existing one in one step, or never
// does: the way every file the programs replace is written, so that a
// failed write, a full disk or a killed process leaves the old file whole.
#pragma once

#include <memory>
#include <string>

#include "platform/file_stream.h"

namespace xs {

class TReplacementFile {
 public:
  // Makes the new file beside target (CreateTempFileBeside). On failure
  // raises EFOpenError naming target, with the system's error number.
  explicit TReplacementFile(const std::string& target);
  // Removes the new file unless Commit has moved it into place.
  ~TReplacementFile();
  TReplacementFile(const TReplacementFile&) = delete;
  TReplacementFile& operator=(const TReplacementFile&) = delete;

  // The new file, open for reading and writing, until Commit.
  TFileStream& Stream() { return *file_; }
  const std::string& Target() const { return target_; }

  // Flushes the new file to disk (when durable), closes it and moves it over
  // target (MoveFileOver). On success target is the new file. On failure
  // returns false and target is as it was; the new file goes with this
  // object. Without durable a power loss soon after may leave target empty;
  // a killed process cannot.
  bool Commit(bool durable = true);

 private:
  std::string target_;
  std::string temp_;
  std::unique_ptr<TFileStream> file_;
  bool committed_ = false;
};

}  // namespace xs
