#include "data/BackgroundWriter.h"

#include "platform/FileIo.h"

TBackgroundWriter::TBackgroundWriter(std::size_t maxPendingBytes)
    : maxPendingBytes_(maxPendingBytes), thread_([this] { run(); }) {}

TBackgroundWriter::~TBackgroundWriter() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void TBackgroundWriter::rethrowError() {
    if (error_) {
        std::exception_ptr e = error_;
        std::rethrow_exception(e);
    }
}

void TBackgroundWriter::write(std::string fileName, std::vector<char> bytes) {
    std::unique_lock lock(mutex_);
    // A file larger than the bound still goes, once nothing else is waiting.
    changed_.wait(lock,
                  [&] { return error_ || pendingBytes_ == 0 || pendingBytes_ + bytes.size() <= maxPendingBytes_; });
    rethrowError();
    pendingBytes_ += bytes.size();
    jobs_.push_back({std::move(fileName), std::move(bytes)});
    changed_.notify_all();
}

void TBackgroundWriter::finish() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return error_ || (jobs_.empty() && !busy_); });
    rethrowError();
}

void TBackgroundWriter::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [&] { return stopping_ || !jobs_.empty(); });
        if (jobs_.empty()) {
            return; // stopping with nothing left
        }
        Job job = std::move(jobs_.front());
        jobs_.pop_front();
        busy_ = true;
        lock.unlock();
        std::exception_ptr failure;
        try {
            if (!error_) {
                writeWholeFile(job.fileName, std::string_view(job.bytes.data(), job.bytes.size()));
            }
        } catch (...) {
            failure = std::current_exception();
        }
        lock.lock();
        if (failure && !error_) {
            error_ = failure;
        }
        pendingBytes_ -= job.bytes.size();
        busy_ = false;
        changed_.notify_all();
    }
}
