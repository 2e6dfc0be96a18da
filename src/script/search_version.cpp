#include "script/search_version.h"

#include <exception>

#include "base/convert.h"
#include "platform/file_stream.h"
#include "platform/file_system.h"
#include "script/path_macros.h"
#include "script/search_items.h"
#include "script/version.h"

namespace xs {

namespace {
double MajorMinorNumber(const xVersion& v) { return v.Major + DigitFraction(v.Minor); }

bool InRange(const xVersion& file, const xVersion& from, const xVersion& to, TXUISearchCheckOptions check) {
  double n = MajorMinorNumber(file);
  if (n < MajorMinorNumber(from) || n > MajorMinorNumber(to)) return false;
  return check != optcBuild || (from.Build <= file.Build && file.Build <= to.Build);
}

bool Matches(TXUICustomSearchVersionItem& item, const std::string& folder) {
  bool in_registry = dynamic_cast<const TXUIRegSearchVersionItem*>(&item) != nullptr;
  if (!in_registry && !dynamic_cast<const TXUIFolderSearchVersionItem*>(&item)) return false;
  item.FileName = ExpandPathMacros(item.FileName);
  std::string file = IncludeTrailingPathDelimiter(folder) + (in_registry ? item.FileName : ExtractFileName(item.FileName));
  if (!FileExists(file)) return false;
  return InRange(xVersion::FromFile(file), xVersion::Parse(item.FromVersion), xVersion::Parse(item.ToVersion),
                 item.Options);
}
}  // namespace

bool SearchVersion(const TXUIObjectList& search_items, const std::string& folder, TXUISearchOptions kind) {
  // Without a folder the names would be looked up in the current folder.
  if (folder.empty()) return false;
  try {
    for (int i = 0; i < search_items.Count(); ++i) {
      auto* item = dynamic_cast<TXUICustomSearchVersionItem*>(search_items.GetItem(i));
      if (item && item->Find == kind && Matches(*item, folder)) return true;
    }
  } catch (const std::exception&) {
    return false;
  }
  return false;
}

}  // namespace xs
