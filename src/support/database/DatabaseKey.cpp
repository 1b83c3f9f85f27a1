#include "support/database/DatabaseKey.h"

#include <QHash>

#include <openssl/evp.h>

namespace vantor::db {

QByteArray DeriveRawKey(const QString& password)
{
    if (password.isEmpty())
        return {};
    // Start-up opens one pricelist per installed catalogue: the stretching is
    // paid once per process, not once per file.
    static QHash<QString, QByteArray> derived;
    auto it = derived.constFind(password);
    if (it != derived.constEnd())
        return *it;
    const QByteArray secret = password.toUtf8();
    const QByteArray salt(KeyDerivationSalt);
    QByteArray key(RawKeyLength, '\0');
    if (PKCS5_PBKDF2_HMAC(secret.constData(), static_cast<int>(secret.size()),
                          reinterpret_cast<const unsigned char*>(salt.constData()), static_cast<int>(salt.size()),
                          KeyDerivationIterations, EVP_sha256(), RawKeyLength,
                          reinterpret_cast<unsigned char*>(key.data())) != 1)
        return {}; // no key: the protected file then fails to open, as with a wrong one
    derived.insert(password, key);
    return key;
}

QByteArray KeyPragma(const QByteArray& rawKey)
{
    return "PRAGMA key = \"x'" + rawKey.toHex().toUpper() + "'\";";
}

} // namespace vantor::db
