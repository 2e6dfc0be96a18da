// What the builder shows while it writes a package, and the line that sums
// up a build.
#pragma once

#include <chrono>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>

namespace xs {

// Told by the package writer what it has done, so that the writer knows
// nothing of how (or whether) it is shown. Start is called once before
// anything is written, FileWritten once per source file in the order the
// files are written, Finish once when the writing ends, whether it succeeded
// or not.
class TBuildProgress {
 public:
  virtual ~TBuildProgress() = default;
  // files source files of bytes bytes in all are to be written.
  virtual void Start(int64_t files, int64_t bytes) = 0;
  // One more source file, of bytes bytes, is in the package.
  virtual void FileWritten(int64_t bytes) = 0;
  virtual void Finish() = 0;
};

// How far a build has come, as a progress line shows it.
struct TProgressState {
  int64_t Files = 0, FilesDone = 0;
  int64_t Bytes = 0, BytesDone = 0;
};

// "512 B", "1.5 KB", "12.3 MB", "1.02 GB" (units of 1024).
std::string FormatBytes(int64_t bytes);
// "0.8 s", "42 s", "3 min 05 s".
std::string FormatSeconds(double seconds);
// The line a terminal shows: a bar of the bytes done, then files, bytes,
// the rate and the time left ("--" until there is a rate to judge by).
std::string ProgressLine(const TProgressState& state, double elapsed_seconds);
// "OUT: 12 files, 3.4 MB in, 1.2 MB out, 0.8 s".
std::string SummaryLine(const std::string& out_file, int64_t files, int64_t bytes_in, int64_t bytes_out,
                        double seconds);

// None for -q; Lines writes a plain line at every tenth of the work (for a
// log or a pipe); Bar redraws one line in place (for a terminal).
enum class TProgressStyle { None, Lines, Bar };
// Bar when the error output is a terminal, else Lines; None when quiet.
TProgressStyle ChooseProgressStyle(bool quiet);
std::unique_ptr<TBuildProgress> MakeBuildProgress(TProgressStyle style, std::ostream& out);

// Seconds since the object was made, on a clock that never goes back.
class TStopwatch {
 public:
  double Seconds() const;

 private:
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace xs
