#include "base/macro_expanders.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace xs {

namespace {
struct Entry {
  TXMacroExpanderHandle handle;
  TXMacroExpander expander;
};

struct ExpanderList {
  std::vector<Entry> entries;
  TXMacroExpanderHandle last_handle = 0;
};

ExpanderList& List() {
  static ExpanderList list;
  return list;
}
}  // namespace

TXMacroExpanderHandle RegisterMacroExpander(TXMacroExpander expander) {
  ExpanderList& list = List();
  TXMacroExpanderHandle handle = ++list.last_handle;
  list.entries.push_back({handle, std::move(expander)});
  return handle;
}

void UnregisterMacroExpander(TXMacroExpanderHandle handle) {
  std::erase_if(List().entries, [handle](const Entry& e) { return e.handle == handle; });
}

std::string RunMacroExpanders(const std::string& text) {
  std::string result = text;
  // An expander may register or remove expanders; the walk uses a snapshot.
  std::vector<Entry> entries = List().entries;
  for (const Entry& e : entries)
    if (e.expander) result = e.expander(result);
  return result;
}

}  // namespace xs
