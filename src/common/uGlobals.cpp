#include "common/uGlobals.h"

namespace vantor {

TGlobalSetupData GlobalSetupData;
QString CataloguesFolder;

} // namespace vantor
