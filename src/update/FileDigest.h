// SHA-256 for checking downloads against the signed manifest's listing.
#pragma once

#include <QByteArray>
#include <QString>

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

namespace vantor {

// SHA-256 of bytes fed in pieces.
class Sha256Stream {
public:
    Sha256Stream();
    ~Sha256Stream();
    Sha256Stream(const Sha256Stream&) = delete;
    Sha256Stream& operator=(const Sha256Stream&) = delete;

    void Add(const char* Data, std::int64_t Size);
    // Lower-case hex of everything added; empty when hashing failed. Ends the
    // stream.
    [[nodiscard]] QByteArray Finish();

private:
    struct Context;
    std::unique_ptr<Context> context_;
    bool failed_ = false;
};

// Lower-case hex SHA-256 of the file's content; empty when it cannot be read.
[[nodiscard]] QByteArray Sha256OfFile(const QString& FileName);

// Hashes a file while another part of the program writes it: a thread of its
// own reads what has been written so far and hashes it, so that a download
// costs no extra time on a machine with a second core, and what is checked is
// what lies on disk. The writer reports its progress with Written.
class TrailingFileHasher {
public:
    explicit TrailingFileHasher(const QString& FileName);
    ~TrailingFileHasher();
    TrailingFileHasher(const TrailingFileHasher&) = delete;
    TrailingFileHasher& operator=(const TrailingFileHasher&) = delete;

    // The file now holds at least Count bytes.
    void Written(std::int64_t Count);
    // Waits until the first Count bytes are hashed; their lower-case hex
    // SHA-256, empty when the file could not be read that far.
    [[nodiscard]] QByteArray Finish(std::int64_t Count);

private:
    void Work();

    int fd_ = -1;
    Sha256Stream stream_;
    std::thread worker_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::int64_t written_ = 0;
    std::int64_t hashed_ = 0;
    bool finishing_ = false;
    bool failed_ = false;
};

} // namespace vantor
