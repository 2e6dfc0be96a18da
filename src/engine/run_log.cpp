#include "engine/run_log.h"

#include <cstdio>

#include "base/stream.h"
#include "platform/date_text.h"
#include "platform/file_stream.h"

namespace xs {

namespace {
std::string OneLine(const std::string& text) {
  std::string line;
  line.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      line += " | ";
    } else {
      line += c;
    }
  }
  return line;
}
}  // namespace

TXRunLog::TXRunLog() = default;
TXRunLog::~TXRunLog() = default;

bool TXRunLog::Open(const std::string& file_name) {
  Close();
  try {
    const bool exists = FileExists(file_name);
    file_ = std::make_unique<TFileStream>(file_name, exists ? FileMode::OpenReadWrite : FileMode::CreateNew);
    file_->Seek(0, SeekOrigin::End);
    file_name_ = file_name;
    return true;
  } catch (const EStreamError&) {
    file_.reset();
    return false;
  }
}

void TXRunLog::Close() {
  file_.reset();
  file_name_.clear();
}

void TXRunLog::Write(const std::string& text) {
  if (!file_) return;
  const std::string line = RunLogTime(std::chrono::system_clock::now()) + " " + OneLine(text) + "\r\n";
  try {
    file_->WriteBuffer(line.data(), static_cast<int64_t>(line.size()));
  } catch (const EStreamError&) {
    Close();
  }
}

TXRunLog& RunLog() {
  static TXRunLog log;
  return log;
}

std::string RunLogTime(std::chrono::system_clock::time_point time) {
  using namespace std::chrono;
  // 25569 days lie between the date-times' day 0 and the system clock's.
  const double days = static_cast<double>(duration_cast<milliseconds>(time.time_since_epoch()).count()) / 86400000.0;
  const TDateTimeParts p = DecodeDateTime(days + 25569.0);
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03dZ", p.Year, p.Month, p.Day, p.Hour, p.Minute,
                p.Second, p.Millisecond);
  return text;
}

}  // namespace xs
