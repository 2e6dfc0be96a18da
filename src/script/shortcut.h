// Shortcut files for the shortcut items.
#pragma once

#include <string>

namespace xs {

// Writes a shell link at link (its folder must exist) to target with
// arguments, the working folder when not empty, and description. The icon:
// icon_index of icon_file when icon_file is given; else icon icon_index of
// target when icon_index > 0; with -1 the default icon of target's file
// class (the "DefaultIcon" of its class id under HKEY_CLASSES_ROOT, "file"
// or "file,index"), when one can be found; otherwise none. Then tells the
// shell that link was made and its folder changed. On success returns true.
// On failure returns false with the platform's error number set; nothing
// is recorded on the error object.
bool CreateShortcut(const std::string& link, const std::string& description,
                    const std::string& target, const std::string& arguments,
                    const std::string& working_folder, const std::string& icon_file,
                    int icon_index);

}  // namespace xs
