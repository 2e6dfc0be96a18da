#include "uninstall/uninstall_result.h"

#include <algorithm>

#include "base/format.h"
#include "lang/keys.h"
#include "lang/language.h"

namespace xs {

namespace {
// As in the translated texts.
constexpr char kLineBreak[] = "\r\n";
}  // namespace

std::string UninstallResultText(const std::string& title, const std::vector<std::string>& remaining) {
  if (remaining.empty()) return FormatTemplate(ActiveLg().Translate(kLgUninstallDone), {title});
  std::string text = FormatTemplate(ActiveLg().Translate(kLgUninstallIncomplete), {title}) + kLineBreak;
  const size_t listed = std::min(remaining.size(), kResultListLength);
  for (size_t i = 0; i < listed; ++i) text += kLineBreak + remaining[i];
  if (listed < remaining.size())
    text += kLineBreak + FormatTemplate(ActiveLg().Translate(kLgUninstallMore), {std::to_string(remaining.size() - listed)});
  return text;
}

}  // namespace xs
