// What can be added to the project: the accessories and services suitable
// for the chosen system, grouped by kind; any pricelist item found by its
// code or description; and a line of free text with its own price.
#pragma once

#include "dev/core/EngineProducts.h"
#include "dev/core/EngineSettings.h"
#include "dev/core/Pricelist.h"
#include "dev/core/Project.h"

#include <QWidget>

#include <memory>
#include <optional>

class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace vantor::devengine {

class ProjectHub;

class ProjectAddPanel final : public QWidget {
    Q_OBJECT
public:
    ProjectAddPanel(ProjectHub& AHub, std::shared_ptr<const EngineProducts> AProducts, const Pricelist& APricelist,
                    const EngineSettings& ASettings, QWidget* AParent);

    // The system lines go to; none: the project's own lines.
    void SetTarget(std::optional<int> ASystem);

private:
    QWidget* BuildAccessories();
    QWidget* BuildSearch();
    QWidget* BuildFreeText();
    void ShowAccessories();
    void Search(const QString& AText);
    // Adds the pricelist item under the tree's current row.
    void AddItemOf(QTreeWidget* ATree);
    void AddLine(const ProjectLine& ALine);
    // A row for AItem under AParent, or at the top of ATree.
    QTreeWidgetItem* ItemRow(QTreeWidgetItem* AParent, QTreeWidget* ATree, const PriceItem& AItem) const;
    QString PriceText(double APrice) const;

    ProjectHub& hub_;
    std::shared_ptr<const EngineProducts> products_;
    const Pricelist& pricelist_;
    EngineSettings settings_;
    bool showPrices_;
    std::optional<int> target_;
    QLabel* accessoriesNote_ = nullptr;
    QTreeWidget* accessories_ = nullptr;
    QLineEdit* search_ = nullptr;
    QTreeWidget* found_ = nullptr;
    QLineEdit* freeText_ = nullptr;
    QDoubleSpinBox* freePrice_ = nullptr;
};

} // namespace vantor::devengine
