// An ordered list of byte strings. As a property its lines are stored as
// the defined list "Strings".
#pragma once

#include <string>
#include <vector>

#include "base/published.h"

namespace xs {

class TStringList : public TPersistent {
  XS_DECLARE_CLASS(TStringList)
 public:
  // From another TStringList: copies its lines. Other sources: see TPersistent.
  void Assign(const TPersistent& source) override;
  void DefineProperties(TXDefiner& definer) override;

  int Count() const { return static_cast<int>(items_.size()); }
  const std::string& operator[](int i) const { return items_[static_cast<size_t>(i)]; }
  std::string& operator[](int i) { return items_[static_cast<size_t>(i)]; }
  void Add(std::string s) { items_.push_back(std::move(s)); }
  void Insert(int i, std::string s) { items_.insert(items_.begin() + i, std::move(s)); }
  void Delete(int i) { items_.erase(items_.begin() + i); }
  void Clear() { items_.clear(); }
  // Index of the first entry equal to s (exact bytes), or -1.
  int IndexOf(const std::string& s) const;
  const std::vector<std::string>& Items() const { return items_; }

  // The entries joined with CR LF after each one.
  std::string Text() const;
  // Splits at CR LF, LF or CR; a final line break adds no empty entry.
  void SetText(const std::string& text);

 private:
  std::vector<std::string> items_;
};

}  // namespace xs
