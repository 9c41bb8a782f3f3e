#include "platform/FileIo.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string describe(const std::string& what, const std::string& fileName) {
    return what + " \"" + fileName + "\": " + std::strerror(errno);
}

constexpr std::size_t writeBufferSize = 1 << 20;

} // namespace

bool fileExists(const std::string& fileName) {
    struct stat st {};
    return ::stat(fileName.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string readWholeFile(const std::string& fileName) {
    ReadOnlyFile file(fileName);
    std::string bytes(file.size(), '\0');
    if (!bytes.empty()) {
        file.readAt(0, bytes.data(), bytes.size());
    }
    return bytes;
}

ReadOnlyFile::ReadOnlyFile(const std::string& fileName) : name_(fileName) {
    fd_ = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) {
        throw FileError(describe("Cannot open", fileName));
    }
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd_);
        fd_ = -1;
        errno = EISDIR;
        throw FileError(describe("Cannot read", fileName));
    }
    size_ = static_cast<std::uint64_t>(st.st_size);
}

ReadOnlyFile::~ReadOnlyFile() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

void ReadOnlyFile::readAt(std::uint64_t offset, void* buffer, std::size_t length) const {
    auto* out = static_cast<char*>(buffer);
    while (length > 0) {
        ssize_t got = ::pread(fd_, out, length, static_cast<off_t>(offset));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            if (got == 0) {
                errno = EIO;
            }
            throw FileError(describe("Cannot read", name_));
        }
        out += got;
        offset += static_cast<std::uint64_t>(got);
        length -= static_cast<std::size_t>(got);
    }
}

namespace {
constexpr const char* temporaryMark = ".tmp-";
}

bool isTemporaryFileName(const std::string& fileName) {
    return fileName.find(temporaryMark) != std::string::npos;
}

AtomicFileWriter::AtomicFileWriter(std::string fileName)
    : fileName_(std::move(fileName)), tempName_(fileName_ + temporaryMark + std::to_string(::getpid())) {
    fd_ = ::open(tempName_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd_ < 0) {
        throw FileError(describe("Cannot create", fileName_));
    }
    buffer_.reserve(writeBufferSize);
}

AtomicFileWriter::~AtomicFileWriter() {
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlink(tempName_.c_str());
    }
}

namespace {
void writeAll(int fd, const char* p, std::size_t left, const std::string& fileName) {
    while (left > 0) {
        ssize_t put = ::write(fd, p, left);
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            if (put == 0) {
                errno = ENOSPC;
            }
            throw FileError(describe("Cannot write", fileName));
        }
        p += put;
        left -= static_cast<std::size_t>(put);
    }
}
} // namespace

void AtomicFileWriter::flushBuffer() {
    writeAll(fd_, buffer_.data(), buffer_.size(), fileName_);
    buffer_.clear();
}

void AtomicFileWriter::write(const void* data, std::size_t length) {
    if (buffer_.size() + length > writeBufferSize) {
        flushBuffer();
    }
    if (length >= writeBufferSize) {
        writeAll(fd_, static_cast<const char*>(data), length, fileName_);
        return;
    }
    buffer_.append(static_cast<const char*>(data), length);
}

void AtomicFileWriter::commit() {
    flushBuffer();
    if (::fsync(fd_) != 0) {
        throw FileError(describe("Cannot write", fileName_));
    }
    if (::close(fd_) != 0) {
        fd_ = -1;
        ::unlink(tempName_.c_str());
        throw FileError(describe("Cannot write", fileName_));
    }
    fd_ = -1;
    if (::rename(tempName_.c_str(), fileName_.c_str()) != 0) {
        int saved = errno;
        ::unlink(tempName_.c_str());
        errno = saved;
        throw FileError(describe("Cannot replace", fileName_));
    }
}

void writeWholeFile(const std::string& fileName, std::string_view content) {
    AtomicFileWriter writer(fileName);
    writer.write(content);
    writer.commit();
}
