#include "platform/SpecialFolders.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <unistd.h>

std::string getSpecialFolderPath(int csidl) {
    if (csidl != csidlCommonAppData) {
        return {};
    }
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg != nullptr && xdg[0] == '/') {
        std::string path = xdg;
        while (path.size() > 1 && path.back() == '/') {
            path.pop_back();
        }
        return path;
    }
    const char* home = std::getenv("HOME");
    std::string base;
    if (home != nullptr && home[0] != '\0') {
        base = home;
    } else if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr) {
        base = pw->pw_dir;
    } else {
        base = "/tmp";
    }
    return base + "/.local/share";
}

std::string getExecutableFolder() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) {
        return std::filesystem::current_path(ec).string();
    }
    return exe.parent_path().string();
}
