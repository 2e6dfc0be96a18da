#include "wizard/wizard_progress.h"

#include <algorithm>

#include "base/format.h"
#include "lang/keys.h"
#include "lang/language.h"

namespace xs {

namespace {
int Percent(int position) { return std::clamp(position, 0, 100); }
std::string Megabytes(uint64_t bytes) { return std::to_string(bytes >> 20); }
}  // namespace

void TXWizardProgress::Report(const std::string& section_title, int position, const std::string& text) {
  section_ = section_title;
  text_ = text;
  bytes_.clear();
  item_start_ = bar_ = Percent(position) * (kBarMax / 100);
  reported_ = true;
}

void TXWizardProgress::Bytes(uint64_t written, uint64_t total, int end_position) {
  if (!reported_ || total <= kLargeFile) return;
  written = std::min(written, total);
  const int end = std::max(Percent(end_position) * (kBarMax / 100), item_start_);
  // Within the share: the share's width times the written fraction, with no
  // overflow for any file size the 64 bits hold.
  const uint64_t width = static_cast<uint64_t>(end - item_start_);
  const int within = static_cast<int>(static_cast<double>(written) / static_cast<double>(total) *
                                      static_cast<double>(width));
  bar_ = std::max(bar_, item_start_ + within);
  bytes_ = FormatTemplate(ActiveLg().Translate(kLgBytesWritten), {Megabytes(written), Megabytes(total)});
}

std::string TXWizardProgress::FileLabel() const { return bytes_.empty() ? text_ : text_ + "  (" + bytes_ + ")"; }

}  // namespace xs
