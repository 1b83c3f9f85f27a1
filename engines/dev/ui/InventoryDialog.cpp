#include "dev/ui/InventoryDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vantor::devengine {

namespace {

enum Column { CategoryColumn, DeviceColumn, WattsColumn, PowerFactorColumn, QuantityColumn, ColumnCount };

} // namespace

InventoryDialog::InventoryDialog(const EngineTexts& ATexts, const QList<Device>& ADevices, QWidget* AParent)
    : QDialog(AParent), texts_(ATexts), devices_(ADevices), table_(new QTableWidget(this)), total_(new QLabel(this))
{
    setObjectName(QStringLiteral("InventoryDialog"));
    setWindowTitle(texts_(TextId::InventoryTitle));
    table_->setObjectName(QStringLiteral("InventoryTable"));
    table_->setColumnCount(ColumnCount);
    table_->setHorizontalHeaderLabels({texts_(TextId::Category), texts_(TextId::Device), QStringLiteral("W"),
                                       texts_(TextId::PowerFactor), texts_(TextId::Quantity)});
    table_->setRowCount(static_cast<int>(devices_.size()));
    table_->verticalHeader()->hide();
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int row = 0; row < devices_.size(); ++row) {
        const Device& device = devices_[row];
        const auto cell = [&](int AColumn, const QString& AText, Qt::Alignment AAlignment = Qt::AlignLeft) {
            auto* item = new QTableWidgetItem(AText);
            item->setTextAlignment(AAlignment | Qt::AlignVCenter);
            table_->setItem(row, AColumn, item);
        };
        cell(CategoryColumn, device.Category);
        cell(DeviceColumn, device.Name);
        cell(WattsColumn, texts_.Number(device.Watts), Qt::AlignRight);
        cell(PowerFactorColumn, texts_.Number(device.PowerFactor, 2), Qt::AlignRight);
        auto* quantity = new QSpinBox(table_);
        quantity->setRange(0, 9999);
        quantity->setAccessibleName(device.Name);
        connect(quantity, &QSpinBox::valueChanged, this, &InventoryDialog::ShowTotal);
        table_->setCellWidget(row, QuantityColumn, quantity);
    }
    table_->horizontalHeader()->setSectionResizeMode(DeviceColumn, QHeaderView::Stretch);
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setSectionResizeMode(DeviceColumn, QHeaderView::Stretch);

    total_->setObjectName(QStringLiteral("InventoryTotal"));
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* use = buttons->addButton(texts_(TextId::UseLoad), QDialogButtonBox::AcceptRole);
    use->setDefault(true);
    buttons->addButton(texts_(TextId::Cancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_, 1);
    layout->addWidget(total_);
    layout->addWidget(buttons);
    resize(640, 520);
    ShowTotal();
}

InventoryLoad InventoryDialog::Load() const
{
    QList<InventoryLine> lines;
    for (int row = 0; row < devices_.size(); ++row) {
        const auto* quantity = qobject_cast<QSpinBox*>(table_->cellWidget(row, QuantityColumn));
        if (quantity != nullptr && quantity->value() > 0)
            lines.append({devices_[row], quantity->value()});
    }
    return SumInventory(lines);
}

void InventoryDialog::ShowTotal()
{
    const InventoryLoad load = Load();
    total_->setText(texts_(TextId::InventoryTotal).arg(texts_.Number(load.Watts), texts_.Number(load.VoltAmperes)));
}

} // namespace vantor::devengine
