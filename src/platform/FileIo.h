#pragma once
// Plain file input and output for the pure code: whole-file reads, positioned reads, and writes that
// never leave a half-written file under the final name.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// Any failure to open, read or write a file, or a file whose content is not what its format requires.
// The message names the file.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads a whole file. Throws FileError.
std::string readWholeFile(const std::string& fileName);

bool fileExists(const std::string& fileName);

// A file opened for positioned reads. Throws FileError on open and on short reads.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const std::string& fileName);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    std::uint64_t size() const { return size_; }
    const std::string& name() const { return name_; }
    // Reads exactly length bytes at offset.
    void readAt(std::uint64_t offset, void* buffer, std::size_t length) const;

private:
    std::string name_;
    int fd_ = -1;
    std::uint64_t size_ = 0;
};

// Writes a file under a temporary name in the same folder; commit() flushes it to disk and renames it
// into place. Destroyed without commit, it removes the temporary file and leaves any existing file as it was.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::string fileName);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    void write(const void* data, std::size_t length);
    void write(std::string_view text) { write(text.data(), text.size()); }
    void commit();
    const std::string& fileName() const { return fileName_; }

private:
    void flushBuffer();

    std::string fileName_;
    std::string tempName_;
    int fd_ = -1;
    std::string buffer_;
};

// True for the name of a temporary file of AtomicFileWriter (left behind when a process was killed).
bool isTemporaryFileName(const std::string& fileName);

// Writes the whole content atomically (AtomicFileWriter).
void writeWholeFile(const std::string& fileName, std::string_view content);
