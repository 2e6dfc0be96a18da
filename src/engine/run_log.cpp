#include "engine/run_log.h"

#include <cstdio>

#include "base/stream.h"
#include "platform/file_stream.h"

namespace xs {

namespace {
// Days since 1970-01-01 to the civil date (proleptic Gregorian).
void CivilFromDays(int64_t z, int& year, int& month, int& day) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

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
  const int64_t ms = duration_cast<milliseconds>(time.time_since_epoch()).count();
  const int64_t day_ms = 86400000;
  int64_t days = ms / day_ms, rest = ms % day_ms;
  if (rest < 0) {
    rest += day_ms;
    --days;
  }
  int year = 0, month = 0, day = 0;
  CivilFromDays(days, year, month, day);
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03dZ", year, month, day,
                static_cast<int>(rest / 3600000), static_cast<int>(rest / 60000 % 60),
                static_cast<int>(rest / 1000 % 60), static_cast<int>(rest % 1000));
  return text;
}

}  // namespace xs
