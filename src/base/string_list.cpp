#include "base/string_list.h"

namespace xs {

XS_DEFINE_CLASS(TStringList, TPersistent)

void TStringList::Assign(const TPersistent& source) {
  if (auto* list = dynamic_cast<const TStringList*>(&source))
    items_ = list->items_;
  else
    TPersistent::Assign(source);
}

void TStringList::DefineProperties(TXDefiner& definer) {
  definer.DefineStringsProperty(
      "Strings", [this](std::vector<std::string> lines) { items_ = std::move(lines); }, items_,
      !items_.empty());
}

int TStringList::IndexOf(const std::string& s) const {
  for (size_t i = 0; i < items_.size(); ++i)
    if (items_[i] == s) return static_cast<int>(i);
  return -1;
}

std::string TStringList::Text() const {
  std::string out;
  for (const auto& s : items_) out += s + "\r\n";
  return out;
}

void TStringList::SetText(const std::string& text) {
  items_.clear();
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) {
      items_.push_back(text.substr(start));
      break;
    }
    items_.push_back(text.substr(start, end - start));
    start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
  }
}

}  // namespace xs
