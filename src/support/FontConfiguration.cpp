#include "support/FontConfiguration.h"

#include <fontconfig/fontconfig.h>

namespace vantor::platform {

void LoadFontConfiguration()
{
    // Does nothing when the configuration is loaded already; the library
    // guards it for concurrent callers such as Qt's font database.
    FcInit();
}

} // namespace vantor::platform
