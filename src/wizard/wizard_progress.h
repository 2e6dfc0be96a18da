// What a progress page shows (the installing and the upgrading page): the
// section's title, the item's text and the bar. The engine reports once per
// item, before the item runs; while one large file is written it also
// reports the bytes, and the bar moves on within that item's share so that
// the window never looks hung.
#pragma once

#include <cstdint>
#include <string>

namespace xs {

class TXWizardProgress {
 public:
  // The bar's range: per mille, so that a share of one percent still moves.
  static constexpr int kBarMax = 1000;
  // Files up to this size write fast enough to show only their item report.
  static constexpr uint64_t kLargeFile = 4u << 20;

  // An item report: position in percent (kept within 0 to 100).
  void Report(const std::string& section_title, int position, const std::string& text);
  // written of total bytes of the reported item, which ends where the run
  // reports end_position (percent). Ignored for a small file or before the
  // first item report. The bar never moves back within an item.
  void Bytes(uint64_t written, uint64_t total, int end_position);

  const std::string& SectionLabel() const { return section_; }
  // The item's text, followed for a large file by the megabytes written.
  std::string FileLabel() const;
  int BarPosition() const { return bar_; }

 private:
  std::string section_;
  std::string text_;
  std::string bytes_;
  int bar_ = 0;
  int item_start_ = 0;
  bool reported_ = false;
};

}  // namespace xs
