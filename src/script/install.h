// TXInstall: the install script. What the wizard shows (title, default
// folder and group, applications, components, readme and licence texts,
// banner) and what the installation does (Items, in order). The items are
// also kept sorted by section in five lists that reference them.
#pragma once

#include <string>

#include "lang/locale_ids.h"
#include "script/custom_ui.h"

namespace xs {

// Published after those of TXCustomUI: LgIDs, Title, UpdateTitle,
// DefaultFolderName, DefaultGroupName, DefaultFolderExt, UIExt,
// optShowApps, optAppDemo, optAppUpdate, optAppAddOn,
// optShowCreateDesktopShortcut.
class TXInstall : public TXCustomUI {
  XS_DECLARE_CLASS(TXInstall)
 public:
  TXLocaleIDStringList LgIDs;     // the package's languages and DefaultLgID
  std::string Title;              // the wizard's caption
  std::string UpdateTitle;        // the product an update or add-on applies to
  std::string DefaultFolderName;  // with path macros
  std::string DefaultGroupName;
  std::string DefaultFolderExt;   // appended to a folder picked by browsing
  std::string UIExt;              // the uninstall-information subfolder
  bool optShowApps = false;
  bool optAppDemo = false;        // the start dialog offers the demo install
  bool optAppUpdate = false;
  bool optAppAddOn = false;
  bool optShowCreateDesktopShortcut = true;

  // The items of Items by section, not owned, in script order; rebuilt by
  // SplitSections.
  TXUIObjectList SearchItems{false};     // isSearch
  TXUIObjectList UpgradeItems{false};    // isUpgrade
  TXUIObjectList TextItems{false};       // isText
  TXUIObjectList ComponentItems{false};  // isComponent
  TXUIObjectList InstallItems{false};    // every other section

  // Rebuilds the five section lists from Items, then gives each text file
  // item among InstallItems the text FindText finds for its LgID and
  // TextName.
  void SplitSections();
  // The Text of the first text item in TextItems named name (case matters)
  // whose LgID is lg_id, or 0, or (when lg_id is 0) the run's CurrentLgID.
  // Empty when there is none.
  std::string FindText(int32_t lg_id, const std::string& name) const;
  // The "readme" and "license" texts for the run's language and the chosen
  // applications: the tag with the suffix of the chosen applications'
  // AppIdx ("readme0_2"), else the bare tag.
  std::string GetReadmeText() const { return TextForApps("readme"); }
  std::string GetLicenseText() const { return TextForApps("license"); }

  // TXCustomUI's Clear (which frees the items, so the section lists are
  // emptied too), then LgIDs and the strings empty, the flags False except
  // optShowCreateDesktopShortcut, which is True.
  void Clear() override;
  // As TXCustomUI, then SplitSections.
  bool AssignFrom(const TPersistent& source) override;

 private:
  void ClearSections();
  std::string TextForApps(const std::string& tag) const;
};

}  // namespace xs
