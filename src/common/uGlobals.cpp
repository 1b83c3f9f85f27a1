#include "common/uGlobals.h"

namespace vantor {

TGlobalSetupData GlobalSetupData;
QString CataloguesFolder;

TUsageType UsageTypeOfOem(std::int32_t OemId, TUsageType Current)
{
    switch (OemId) {
    case 0:
        return TUsageType::utMaronel;
    case 3:
        return TUsageType::utKelvra;
    default:
        return Current;
    }
}

} // namespace vantor
