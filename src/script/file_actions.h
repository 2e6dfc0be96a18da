// The file operations the file-system items are built from. None of them
// clears the error object; only WriteDataFile records a code. Replacing an
// existing file always goes through AllowOverwrite (script/overwrite.h).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/stream.h"
#include "package/stream_object.h"
#include "script/item_types.h"

namespace xs {

// The masks of a filter: the parts between ";", trimmed of blanks, empty
// parts dropped. An empty filter has none.
std::vector<std::string> SplitMasks(const std::string& filter);

// Deletes a file, also a read-only one. A help file (extension ".hlp" in any
// case) first loses its companions of the same name with the extensions
// ".gid" and ".fts" (in the help file's letter case), whatever becomes of
// them. True when the file is gone: deleted, or not there (a folder of that
// name counts as not there).
bool DeleteFileEx(const std::string& name);

// Makes dest a file that write fills, in place of any file there: write
// fills a TReplacementFile, which is read back and checked (its size and
// CRC-32 against what write wrote, and its size against declared_size
// unless that is negative), then committed. On success returns true. On
// failure (the temporary file cannot be made, write raises, the check or
// the move fails) removes the temporary file and returns false; an existing
// dest is as it was.
bool SaveNewFile(const std::string& dest, int64_t declared_size, const std::function<void(TStream&)>& write);

// Writes the bytes of data as dest with SaveNewFile, when AllowOverwrite
// (with data's TimeStamp and Version) lets it; dest may come back renamed
// by the user. A positive data.Size is the size the bytes must have. An
// existing help file's companions go (DeleteFileEx) once it is replaced.
// The file's last-write time becomes data's TimeStamp when that is not 0
// (ignoring failure). On success returns true. A refusal returns false
// silently; a failed write (an existing dest survives it) records error 23
// (replacing any code) with dest and returns false.
bool WriteDataFile(TXUIFileOptions options, const std::string& protected_release, std::string& dest,
                   const TXStreamObject& data);

// Copies the file source to dest, replacing an existing dest when
// AllowOverwrite (with source's last-write time and version) lets it; dest
// may come back renamed. The copy replaces dest in one step (CopyFileTo):
// a failed copy leaves it as it was. False when source is no file, on a
// refusal or when the copy fails.
bool CopyOneFile(TXUIFileOptions options, std::string& dest, const std::string& source);
// Moves the file source to dest under the same rule; a dest that may be
// replaced is replaced in one step (MoveFileOver; across volumes a copy
// takes its place with CopyFileTo, then source goes). A dest naming source
// itself (in any letter case) only changes the letter case. False when
// source is no file, on a refusal or when the move fails; a failed move
// leaves dest as it was.
bool RenameOneFile(TXUIFileOptions options, std::string& dest, const std::string& source);

// The folder operations walk the subfolders first (when recurse is set),
// then take the masks in order; every entry is tried even after a failure,
// and the result is true when every file operation succeeded. Folders a mask
// matches (".", ".." and subfolders) are skipped and count as success. The
// walk never enters a junction, symbolic link or other reparse point: what
// lies behind one is outside the folder. A link a mask matches is handled
// as the link itself (deleting it removes the link, not its target).

// Copies the matching files of source to dest with CopyOneFile; dest (with
// its parents) is made when a mask matches anything.
bool CopyFolderFiles(TXUIFileOptions options, const std::string& dest, const std::string& source,
                     const std::vector<std::string>& masks, bool recurse);
// Deletes the matching files with DeleteFileEx; folders stay.
bool DeleteFolderFiles(const std::string& folder, const std::vector<std::string>& masks, bool recurse);
// Deletes the folder with everything in it: its files (read-only ones too),
// its subfolders likewise, then the folder itself. True when all of it went.
bool DeleteFolderTree(const std::string& folder);
// Gives the files matching source_masks[i] the extension of target_masks[i]
// with RenameOneFile. Raises Exception, before anything is renamed, when
// target_masks has fewer masks than source_masks.
bool RenameFolderFiles(TXUIFileOptions options, const std::string& folder, const std::vector<std::string>& source_masks,
                       const std::vector<std::string>& target_masks, bool recurse);

}  // namespace xs
