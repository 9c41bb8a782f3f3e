#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// Free bytes available to this user on the file system that holds `path` (the nearest existing folder
// of it); empty when it cannot be read.
std::optional<std::uint64_t> getFreeDiskBytes(const std::string& path);

// Replaces the measurement (tests); an empty function restores the real one.
void setFreeDiskSource(std::function<std::optional<std::uint64_t>(const std::string&)> source);
