#include "platform/DiskSpace.h"

#include <filesystem>
#include <sys/statvfs.h>

namespace {
std::function<std::optional<std::uint64_t>(const std::string&)>& freeDiskSource() {
    static std::function<std::optional<std::uint64_t>(const std::string&)> source;
    return source;
}
} // namespace

std::optional<std::uint64_t> getFreeDiskBytes(const std::string& path) {
    if (auto& source = freeDiskSource()) {
        return source(path);
    }
    std::filesystem::path p = path;
    std::error_code ec;
    while (!p.empty() && !std::filesystem::exists(p, ec)) {
        auto parent = p.parent_path();
        if (parent == p) {
            break;
        }
        p = parent;
    }
    struct statvfs st {};
    if (p.empty() || ::statvfs(p.c_str(), &st) != 0) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(st.f_bavail) * st.f_frsize;
}

void setFreeDiskSource(std::function<std::optional<std::uint64_t>(const std::string&)> source) {
    freeDiskSource() = std::move(source);
}
