// What the selectors size with: the product data and the device library,
// read from the engine's databases when a selector first needs them and
// kept until the engine is initialised again.
#pragma once

#include "dev/core/CommercialDataFile.h"
#include "dev/core/DeviceLibrary.h"
#include "dev/core/UpsSolutions.h"

#include <QString>

#include <memory>

namespace vantor::devengine {

struct EngineProducts {
    ProductData Data;
    QString DataProblem; // empty when the product data is usable
    QList<Device> Devices;
    QString DevicesProblem; // empty when the library is usable
    // Accessories and catalogue terms: empty, not a problem, in product data
    // of an older format.
    CommercialData Commercial;
    QString CommercialProblem; // empty when readable
};

// Reads Data.vt4 and Devices.vt4 of ADataFolder (ending with "/"). Never
// raises: what cannot be read is named in the problems.
std::shared_ptr<const EngineProducts> ReadEngineProducts(const QString& ADataFolder, const QString& APassword);

} // namespace vantor::devengine
