// The library of typical loads in the engine's Devices.vt4, and the load of
// an inventory of them.
#pragma once

#include <QList>
#include <QString>

namespace vantor::devengine {

struct Device {
    QString Name;
    QString Category;
    double Watts = 0;
    double PowerFactor = 1;
};

// False, with AProblem saying why, when the file cannot be read or holds no
// usable device.
bool LoadDevices(const QString& AFile, const QString& APassword, QList<Device>& ADevices, QString& AProblem);

struct InventoryLine {
    Device Item;
    int Quantity = 0;
};

struct InventoryLoad {
    double Watts = 0;
    double VoltAmperes = 0;
    // The power factor of the whole inventory; 1 when it is empty.
    double PowerFactor() const { return VoltAmperes > 0 ? Watts / VoltAmperes : 1; }
};

// The devices' watts added up, and their apparent power (W / pf) added up:
// the sum a sales engineer makes on paper, without any diversity factor.
InventoryLoad SumInventory(const QList<InventoryLine>& ALines);

} // namespace vantor::devengine
