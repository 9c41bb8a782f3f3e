#include "support/TestSupport.h"

#include "domain/Folders.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

MessageRecorder::MessageRecorder() {
    previous_ = setMessageSink([this](MessageKind kind, const std::string& text) {
        kinds.push_back(kind);
        messages.push_back(text);
    });
}

MessageRecorder::~MessageRecorder() {
    setMessageSink(std::move(previous_));
}

std::vector<std::string> MessageRecorder::texts() const {
    return messages;
}

FolderSandbox::FolderSandbox() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quorvane-test-XXXXXX").string();
    char* made = ::mkdtemp(pattern.data());
    if (made == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    root_ = made;
    std::filesystem::create_directories(programDir());
    std::filesystem::create_directories(dataHome());
    if (const char* old = std::getenv("XDG_DATA_HOME")) {
        hadDataHome_ = true;
        previousDataHome_ = old;
    }
    ::setenv("XDG_DATA_HOME", dataHome().c_str(), 1);
    setProgramFolder(programDir());
}

FolderSandbox::~FolderSandbox() {
    setProgramFolder("");
    if (hadDataHome_) {
        ::setenv("XDG_DATA_HOME", previousDataHome_.c_str(), 1);
    } else {
        ::unsetenv("XDG_DATA_HOME");
    }
    std::error_code ec;
    std::filesystem::permissions(root_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(root_, ec);
}

void writeTextFile(const std::string& path, const std::string& content) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}

std::string readFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}
