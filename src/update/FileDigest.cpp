#include "update/FileDigest.h"

#include <QFile>

#include <openssl/evp.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace vantor {

namespace {

// Large enough that reading costs little beside hashing.
constexpr std::int64_t ReadChunk = std::int64_t{1024} * 1024;

} // namespace

struct Sha256Stream::Context {
    EVP_MD_CTX* digest = EVP_MD_CTX_new();
    ~Context() { EVP_MD_CTX_free(digest); }
};

Sha256Stream::Sha256Stream() : context_(std::make_unique<Context>())
{
    failed_ = context_->digest == nullptr || EVP_DigestInit_ex(context_->digest, EVP_sha256(), nullptr) != 1;
}

Sha256Stream::~Sha256Stream() = default;

void Sha256Stream::Add(const char* Data, std::int64_t Size)
{
    if (!failed_ && Size > 0)
        failed_ = EVP_DigestUpdate(context_->digest, Data, static_cast<std::size_t>(Size)) != 1;
}

QByteArray Sha256Stream::Finish()
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (failed_ || EVP_DigestFinal_ex(context_->digest, digest, &length) != 1)
        return {};
    failed_ = true; // the context is spent
    return QByteArray(reinterpret_cast<const char*>(digest), static_cast<qsizetype>(length)).toHex();
}

QByteArray Sha256OfFile(const QString& FileName)
{
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return {};
    Sha256Stream stream;
    std::vector<char> buffer(ReadChunk);
    for (;;) {
        const qint64 count = file.read(buffer.data(), ReadChunk);
        if (count < 0)
            return {};
        if (count == 0)
            break;
        stream.Add(buffer.data(), count);
    }
    return stream.Finish();
}

TrailingFileHasher::TrailingFileHasher(const QString& FileName)
    : fd_(::open(QFile::encodeName(FileName).constData(), O_RDONLY | O_CLOEXEC))
{
    failed_ = fd_ < 0;
    worker_ = std::thread([this] { Work(); });
}

TrailingFileHasher::~TrailingFileHasher()
{
    {
        std::lock_guard lock(mutex_);
        finishing_ = true;
        failed_ = true; // abandoned: stop at once
    }
    changed_.notify_all();
    worker_.join();
    if (fd_ >= 0)
        ::close(fd_);
}

void TrailingFileHasher::Written(std::int64_t Count)
{
    {
        std::lock_guard lock(mutex_);
        written_ = std::max(written_, Count);
    }
    changed_.notify_all();
}

void TrailingFileHasher::Work()
{
    std::vector<char> buffer(ReadChunk);
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return failed_ || hashed_ < written_ || finishing_; });
        if (failed_ || (finishing_ && hashed_ >= written_))
            break;
        const std::int64_t offset = hashed_;
        const std::int64_t wanted = std::min(ReadChunk, written_ - hashed_);
        lock.unlock();
        ssize_t count;
        do
            count = ::pread(fd_, buffer.data(), static_cast<std::size_t>(wanted), offset);
        while (count < 0 && errno == EINTR);
        if (count > 0)
            stream_.Add(buffer.data(), count);
        lock.lock();
        if (count <= 0)
            failed_ = true; // the file is shorter than its writer said
        else
            hashed_ += count;
        changed_.notify_all();
    }
}

QByteArray TrailingFileHasher::Finish(std::int64_t Count)
{
    {
        std::unique_lock lock(mutex_);
        written_ = std::max(written_, Count);
        finishing_ = true;
        changed_.notify_all();
        changed_.wait(lock, [&] { return failed_ || hashed_ >= written_; });
        if (failed_ || hashed_ != Count)
            return {};
    }
    // The worker has nothing left to do and ends by itself.
    return stream_.Finish();
}

} // namespace vantor
