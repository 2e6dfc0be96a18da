// What the wizard needs of the install engine and of the window it shows
// in. The engine's side is implemented by the setup core; the window's by
// the wizard's view. Tests put fakes in both.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "base/script_types.h"
#include "script/install.h"
#include "script/item_types.h"

namespace xs {

// One report of the engine's runs: the section of the item being done, the
// run's position in percent and a text (usually the item's target).
using TXWizardProgressFunc = std::function<void(TXUISection section, int position, const std::string& text)>;
// Bytes of one file item written so far, of total: sent while a large file
// is written, after the item's own report. end_position is the position the
// run reports after this item.
using TXWizardBytesFunc = std::function<void(uint64_t written, uint64_t total, int end_position)>;

class TXWizardEngine {
 public:
  virtual ~TXWizardEngine() = default;

  // The install script; it lives as long as the engine.
  virtual const TXInstall& Script() const = 0;
  // Whether folder holds an installation that one of the script's version
  // search items of kind (optfOld: a version too old to install over;
  // optfReinstall: the version an update or add-on applies to) matches.
  virtual bool SearchVersion(const std::string& folder, TXUISearchOptions kind) = 0;
  // The install run with the run-wide settings the wizard wrote; true on
  // success. It reports through the slots set below and reports its own
  // failures to the user before it returns.
  virtual bool InstallRun() = 0;
  // The import of the earlier version's data (the upgrade run).
  virtual void UpgradeRun() = 0;
  // The progress slot of the runs: every later report goes to progress, and
  // the bytes of large files to bytes (either may be empty: no reports).
  virtual void SetProgressSlot(TXWizardProgressFunc progress, TXWizardBytesFunc bytes) = 0;
  // The title of a section, shown above the item's text.
  virtual std::string SectionTitle(TXUISection section) const = 0;
  // Starts file through the shell with verb and parameters; false when the
  // shell could not.
  virtual bool Launch(const std::string& verb, const std::string& file, const std::string& parameters) = 0;
  // Starts the program registered for protocol ("http", "mailto") with link
  // as its parameter; false when none is registered or it did not start.
  virtual bool StartProtocolHandler(const std::string& protocol, const std::string& link) = 0;
};

// The folder trees of the folder and upgrade pages.
enum class TXFolderTree { Dest, Upgrade };

class TXWizardWindow {
 public:
  virtual ~TXWizardWindow() = default;
  // The model moved to another page or changed what a page shows while a
  // run lasts: show it now.
  virtual void PageActivated() = 0;
  // Selects folder in tree; false when the tree cannot show it. A
  // successful selection reports the change as the user's would.
  virtual bool SelectFolder(TXFolderTree tree, const std::string& folder) = 0;
  // Lets the pending window messages through, so that the window repaints
  // while a run goes on inside a click.
  virtual void ProcessMessages() = 0;
  // Closes the window, which first asks the model's FormCloseQuery.
  virtual void Close() = 0;
  // Ends the program once the current click returns.
  virtual void Terminate() = 0;
};

}  // namespace xs
