#include "dev/core/DeviceLibrary.h"

#include "dev/core/EngineDatabase.h"

#include <cmath>

namespace vantor::devengine {

bool LoadDevices(const QString& AFile, const QString& APassword, QList<Device>& ADevices, QString& AProblem)
{
    ADevices.clear();
    db::DbConnection connection;
    SetUpReadOnly(connection, QStringLiteral("Devices.vt4"), AFile, APassword);
    const Result<QList<TableRow>> rows =
        Rows(connection, QStringLiteral("SELECT * FROM Devices ORDER BY Category, Name"));
    if (!rows) {
        AProblem = rows.message();
        return false;
    }
    for (const TableRow& row : *rows) {
        Device device{row.value(QStringLiteral("Name")), row.value(QStringLiteral("Category")),
                      row.value(QStringLiteral("Watts")).toDouble(),
                      row.value(QStringLiteral("PowerFactor")).toDouble()};
        // A damaged row is left out rather than let into the sums.
        if (device.Name.isEmpty() || !(device.Watts > 0) || !std::isfinite(device.Watts) || !(device.PowerFactor > 0) ||
            device.PowerFactor > 1)
            continue;
        ADevices.append(device);
    }
    if (ADevices.isEmpty()) {
        AProblem = QStringLiteral("%1 holds no devices").arg(AFile);
        return false;
    }
    return true;
}

InventoryLoad SumInventory(const QList<InventoryLine>& ALines)
{
    InventoryLoad load;
    for (const InventoryLine& line : ALines) {
        if (line.Quantity <= 0 || !(line.Item.PowerFactor > 0))
            continue;
        load.Watts += line.Item.Watts * line.Quantity;
        load.VoltAmperes += line.Item.Watts / line.Item.PowerFactor * line.Quantity;
    }
    return load;
}

} // namespace vantor::devengine
