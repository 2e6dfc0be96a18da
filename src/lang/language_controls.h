// The controls that show the offered languages: a menu item whose radio
// sub-items are the languages, and a combo box. The wizard keeps every
// attached control filled; the Win32 views implement these, tests use fakes.
#pragma once

#include <functional>
#include <string>

#include "base/component.h"

namespace xs {

// Leaves the language wizard's attached controls when destroyed.
class TXLanguageControl : public TComponent {
 public:
  using TComponent::TComponent;
  ~TXLanguageControl() override;
};

class TXLanguageMenu : public TXLanguageControl {
 public:
  using TXLanguageControl::TXLanguageControl;
  // Removes every sub-item.
  virtual void ClearItems() = 0;
  // Appends a radio sub-item; on_click runs when the user picks it.
  virtual void AddRadioItem(const std::string& caption, std::function<void()> on_click) = 0;
  // Checks the sub-item at index and unchecks the others; -1 checks none.
  virtual void CheckItem(int index) = 0;
};

class TXLanguageBox : public TXLanguageControl {
 public:
  using TXLanguageControl::TXLanguageControl;
  // Called with the new item index when the user changes the selection;
  // empty while the box is being refilled.
  std::function<void(int)> OnChange;

  virtual void ClearItems() = 0;
  virtual void AddItem(const std::string& text) = 0;
  virtual int ItemCount() const = 0;
  virtual int ItemIndex() const = 0;
  // Selects the item at index (-1: none) without calling OnChange.
  virtual void SetItemIndex(int index) = 0;
};

}  // namespace xs
