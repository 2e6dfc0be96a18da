// The language wizard: every available language pack, the packs offered to
// the user, the controls that show them, and the switch of the active
// language.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "base/stream.h"
#include "lang/language_controls.h"
#include "lang/lg_header.h"
#include "lang/locale_ids.h"

namespace xs {

class TXLgWizard {
 public:
  TXLgWizard();
  TXLgWizard(const TXLgWizard&) = delete;
  TXLgWizard& operator=(const TXLgWizard&) = delete;

  uint32_t AppID = 0;   // packs must carry this application id...
  uint32_t AppVer = 0;  // ...and this application version
  // The language ids the package offers, in the package's order.
  TXLocaleIDStringList OfferedIDs;
  std::function<void(TXLgProject& project)> OnLanguageLoaded;

  const TXLgHeaderList& AllPacks() const { return all_; }
  const TXLgHeaderList& OfferedPacks() const { return offered_; }

  // Offers the pack held in stream (borrowed; it must outlive the wizard's
  // use of it). Accepted when its identity is this application's language
  // pack and no pack of its language id is known yet: the first pack of a
  // language wins. Returns whether it was accepted; a rejected stream leaves
  // its code (12 identity, 14 read) on the error object.
  bool AddLanguageStream(TStream& stream);
  // Forgets the packs offered from stream, for an owner about to free it.
  // The active language keeps its words.
  void RemoveLanguageStream(const TStream& stream);
  // Rebuilds the offered packs from OfferedIDs (every pack when none match),
  // sorted with the preferred language first, and refills every attached
  // control. Does nothing while the language update lock is set.
  void RefreshLanguageList();
  // Adds a control to the attached ones and fills it at once.
  void AttachControl(TXLanguageControl* control);
  void DetachControl(TXLanguageControl* control);
  // Makes the offered pack at index the active language. A pack that fails
  // to load is replaced by the first offered pack with a stream. Returns
  // false for an index out of range (nothing changes) or when the last read
  // failed.
  bool SelectLanguage(int index);
  // SelectLanguage at the offered pack with that language id, or at 0.
  bool SelectLanguageByID(int id);

 private:
  void FillControl(TXLanguageControl* control);
  int ActiveOfferedIndex() const;
  bool ReadPack(int index, TXLgProject& project);

  TXLgHeaderList all_{true};
  TXLgHeaderList offered_{false};
  std::vector<TXLanguageControl*> controls_;
};

// Keeps a wizard's offered ids, the preferred language id and the active
// language for its lifetime, and puts them back when it ends.
class TXLanguageState {
 public:
  explicit TXLanguageState(TXLgWizard& wizard);
  ~TXLanguageState();
  TXLanguageState(const TXLanguageState&) = delete;
  TXLanguageState& operator=(const TXLanguageState&) = delete;

 private:
  TXLgWizard& wizard_;
  TXLocaleIDStringList offered_;
  int preferred_;
  int active_;
};

// The process-wide language wizard.
TXLgWizard& LgWizard();

}  // namespace xs
