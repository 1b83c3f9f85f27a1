// Verifies detached signatures in the minisign format (Ed25519): the maker
// signs with the standard tool, the program only checks. Public keys are the
// base64 line that "minisign -P" takes; signatures the four-line ".minisig"
// file. Both the pre-hashed ("ED", BLAKE2b-512 of the file) and the legacy
// ("Ed", the file itself) algorithms are accepted.
#pragma once

#include "support/Result.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <cstdint>

namespace vantor::minisign {

struct PublicKey {
    std::array<std::uint8_t, 8> KeyId{};
    std::array<std::uint8_t, 32> Key{};
};

// The keys a verification accepts; a signature by any of them is good.
using TrustedKeys = QList<PublicKey>;

// The base64 line of a public key (surrounding blanks ignored); fails when
// it is not exactly an Ed25519 minisign key.
Result<PublicKey> ParsePublicKey(const QByteArray& Base64Line);

struct Signature {
    bool Prehashed = false; // "ED": the signature covers the BLAKE2b-512 hash
    std::array<std::uint8_t, 8> KeyId{};
    std::array<std::uint8_t, 64> Value{};
    QByteArray TrustedComment;
    std::array<std::uint8_t, 64> GlobalValue{}; // over Value + TrustedComment
};

// A ".minisig" text; fails, saying why, when it is malformed.
Result<Signature> ParseSignature(const QByteArray& Text);

// Checks SignatureText for Message against the trusted keys: well formed, made
// by a key of the list (by key id), the signature right for the message, and
// the trusted comment bound by the global signature. The trusted comment when
// it holds; the reason when not.
Result<QByteArray> Verify(const QByteArray& Message, const QByteArray& SignatureText, const TrustedKeys& Keys);

} // namespace vantor::minisign
