// Signing the manifest is the minisign program's job: the publisher only runs
// it, so makers sign with the standard tool and no secret key is read here.
#pragma once

#include "support/Result.h"

#include <QString>

namespace vantor::publish {

// Runs "minisign -S -s SecretKeyFile -m File", which writes File + ".minisig".
// The program talks to the terminal itself (it asks for the key's password
// when the key has one). Fails when it cannot run or fails.
[[nodiscard]] Result<void> SignManifest(const QString& Program, const QString& SecretKeyFile, const QString& File);

// Moves From over To in one step (rename), replacing To.
[[nodiscard]] Result<void> ReplaceFile(const QString& From, const QString& To);

} // namespace vantor::publish
