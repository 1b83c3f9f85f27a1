#include "dev/core/EngineProducts.h"

#include "dev/core/ProductDataFile.h"

#include <QFileInfo>

namespace vantor::devengine {

std::shared_ptr<const EngineProducts> ReadEngineProducts(const QString& ADataFolder, const QString& APassword)
{
    auto products = std::make_shared<EngineProducts>();
    const QString dataFile = ADataFolder + QStringLiteral("Data.vt4");
    if (!QFileInfo::exists(dataFile))
        products->DataProblem = QStringLiteral("%1 is missing").arg(dataFile);
    else if (LoadProductData(dataFile, APassword, products->Data, products->DataProblem)) {
        Result<CommercialData> commercial = ReadCommercialData(dataFile, APassword);
        if (commercial)
            products->Commercial = std::move(*commercial);
        else
            products->CommercialProblem = commercial.message();
    }
    const QString devicesFile = ADataFolder + QStringLiteral("Devices.vt4");
    if (!QFileInfo::exists(devicesFile))
        products->DevicesProblem = QStringLiteral("%1 is missing").arg(devicesFile);
    else
        LoadDevices(devicesFile, APassword, products->Devices, products->DevicesProblem);
    return products;
}

} // namespace vantor::devengine
