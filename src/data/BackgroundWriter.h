#pragma once
// Writes whole files on a second thread while the caller computes the next ones. Each file is written
// to a temporary name, flushed to disk and renamed into place. The bytes waiting to be written are
// bounded, so a fast producer waits instead of filling memory.
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class TBackgroundWriter {
public:
    explicit TBackgroundWriter(std::size_t maxPendingBytes = 96u << 20);
    ~TBackgroundWriter();
    TBackgroundWriter(const TBackgroundWriter&) = delete;
    TBackgroundWriter& operator=(const TBackgroundWriter&) = delete;

    // Queues a file. Throws the first error of an earlier write (nothing more is written then).
    void write(std::string fileName, std::vector<char> bytes);
    // Returns when every queued file is on disk; throws the first error of any write.
    void finish();

private:
    struct Job {
        std::string fileName;
        std::vector<char> bytes;
    };
    void run();
    void rethrowError();

    std::size_t maxPendingBytes_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Job> jobs_;
    std::size_t pendingBytes_ = 0;
    bool busy_ = false;
    bool stopping_ = false;
    std::exception_ptr error_;
    std::thread thread_;
};
