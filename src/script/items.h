// The base of every script item, and the two item classes that are data for
// the wizard rather than actions: named texts and components.
//
// Item classes set their defaults in their constructors (a subclass after
// its base), so an object made by the class registry's virtual constructor
// has its class's defaults. Copying (Assign) copies the published properties
// the source's class shares with the target's (script/property_copy.h).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "package/persistent_base.h"
#include "script/item_types.h"

namespace xs {

struct TXUndoPlan;

// Published after LgID: LogIdx, ErrorOptions, Section, Component, IsUndo,
// SaveUndo, Condition, UpgFromVer, UpgToVer.
class TXUICustomItem : public TXObject {
  XS_DECLARE_CLASS(TXUICustomItem)
 public:
  TXUICustomItem() { Condition.set(cdAlways); }

  uint8_t LogIdx = 0;     // the undo log that receives this item's record
  TXUIErrorOptions ErrorOptions = eoIgnore;
  TXUISection Section = isNone;
  uint8_t Component = 0;  // must be in the run's selection for the item to run
  bool IsUndo = false;    // not executed: a copy of it becomes an undo record
  bool SaveUndo = false;  // the record a successful Execute hands back is kept
  TXUIConditions Condition;
  std::string UpgFromVer;
  std::string UpgToVer;

  // Replaces the path macros in the item's path-like strings, in place.
  // Never fails; the base has no such strings.
  virtual void ExpandMacros() {}
  // Performs the item. On success returns true and may set undo to a new
  // undo record, which the caller owns from then on. On failure returns
  // false; a failure worth a message has recorded a code on the error
  // object. The base clears the error object and succeeds.
  virtual bool Execute(std::unique_ptr<TXUICustomItem>& undo);
  // The text shown on the progress page and in error messages; the base's
  // is empty.
  virtual std::string GetDisplayText() const { return {}; }
  // Called after ExpandMacros, before Execute: adds to plan the records that
  // reverse what Execute is about to change, read from the machine as it is
  // now, so that they can be kept before the change is made. The base adds
  // none.
  virtual void PlanUndo(TXUndoPlan& plan) const {}

  // TXObject's fields, then the published properties shared with source.
  bool AssignFrom(const TPersistent& source) override;
};

// What an item is about to change, as undo records with the item's Section,
// LgID and Component (PlanUndo).
struct TXUndoPlan {
  // The folders or keys Execute will make on the way to its own, missing
  // now, outermost first; each record removes its folder or key only while
  // it is empty. Kept with the item's own record when Execute succeeds.
  std::vector<std::unique_ptr<TXUICustomItem>> Parents;
  // Stand-ins for the record Execute will hand back and for the temporary
  // files it may leave behind, for a run that ends before Execute returns:
  // they remove only what is not there now.
  std::vector<std::unique_ptr<TXUICustomItem>> Pending;
};

// A named text for the wizard (readme, licence, ...) in one language.
// Published: Text, TextName.
class TXUITextItem : public TXUICustomItem {
  XS_DECLARE_CLASS(TXUITextItem)
 public:
  TXUITextItem() { Section = isText; }
  std::string Text;      // as the package stores it: rich text or plain
  std::string TextName;  // the name FindText looks it up by
};

// An entry of the wizard's components page. Published: Title, Description,
// Required, AppIdx, Idx.
class TXUIComponentItem : public TXUICustomItem {
  XS_DECLARE_CLASS(TXUIComponentItem)
 public:
  TXUIComponentItem() { Section = isComponent; }
  std::string Title;
  std::string Description;
  bool Required = false;  // shown as a fixed entry that cannot be unticked
  uint8_t AppIdx = 0;     // the application it is listed under
  uint8_t Idx = 0;        // its number in the selection while ticked
};

}  // namespace xs
