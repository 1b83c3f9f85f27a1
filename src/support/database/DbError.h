// Failures of the embedded database engine, raised as errors with a message.
#pragma once

#include "support/Error.h"

namespace vantor::db {

class DbError : public Error {
public:
    using Error::Error;
};

} // namespace vantor::db
