// The rule that decides whether an item may replace a file that is already
// there, with the questions it asks the user.
#pragma once

#include <string>

#include "script/item_types.h"

namespace xs {

// Whether a new file may be written as dest. When no file dest exists the
// answer is yes at once. Otherwise, with D the existing file's version, S
// the new one's (source_version) and P the protected release:
//   optfNone              yes
//   optfFailIfExists      no
//   optfConfirmOverwrite  the user answers the yes/no question
//   optfIfNewer           yes when the new file is newer: IsNewerVersion
//                         (D, P, S) when both versions are known, else
//                         source_time >= dest's last-write time when both
//                         times are known (not 0), else yes
//   optfConfirmIfOlder    as optfIfNewer, but asks the yes/no question when
//                         the new file is not newer
//   optfRename            the user picks Rename, Overwrite or Cancel; Rename
//                         asks for another name in dest's folder (again
//                         while the name is empty or taken) and changes dest
//                         to it
// Times are local date-times (days since 30 December 1899). The questions
// go through ShowMessageBox and InputBox with translated texts. When the
// answer is yes and dest exists, its attributes are reset to normal, so a
// read-only file can be replaced. Nothing is recorded on the error object.
bool AllowOverwrite(TXUIFileOptions options, std::string& dest, double source_time,
                    const std::string& source_version, const std::string& protected_release);

}  // namespace xs
