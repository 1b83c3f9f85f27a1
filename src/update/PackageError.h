// The error raised while reading an update package (".Z").
#pragma once

#include "support/Error.h"

namespace vantor {

class PackageError : public Error {
public:
    using Error::Error;
};

} // namespace vantor
