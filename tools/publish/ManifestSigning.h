// Signing the manifest is the minisign program's job: the publisher only runs
// it, so makers sign with the standard tool and no secret key is read here.
#pragma once

#include <QString>

namespace vantor::publish {

// Runs "minisign -S -s SecretKeyFile -m File", which writes File + ".minisig".
// The program talks to the terminal itself (it asks for the key's password
// when the key has one). Throws PublishError when it cannot run or fails.
void SignManifest(const QString& Program, const QString& SecretKeyFile, const QString& File);

// Moves From over To in one step (rename), replacing To.
void ReplaceFile(const QString& From, const QString& To);

} // namespace vantor::publish
