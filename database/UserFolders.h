// The per-user folders of the base directory convention, shared by the
// system code file (configuration) and the receiver history (data).
#pragma once

#include <filesystem>

// $HOME, else the account's home folder, else the current folder.
std::filesystem::path HomeFolder();

// The folder `variable` names when it is set and not empty, else
// `belowHome` inside the home folder: XdgFolder("XDG_DATA_HOME",
// ".local/share"). Nothing is created.
std::filesystem::path XdgFolder(const char* variable, const char* belowHome);
