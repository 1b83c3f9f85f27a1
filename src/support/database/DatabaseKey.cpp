#include "support/database/DatabaseKey.h"

#include <QCryptographicHash>
#include <QHash>
#include <QPasswordDigestor>

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
    const QByteArray key = QPasswordDigestor::deriveKeyPbkdf2(
        QCryptographicHash::Sha256, password.toUtf8(), QByteArray(KeyDerivationSalt), KeyDerivationIterations,
        RawKeyLength);
    derived.insert(password, key);
    return key;
}

QByteArray KeyPragma(const QByteArray& rawKey)
{
    return "PRAGMA key = \"x'" + rawKey.toHex().toUpper() + "'\";";
}

} // namespace vantor::db
