// The load inventory: the device library with a quantity for each device,
// and the load they add up to.
#pragma once

#include "dev/core/DeviceLibrary.h"
#include "dev/core/EngineTexts.h"

#include <QDialog>

class QLabel;
class QTableWidget;

namespace vantor::devengine {

class InventoryDialog final : public QDialog {
    Q_OBJECT
public:
    InventoryDialog(const EngineTexts& ATexts, const QList<Device>& ADevices, QWidget* AParent);

    InventoryLoad Load() const;

private:
    void ShowTotal();

    const EngineTexts& texts_;
    QList<Device> devices_;
    QTableWidget* table_;
    QLabel* total_;
};

} // namespace vantor::devengine
