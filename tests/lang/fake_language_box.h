// A language box in memory: what the language wizard fills and selects,
// and a user's pick.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lang/language_controls.h"

namespace xs {

class FakeLanguageBox : public TXLanguageBox {
 public:
  std::vector<std::string> items;
  int index = -1;
  void ClearItems() override {
    items.clear();
    index = -1;
  }
  void AddItem(const std::string& text) override { items.push_back(text); }
  int ItemCount() const override { return static_cast<int>(items.size()); }
  int ItemIndex() const override { return index; }
  void SetItemIndex(int i) override { index = i; }
  // What the user does: the selection changes, then the box tells.
  void Pick(const std::string& name) {
    for (int i = 0; i < ItemCount(); ++i)
      if (items[i] == name) {
        index = i;
        if (OnChange) OnChange(i);
        return;
      }
    ADD_FAILURE() << name << " is not offered";
  }
};

}  // namespace xs
