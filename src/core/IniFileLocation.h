#pragma once
// Where the program's settings file lives: beside the executable, or else in the directory that
// the current user's registry names. No state beyond a test override of the executable's
// directory.
#include <string>

// Sets path to the executable's directory followed by fileName and returns true when that file
// exists. Otherwise opens the current user's key "\Software\KelpTools\" + applicationName and
// reads the value registryValueName as a directory: path becomes that directory, with a '/'
// added when missing, followed by fileName (empty when the value is absent or empty), and the
// result tells whether that file exists. When the key is missing, false with the first path.
bool LocateIniFile(const std::string& applicationName, const std::string& fileName, std::string& path,
                   const std::string& registryValueName);

// The directory of the running executable, ending in '/'.
std::string GetExecutableDirectory();
// Test hook: makes GetExecutableDirectory return directory (which ends in '/'); an empty text
// restores the real one.
void SetExecutableDirectory(const std::string& directory);
