// The solutions of a selector, one row each in the order given: the UPS,
// how it is configured, its battery, the runtime at end of life and with
// new batteries (with the redundant units out, and at end of life with all
// running), the loading, the price when prices are shown and the
// calculation in the debug mode.
#pragma once

#include "dev/core/EngineTexts.h"
#include "dev/core/Pricelist.h"
#include "dev/core/SolutionFacts.h"
#include "dev/core/UpsSolutions.h"

#include <QTableWidget>

namespace vantor::devengine {

class SolutionTable final : public QTableWidget {
    Q_OBJECT
public:
    // AShowConfiguration: whether the solutions differ in units or modules.
    SolutionTable(const EngineTexts& ATexts, bool AShowConfiguration, bool AShowPrices, bool AShowTrace,
                  QWidget* AParent);

    // ARedundancy: the redundant units or modules the solutions include.
    void Show(const QList<Solution>& ASolutions, int ARedundancy, const ModelPrices& APrices);
    // The selected solution's row, or -1.
    int SelectedRow() const;

    enum Column {
        UpsColumn,
        ConfigurationColumn,
        BatteryColumn,
        RuntimeColumn,
        LoadingColumn,
        PriceColumn,
        TraceColumn,
        // Shown beside the runtime.
        NewColumn,
        AllRunningColumn
    };

private:
    const EngineTexts& texts_;
    bool showConfiguration_;
    bool showPrices_;
    bool showTrace_;
};

// The texts of a solution's cells, for the table and the tests.
QString ConfigurationText(const Solution& ASolution, int ARedundancy, const EngineTexts& ATexts);
QString CabinetText(const Solution& ASolution, const EngineTexts& ATexts);
QString BatteryText(const Solution& ASolution, const EngineTexts& ATexts);
QString TraceText(const Solution& ASolution, const EngineTexts& ATexts);

} // namespace vantor::devengine
