// A failure of vantor-pack that ends the run with a message.
#pragma once

#include "support/Error.h"

namespace vantor::pack {

class PackError : public Error {
public:
    using Error::Error;
};

} // namespace vantor::pack
