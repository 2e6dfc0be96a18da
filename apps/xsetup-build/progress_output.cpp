#include "progress_output.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

#include "platform/terminal.h"

namespace xs {

namespace {

constexpr int kBarWidth = 24;
// A terminal line is redrawn at most this often: redrawing for every small
// file would cost more than writing it.
constexpr double kRedrawSeconds = 0.1;

std::string Printf(const char* format, double value) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

double Fraction(const TProgressState& s) {
  if (s.Bytes > 0) return std::clamp(static_cast<double>(s.BytesDone) / static_cast<double>(s.Bytes), 0.0, 1.0);
  if (s.Files > 0) return std::clamp(static_cast<double>(s.FilesDone) / static_cast<double>(s.Files), 0.0, 1.0);
  return 1.0;
}

// Keeps the counts; the derived classes decide when to show them.
class TCountingProgress : public TBuildProgress {
 public:
  void Start(int64_t files, int64_t bytes) override {
    state_ = {files, 0, bytes, 0};
    Shown();
  }
  void FileWritten(int64_t bytes) override {
    ++state_.FilesDone;
    state_.BytesDone += bytes;
    Shown();
  }

 protected:
  virtual void Shown() = 0;
  TProgressState state_;
  TStopwatch clock_;
};

class TNoProgress : public TBuildProgress {
 public:
  void Start(int64_t, int64_t) override {}
  void FileWritten(int64_t) override {}
  void Finish() override {}
};

class TLineProgress : public TCountingProgress {
 public:
  explicit TLineProgress(std::ostream& out) : out_(out) {}
  void Finish() override {}

 private:
  void Shown() override {
    const int tenth = static_cast<int>(Fraction(state_) * 10);
    if (tenth <= shown_tenth_) return;
    shown_tenth_ = tenth;
    out_ << "xsetup-build: " << tenth * 10 << "%, " << state_.FilesDone << "/" << state_.Files << " files, "
         << FormatBytes(state_.BytesDone) << " of " << FormatBytes(state_.Bytes) << std::endl;
  }
  std::ostream& out_;
  int shown_tenth_ = -1;
};

class TBarProgress : public TCountingProgress {
 public:
  explicit TBarProgress(std::ostream& out) : out_(out) {}
  void Finish() override {
    Draw();
    out_ << "\n" << std::flush;
  }

 private:
  void Shown() override {
    const double now = clock_.Seconds();
    if (drawn_ && now - drawn_at_ < kRedrawSeconds) return;
    drawn_at_ = now;
    Draw();
  }
  void Draw() {
    std::string line = ProgressLine(state_, clock_.Seconds());
    // Blanks clear what a longer earlier line left behind.
    const size_t width = std::max(line.size(), drawn_width_);
    drawn_width_ = line.size();
    line.resize(width, ' ');
    out_ << "\r" << line << std::flush;
    drawn_ = true;
  }
  std::ostream& out_;
  bool drawn_ = false;
  double drawn_at_ = 0;
  size_t drawn_width_ = 0;
};

}  // namespace

std::string FormatBytes(int64_t bytes) {
  if (bytes < 1024) return std::to_string(bytes) + " B";
  const char* units[] = {"KB", "MB", "GB", "TB"};
  double value = static_cast<double>(bytes) / 1024;
  int unit = 0;
  while (value >= 1024 && unit < 3) {
    value /= 1024;
    ++unit;
  }
  // Two decimals below 10, one below 100, none above: three or four digits.
  std::string number = Printf(value < 10 ? "%.2f" : value < 100 ? "%.1f" : "%.0f", value);
  return number + " " + units[unit];
}

std::string FormatSeconds(double seconds) {
  if (seconds < 10) return Printf("%.1f", seconds) + " s";
  if (seconds < 60) return Printf("%.0f", seconds) + " s";
  const int64_t whole = static_cast<int64_t>(seconds + 0.5);
  char text[40];
  std::snprintf(text, sizeof text, "%lld min %02lld s", static_cast<long long>(whole / 60),
                static_cast<long long>(whole % 60));
  return text;
}

std::string ProgressLine(const TProgressState& state, double elapsed_seconds) {
  const double fraction = Fraction(state);
  const int filled = static_cast<int>(fraction * kBarWidth);
  std::string line = "[" + std::string(static_cast<size_t>(filled), '#') +
                     std::string(static_cast<size_t>(kBarWidth - filled), '.') + "] ";
  line += std::to_string(state.FilesDone) + "/" + std::to_string(state.Files) + " files, ";
  line += FormatBytes(state.BytesDone) + " of " + FormatBytes(state.Bytes);
  // A rate from less than a moment's work says nothing of the time left.
  if (elapsed_seconds >= 0.5 && state.BytesDone > 0) {
    const double rate = static_cast<double>(state.BytesDone) / elapsed_seconds;
    const double left = static_cast<double>(std::max<int64_t>(state.Bytes - state.BytesDone, 0)) / rate;
    line += ", " + FormatBytes(static_cast<int64_t>(rate)) + "/s, " + FormatSeconds(left) + " left";
  } else {
    line += ", --";
  }
  return line;
}

std::string SummaryLine(const std::string& out_file, int64_t files, int64_t bytes_in, int64_t bytes_out,
                        double seconds) {
  return out_file + ": " + std::to_string(files) + (files == 1 ? " file, " : " files, ") + FormatBytes(bytes_in) +
         " in, " + FormatBytes(bytes_out) + " out, " + FormatSeconds(seconds);
}

TProgressStyle ChooseProgressStyle(bool quiet) {
  if (quiet) return TProgressStyle::None;
  return ErrorOutputIsTerminal() ? TProgressStyle::Bar : TProgressStyle::Lines;
}

std::unique_ptr<TBuildProgress> MakeBuildProgress(TProgressStyle style, std::ostream& out) {
  switch (style) {
    case TProgressStyle::Bar: return std::make_unique<TBarProgress>(out);
    case TProgressStyle::Lines: return std::make_unique<TLineProgress>(out);
    case TProgressStyle::None: break;
  }
  return std::make_unique<TNoProgress>();
}

double TStopwatch::Seconds() const {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
}

}  // namespace xs
