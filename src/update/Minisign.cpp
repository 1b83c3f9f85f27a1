#include "update/Minisign.h"

#include <QList>

#include <sodium.h>

#include <algorithm>
#include <cstring>

namespace vantor::minisign {

namespace {

constexpr char UntrustedPrefix[] = "untrusted comment: ";
constexpr char TrustedPrefix[] = "trusted comment: ";

bool InitialiseSodium()
{
    // Safe to call repeatedly and from several threads; -1 only when the
    // library cannot start at all.
    static const bool ready = sodium_init() >= 0;
    return ready;
}

// Strict base64 (standard alphabet, padding as the tool writes it) of
// exactly Size bytes.
bool DecodeExactly(const QByteArray& Text, std::size_t Size, QByteArray& Out)
{
    Out = QByteArray(static_cast<qsizetype>(Size + 3), '\0');
    std::size_t length = 0;
    const char* end = nullptr;
    if (sodium_base642bin(reinterpret_cast<unsigned char*>(Out.data()), static_cast<std::size_t>(Out.size()),
                          Text.constData(), static_cast<std::size_t>(Text.size()), nullptr, &length, &end,
                          sodium_base64_VARIANT_ORIGINAL) != 0)
        return false;
    Out.truncate(static_cast<qsizetype>(length));
    return length == Size && end == Text.constData() + Text.size();
}

template <std::size_t N>
void CopyBytes(const QByteArray& From, qsizetype Offset, std::array<std::uint8_t, N>& To)
{
    std::memcpy(To.data(), From.constData() + Offset, N);
}

QByteArray StripLineEnd(QByteArray Line)
{
    if (Line.endsWith('\r'))
        Line.chop(1);
    return Line;
}

Error Fail(const char* Reason)
{
    return Failure(QString::fromLatin1(Reason));
}

} // namespace

Result<PublicKey> ParsePublicKey(const QByteArray& Base64Line)
{
    if (!InitialiseSodium())
        return Fail("the signature library cannot start");
    QByteArray raw;
    if (!DecodeExactly(Base64Line.trimmed(), 2 + 8 + 32, raw) || !raw.startsWith("Ed"))
        return Fail("not an Ed25519 minisign public key");
    PublicKey key;
    CopyBytes(raw, 2, key.KeyId);
    CopyBytes(raw, 10, key.Key);
    return key;
}

Result<Signature> ParseSignature(const QByteArray& Text)
{
    if (!InitialiseSodium())
        return Fail("the signature library cannot start");
    QList<QByteArray> lines = Text.split('\n');
    // One line break after the last line is usual; nothing else may follow.
    if (lines.size() == 5 && lines.last().isEmpty())
        lines.removeLast();
    if (lines.size() != 4)
        return Fail("a signature file has four lines");
    for (QByteArray& line : lines)
        line = StripLineEnd(line);
    if (!lines[0].startsWith(UntrustedPrefix) || !lines[2].startsWith(TrustedPrefix))
        return Fail("the signature file's comment lines are missing");

    QByteArray raw;
    if (!DecodeExactly(lines[1], 2 + 8 + 64, raw))
        return Fail("the signature line is not a signature");
    Signature signature;
    if (raw.startsWith("ED"))
        signature.Prehashed = true;
    else if (raw.startsWith("Ed"))
        signature.Prehashed = false;
    else
        return Fail("the signature uses an unknown algorithm");
    CopyBytes(raw, 2, signature.KeyId);
    CopyBytes(raw, 10, signature.Value);

    signature.TrustedComment = lines[2].mid(static_cast<qsizetype>(std::strlen(TrustedPrefix)));
    QByteArray global;
    if (!DecodeExactly(lines[3], 64, global))
        return Fail("the trusted comment's signature line is not a signature");
    CopyBytes(global, 0, signature.GlobalValue);
    return signature;
}

Result<QByteArray> Verify(const QByteArray& Message, const QByteArray& SignatureText, const TrustedKeys& Keys)
{
    const auto signature = ParseSignature(SignatureText);
    if (!signature)
        return signature.error();

    const auto key = std::find_if(Keys.begin(), Keys.end(),
                                  [&](const PublicKey& candidate) { return candidate.KeyId == signature->KeyId; });
    if (key == Keys.end())
        return Fail("signed with a key that is not trusted");

    const auto* message = reinterpret_cast<const unsigned char*>(Message.constData());
    std::size_t messageLength = static_cast<std::size_t>(Message.size());
    std::array<unsigned char, crypto_generichash_BYTES_MAX> hash{};
    if (signature->Prehashed) {
        crypto_generichash(hash.data(), hash.size(), message, messageLength, nullptr, 0);
        message = hash.data();
        messageLength = hash.size();
    }
    if (crypto_sign_verify_detached(signature->Value.data(), message, messageLength, key->Key.data()) != 0)
        return Fail("the signature does not match the file");

    QByteArray global(reinterpret_cast<const char*>(signature->Value.data()),
                      static_cast<qsizetype>(signature->Value.size()));
    global += signature->TrustedComment;
    if (crypto_sign_verify_detached(signature->GlobalValue.data(),
                                    reinterpret_cast<const unsigned char*>(global.constData()),
                                    static_cast<std::size_t>(global.size()), key->Key.data()) != 0)
        return Fail("the trusted comment does not match its signature");
    return signature->TrustedComment;
}

} // namespace vantor::minisign
