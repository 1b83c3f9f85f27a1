// How a password becomes the key of a protected ".vt4" file (see
// docs/vt4-format.md): PBKDF2-HMAC-SHA256 over the password with a fixed
// salt, derived once per process and password, and handed to SQLCipher as a
// raw key, so that opening a protected file costs no key stretching.
#pragma once

#include <QByteArray>
#include <QString>

namespace vantor::db {

inline constexpr int KeyDerivationIterations = 1000;
inline constexpr const char* KeyDerivationSalt = "Vantor.vt4/raw-key/1";
inline constexpr int RawKeyLength = 32;

// The 32-byte key for a password; empty for an empty password (no protection).
QByteArray DeriveRawKey(const QString& password);

// The SQLCipher key statement for a raw key: PRAGMA key = "x'<64 hex digits>'".
QByteArray KeyPragma(const QByteArray& rawKey);

} // namespace vantor::db
