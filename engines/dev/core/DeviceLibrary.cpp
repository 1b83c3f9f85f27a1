#include "dev/core/DeviceLibrary.h"

#include "support/Error.h"
#include "support/database/DbConnection.h"
#include "support/database/DbQuery.h"

#include <cmath>

namespace vantor::devengine {

bool LoadDevices(const QString& AFile, const QString& APassword, QList<Device>& ADevices, QString& AProblem)
{
    ADevices.clear();
    try {
        db::DbConnection connection;
        connection.DatabaseName = QStringLiteral("Devices.vt4");
        connection.FileName = AFile;
        connection.ReadOnly = true;
        connection.Password = APassword;
        connection.OnPassword = [](db::DbConnection&, bool& AContinue) { AContinue = false; };
        db::DbQuery query(connection);
        query.Sql = QStringLiteral("SELECT Name, Category, Watts, PowerFactor FROM Devices ORDER BY Category, Name");
        query.Open();
        while (query.CanFetchMore())
            query.FetchMore(1000);
        for (int row = 0; row < query.FetchedCount(); ++row) {
            Device device{query.Value(row, 0), query.Value(row, 1), query.Value(row, 2).toDouble(),
                          query.Value(row, 3).toDouble()};
            // A damaged row is left out rather than let into the sums.
            if (device.Name.isEmpty() || !(device.Watts > 0) || !std::isfinite(device.Watts) ||
                !(device.PowerFactor > 0) || device.PowerFactor > 1)
                continue;
            ADevices.append(device);
        }
    } catch (const Error& error) {
        AProblem = error.message();
        ADevices.clear();
        return false;
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
