#pragma once
#include <string>

// Identifier of the per-machine application-data folder, the only special folder the program asks for.
constexpr int csidlCommonAppData = 35;

// The folder that stands for the special folder `csidl`, without a trailing separator. For the
// application-data folder that is the platform's generic data location: $XDG_DATA_HOME when set and
// absolute, else $HOME/.local/share. Other identifiers give an empty text.
std::string getSpecialFolderPath(int csidl);

// The folder of the running executable, without a trailing separator.
std::string getExecutableFolder();
