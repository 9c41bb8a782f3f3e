#include "platform/FileIo.h"
#include "support/TestSupport.h"

#include <filesystem>
#include <gtest/gtest.h>

TEST(FileIoTest, UncommittedWriteLeavesTheOldFile) {
    FolderSandbox sandbox;
    const std::string name = sandbox.root() + "/f.txt";
    writeWholeFile(name, "old");
    {
        AtomicFileWriter writer(name);
        writer.write("new and longer");
    }
    EXPECT_EQ(readWholeFile(name), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(sandbox.root()), {}), 3); // program, data, f.txt
    writeWholeFile(name, "new");
    EXPECT_EQ(readWholeFile(name), "new");
}

TEST(FileIoTest, ErrorsNameTheFile) {
    FolderSandbox sandbox;
    const std::string missing = sandbox.root() + "/nothing.bin";
    try {
        readWholeFile(missing);
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find(missing), std::string::npos);
    }
    EXPECT_THROW(writeWholeFile(sandbox.root() + "/no/such/folder/x", "x"), FileError);
    writeWholeFile(sandbox.root() + "/short", "abc");
    ReadOnlyFile file(sandbox.root() + "/short");
    char buffer[8];
    EXPECT_THROW(file.readAt(1, buffer, 8), FileError);
}
