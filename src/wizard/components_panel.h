// The lists of check boxes on the wizard's pages: the applications on the
// welcome page and the components on the components page. The model keeps
// the entries, their states and where each goes; the view draws them.
#pragma once

#include <string>
#include <vector>

#include "base/persistent.h"
#include "ui/geometry.h"
#include "ui/text_measurer.h"

namespace xs {

enum class TXPanelEntryKind { Title, Check, Required };

struct TXPanelEntry {
  TXPanelEntryKind Kind = TXPanelEntryKind::Check;
  std::string Text;
  bool Checked = false;
  const TObject* Object = nullptr;  // borrowed; none for a title
  TXRect Box;    // the check box, showing only its box; empty for a title
  TXRect Label;  // the title, or the word-wrapped text beside the box
};

class TXComponentsPanel {
 public:
  // width: the panel's client width in screen pixels; measurer gives the
  // text heights and the screen's pixels per inch (borrowed, it must
  // outlive the panel).
  TXComponentsPanel(int width, const TXTextMeasurer& measurer);

  // Removes every title and item; the running top goes back to 4 and the
  // height to 8 design pixels.
  void Clear();
  void AddCheck(const std::string& text, bool checked, const TObject* object);
  // A check item that is checked and turns checked again when clicked.
  void AddRequired(const std::string& text, const TObject* object);
  void AddTitle(const std::string& text);

  // The items, titles not counted.
  int Count() const { return static_cast<int>(items_.size()); }
  // False for an index out of range.
  bool Checked(int index) const;
  const TXPanelEntry& Item(int index) const { return entries_[items_[index]]; }
  // The click on item index's box: a check item turns over, a required one
  // stays checked. An index out of range is ignored.
  void Click(int index);

  // Every entry, titles included, in the order added: what the view draws.
  const std::vector<TXPanelEntry>& Entries() const { return entries_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  void AddItem(TXPanelEntryKind kind, const std::string& text, bool checked, const TObject* object);
  int Scaled(int design) const;

  int width_;
  const TXTextMeasurer& measurer_;
  std::vector<TXPanelEntry> entries_;
  std::vector<size_t> items_;  // entries_ index of each item
  int top_ = 0;
  int height_ = 0;
};

}  // namespace xs
