// The shell's special folders, by their shell numbers (CSIDL values).
#pragma once

#include <string>

namespace xs {

enum : int {
  csidlDesktop = 0,
  csidlPrograms = 2,          // the user's start-menu programs
  csidlPersonal = 5,          // the user's documents
  csidlFavorites = 6,
  csidlStartup = 7,
  csidlRecent = 8,
  csidlSendTo = 9,
  csidlStartMenu = 11,
  csidlMyMusic = 13,
  csidlDesktopDirectory = 16,
  csidlFonts = 20,
  csidlTemplates = 21,
  csidlCommonStartMenu = 22,
  csidlCommonPrograms = 23,
  csidlCommonStartup = 24,
  csidlCommonDesktopDirectory = 25,
  csidlAppData = 26,
  csidlLocalAppData = 28,
  csidlCommonAppData = 35,
  csidlWindows = 36,
  csidlSystem = 37,
  csidlProgramFiles = 38,
  csidlMyPictures = 39,
  csidlProfile = 40,
  csidlProgramFilesCommon = 43,
  csidlCommonDocuments = 46,
};

// On success returns the folder's path without a trailing delimiter; with
// create set, a folder that does not exist yet is made first. On failure
// (a number the system does not know, or a missing folder without create)
// returns an empty text and sets the error number.
std::string SpecialFolderPath(int csidl, bool create);

}  // namespace xs
