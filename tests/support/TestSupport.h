#pragma once
// Shared test helpers: a recorder for the user-facing reports and a sandbox of folders, so that no test
// touches the real program or data folder.
#include "domain/Messages.h"

#include <string>
#include <vector>

class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    std::vector<std::string> texts() const;
    std::vector<MessageKind> kinds;
    std::vector<std::string> messages;

private:
    MessageSink previous_;
};

// A fresh temporary folder with a program folder and a data home inside; the program folder and
// XDG_DATA_HOME point into it until the sandbox is destroyed.
class FolderSandbox {
public:
    FolderSandbox();
    ~FolderSandbox();
    FolderSandbox(const FolderSandbox&) = delete;
    FolderSandbox& operator=(const FolderSandbox&) = delete;

    const std::string& root() const { return root_; }
    std::string programDir() const { return root_ + "/program/"; }
    std::string dataHome() const { return root_ + "/data"; }

private:
    std::string root_;
    std::string previousDataHome_;
    bool hadDataHome_ = false;
};

// Writes a text file (creating its folder).
void writeTextFile(const std::string& path, const std::string& content);
std::string readFileBytes(const std::string& path);
