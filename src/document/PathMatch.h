// Finding the files a control file names. Names read from a control file
// arrive upper-cased, while the file system tells case apart: a name that
// does not exist as written is looked for component by component, letters
// compared without regard to case. Relative names are taken from the
// default folder (DefDir), and then from the control file's own folder.
#pragma once

#include <string>

namespace tabrix {

struct AppContext;

// The folder relative names are found in: DefDir, itself taken from the
// start-up folder when it is relative (the desktop enters DefDir at start).
std::string DataFolder(const AppContext& app);

// The existing file a code page 932 name stands for. Absolute names stand as
// they are, relative ones under folder. When no file of the exact name
// exists, each path component is matched against the folder's entries with
// ASCII and full-width letters (and Greek and Cyrillic ones) compared without
// regard to case; a unique match is taken. Otherwise, or when nothing
// matches, the name stays as given so that opening it reports it missing.
std::string ResolveDataPath(const std::string& name, const std::string& folder);

// The same, looking in fallbackFolder when the file is not found under
// folder: a control file opened from anywhere still finds the files beside it.
std::string ResolveDataPath(const std::string& name, const std::string& folder,
                            const std::string& fallbackFolder);

// The folder of a code page 932 path, "." for a bare name.
std::string FolderOfPath(const std::string& path);

// The same for a file about to be created: only its folder is matched, the
// file name itself stays as given.
std::string ResolveNewFilePath(const std::string& name, const std::string& folder);

}  // namespace tabrix
