// The run log: a text file named by "/log:", one line per event of the run,
// each behind its time. Lines go to the file as they happen, so a log of a
// run that was killed still tells how far it came.
#pragma once

#include <chrono>
#include <memory>
#include <string>

namespace xs {

class TFileStream;

class TXRunLog {
 public:
  TXRunLog();
  ~TXRunLog();

  // Opens file_name for appending (creating it when missing), so that a
  // restarted copy of the program adds to its starter's lines. False when
  // it cannot be opened; the log then stays closed. An open log is closed
  // first.
  bool Open(const std::string& file_name);
  void Close();
  bool IsOpen() const { return file_ != nullptr; }
  const std::string& FileName() const { return file_name_; }

  // Appends "<time> <text>" and a line break. Line breaks inside text
  // become " | ", so that every event stays one line. Nothing happens while
  // the log is closed; a failing write closes it rather than stopping the
  // run it describes.
  void Write(const std::string& text);

 private:
  std::unique_ptr<TFileStream> file_;
  std::string file_name_;
};

// The process-wide log, closed until a program opens it.
TXRunLog& RunLog();

// A point in time as the run log writes it: UTC, to the millisecond, as in
// "2026-12-10 19:05:01.123Z".
std::string RunLogTime(std::chrono::system_clock::time_point time);

}  // namespace xs
