// The special folders of the emulated machine, laid out as on Windows
// Vista and later (see emulation.h).
#include "platform/shell_folders.h"

#include "platform/file_system.h"
#include "platform/posix/emulated_machine.h"
#include "platform/system_error.h"

namespace xs {

namespace {
// The folder below the emulation root; empty for unknown numbers.
std::string RelativePath(int csidl) {
  const std::string profile = "Users/" + EmulatedUserName() + "/";
  const std::string roaming = profile + "AppData/Roaming/";
  const std::string start_menu = roaming + "Microsoft/Windows/Start Menu";
  const std::string common_start_menu = "ProgramData/Microsoft/Windows/Start Menu";
  switch (csidl) {
    case csidlDesktop:
    case csidlDesktopDirectory: return profile + "Desktop";
    case csidlPrograms: return start_menu + "/Programs";
    case csidlPersonal: return profile + "Documents";
    case csidlFavorites: return profile + "Favorites";
    case csidlStartup: return start_menu + "/Programs/Startup";
    case csidlRecent: return roaming + "Microsoft/Windows/Recent";
    case csidlSendTo: return roaming + "Microsoft/Windows/SendTo";
    case csidlStartMenu: return start_menu;
    case csidlMyMusic: return profile + "Music";
    case csidlFonts: return "Windows/Fonts";
    case csidlTemplates: return roaming + "Microsoft/Windows/Templates";
    case csidlCommonStartMenu: return common_start_menu;
    case csidlCommonPrograms: return common_start_menu + "/Programs";
    case csidlCommonStartup: return common_start_menu + "/Programs/Startup";
    case csidlCommonDesktopDirectory: return "Users/Public/Desktop";
    case csidlAppData: return profile + "AppData/Roaming";
    case csidlLocalAppData: return profile + "AppData/Local";
    case csidlCommonAppData: return "ProgramData";
    case csidlWindows: return "Windows";
    case csidlSystem: return "Windows/System32";
    case csidlProgramFiles: return "Program Files";
    case csidlMyPictures: return profile + "Pictures";
    case csidlProfile: return "Users/" + EmulatedUserName();
    case csidlProgramFilesCommon: return "Program Files/Common Files";
    case csidlCommonDocuments: return "Users/Public/Documents";
    default: return {};
  }
}
}  // namespace

std::string SpecialFolderPath(int csidl, bool create) {
  std::string relative = RelativePath(csidl);
  if (relative.empty()) {
    SetLastSystemError(kErrInvalidParameter);
    return {};
  }
  std::string path = MachinePath(relative, false);
  if (create ? !ForceFolders(path) : !FolderExists(path)) {
    if (!create) SetLastSystemError(kErrPathNotFound);
    return {};
  }
  SetLastSystemError(0);
  return path;
}

}  // namespace xs
