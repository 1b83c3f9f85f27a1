#include "common/uGlobals.h"

namespace vantor {

TGlobalSetupData GlobalSetupData;

} // namespace vantor
