#include "update/FileDigest.h"

#include <QFile>
#include <QFileInfo>

#include <openssl/evp.h>

#include <memory>
#include <vector>

namespace vantor {

namespace {

// Large enough that reading costs little beside hashing.
constexpr qint64 ReadChunk = 1024 * 1024;

struct DigestContextFree {
    void operator()(EVP_MD_CTX* Context) const { EVP_MD_CTX_free(Context); }
};

} // namespace

QByteArray Sha256OfFile(const QString& FileName)
{
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return {};
    const std::unique_ptr<EVP_MD_CTX, DigestContextFree> context(EVP_MD_CTX_new());
    if (!context || EVP_DigestInit_ex(context.get(), EVP_sha256(), nullptr) != 1)
        return {};
    std::vector<char> buffer(ReadChunk);
    for (;;) {
        const qint64 count = file.read(buffer.data(), ReadChunk);
        if (count < 0)
            return {};
        if (count == 0)
            break;
        if (EVP_DigestUpdate(context.get(), buffer.data(), static_cast<std::size_t>(count)) != 1)
            return {};
    }
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_DigestFinal_ex(context.get(), digest, &length) != 1)
        return {};
    return QByteArray(reinterpret_cast<const char*>(digest), static_cast<qsizetype>(length)).toHex();
}

bool MatchesListedFile(const QString& FileName, const TListedFile& Listed, QString& Why)
{
    const qint64 size = QFileInfo(FileName).size();
    if (size != Listed.Size) {
        Why = QStringLiteral("%1 has %2 bytes, the manifest lists %3").arg(FileName).arg(size).arg(Listed.Size);
        return false;
    }
    const QByteArray digest = Sha256OfFile(FileName);
    if (digest.isEmpty()) {
        Why = QStringLiteral("%1 cannot be read").arg(FileName);
        return false;
    }
    if (digest != Listed.Sha256) {
        Why = QStringLiteral("%1 does not have the SHA-256 the manifest lists").arg(FileName);
        return false;
    }
    return true;
}

} // namespace vantor
