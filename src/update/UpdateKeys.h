// The public keys this build trusts for update manifests. They are compiled
// in (CMake cache variable VANTOR_UPDATE_PUBLIC_KEYS); nothing at run time can
// add one. A build without keys keeps the unsigned channel.
#pragma once

#include "update/Minisign.h"

namespace vantor {

const minisign::TrustedKeys& CompiledUpdateKeys();

} // namespace vantor
