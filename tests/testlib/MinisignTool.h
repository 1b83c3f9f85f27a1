// Key pairs and signatures made by the real minisign program, the reference
// the verifier is checked against.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

class QTemporaryDir;

namespace vantor::test {

class MinisignKeyPair {
public:
    // A new key pair without a password ("minisign -G -W").
    MinisignKeyPair();
    ~MinisignKeyPair();

    // The base64 line that "minisign -P" takes.
    QByteArray PublicKeyLine() const { return publicKeyLine_; }
    QString SecretKeyFile() const;

    // The ".minisig" text for Message; Legacy signs with "-l".
    QByteArray Sign(const QByteArray& Message, bool Legacy = false,
                    const QString& TrustedComment = QStringLiteral("test signature")) const;
    // Signs a file in place: writes File + ".minisig".
    bool SignFile(const QString& File) const;

private:
    std::unique_ptr<QTemporaryDir> folder_;
    QByteArray publicKeyLine_;
};

// Runs minisign with Arguments; true when it exits with 0.
bool RunMinisign(const QStringList& Arguments, QByteArray* Output = nullptr);

} // namespace vantor::test
