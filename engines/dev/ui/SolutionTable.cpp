#include "dev/ui/SolutionTable.h"

#include <QHeaderView>

#include <algorithm>

namespace vantor::devengine {

QString ConfigurationText(const Solution& ASolution, int ARedundancy, const EngineTexts& ATexts)
{
    if (ASolution.Modules)
        return ATexts(TextId::FrameModules).arg(*ASolution.Modules).arg(ARedundancy);
    if (ASolution.Units > 1)
        return ATexts(TextId::ParallelUnits).arg(ASolution.Units).arg(ARedundancy);
    return ATexts(TextId::SingleUnit);
}

QString CabinetText(const Solution& ASolution, const EngineTexts& ATexts)
{
    return ASolution.Cabinets > 0 ? ATexts(TextId::CabinetsOf).arg(ASolution.Cabinets).arg(ASolution.Cabinet)
                                  : ATexts(TextId::InternalBattery);
}

QString BatteryText(const Solution& ASolution, const EngineTexts& ATexts)
{
    return CabinetText(ASolution, ATexts) + QStringLiteral(" \u00B7 ") +
           ATexts(TextId::StringsOfBlocks).arg(ASolution.Strings).arg(ASolution.BlocksPerString);
}

QString TraceText(const Solution& ASolution, const EngineTexts& ATexts)
{
    return ATexts(TextId::Trace)
        .arg(ATexts.Number(ASolution.Efficiency * 100, 1), ATexts.Number(ASolution.BatteryWatts),
             ATexts.Number(ASolution.Cells), ATexts.Number(ASolution.WattsPerCell, 1),
             ATexts.Number(ASolution.TableWattsPerCell, 1));
}

SolutionTable::SolutionTable(const EngineTexts& ATexts, bool AShowConfiguration, bool AShowPrices, bool AShowTrace,
                             QWidget* AParent)
    : QTableWidget(AParent), texts_(ATexts), showConfiguration_(AShowConfiguration), showPrices_(AShowPrices),
      showTrace_(AShowTrace)
{
    setObjectName(QStringLiteral("SolutionTable"));
    setColumnCount(AllRunningColumn + 1);
    setHorizontalHeaderLabels({texts_(TextId::ColumnUps), texts_(TextId::ColumnConfiguration),
                               texts_(TextId::ColumnBattery), texts_(TextId::ColumnRuntime),
                               texts_(TextId::ColumnLoading), texts_(TextId::ColumnPrice), texts_(TextId::ColumnTrace),
                               texts_(TextId::ColumnNew), texts_(TextId::ColumnAllRunning)});
    // The runtimes stand together; the columns keep their numbers.
    horizontalHeader()->moveSection(NewColumn, RuntimeColumn + 1);
    horizontalHeader()->moveSection(AllRunningColumn, RuntimeColumn + 2);
    setColumnHidden(AllRunningColumn, true);
    setColumnHidden(PriceColumn, !showPrices_);
    setColumnHidden(ConfigurationColumn, !showConfiguration_);
    setColumnHidden(TraceColumn, !showTrace_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(true);
    setShowGrid(false);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(28);
    horizontalHeader()->setHighlightSections(false);
    // The battery column takes what the others leave; the calculation of the
    // debug mode may run past the card and scrolls.
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    if (!showTrace_) {
        horizontalHeader()->setSectionResizeMode(BatteryColumn, QHeaderView::Stretch);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    setTextElideMode(Qt::ElideRight);
    setAccessibleName(texts_(TextId::Solutions));
}

void SolutionTable::Show(const QList<Solution>& ASolutions, int ARedundancy, const ModelPrices& APrices)
{
    clearContents();
    // One runtime beside the one sized with: new batteries, or with
    // redundancy every unit running; the details view has all four.
    setColumnHidden(NewColumn, ARedundancy > 0);
    setColumnHidden(AllRunningColumn, ARedundancy == 0);
    // Parallel units say their count in the UPS cell, and their N+x is the
    // same in every row: the room goes to the runtimes.
    const bool frames = std::any_of(ASolutions.begin(), ASolutions.end(),
                                    [](const Solution& ASolution) { return ASolution.Modules.has_value(); });
    setColumnHidden(ConfigurationColumn, !showConfiguration_ || (ARedundancy > 0 && !frames));
    setRowCount(static_cast<int>(ASolutions.size()));
    for (int row = 0; row < ASolutions.size(); ++row) {
        const Solution& solution = ASolutions[row];
        const auto cell = [&](int AColumn, const QString& AText, Qt::Alignment AAlignment = Qt::AlignLeft) {
            auto* item = new QTableWidgetItem(AText);
            item->setTextAlignment(AAlignment | Qt::AlignVCenter);
            item->setToolTip(AText); // the whole text where the column cuts it
            if (solution.BelowAutonomy)
                item->setForeground(QColor(0x8A, 0x1C, 0x1C));
            setItem(row, AColumn, item);
            return item;
        };
        // Parallel units show as "3 × B 6K0", their redundancy as "N+1".
        QTableWidgetItem* ups = cell(UpsColumn, solution.Units > 1 && !solution.Modules
                                                    ? texts_(TextId::CabinetsOf).arg(solution.Units).arg(solution.Ups)
                                                    : solution.Ups);
        ups->setToolTip(APrices.Descriptions.value(solution.Ups));
        QFont bold = ups->font();
        bold.setBold(true);
        ups->setFont(bold);
        const QString configuration = ConfigurationText(solution, ARedundancy, texts_);
        if (solution.Units > 1 && !solution.Modules)
            cell(ConfigurationColumn, QStringLiteral("N+%1").arg(ARedundancy))->setToolTip(configuration);
        else
            cell(ConfigurationColumn, configuration);
        // The cabinets in the cell, the strings with them in the tip.
        cell(BatteryColumn, CabinetText(solution, texts_))->setToolTip(BatteryText(solution, texts_));
        // The figure the autonomy is sized with, then the others.
        QString runtime = RuntimeText(solution.GuaranteedMinutes(), texts_);
        if (solution.BelowAutonomy)
            runtime += QStringLiteral(" \u2013 ") + texts_(TextId::BelowAutonomy);
        cell(RuntimeColumn, runtime, Qt::AlignRight)
            ->setToolTip(
                texts_(TextId::RuntimeNewAtLoad)
                    .arg(RuntimeText(solution.MinutesNewOut.value_or(solution.MinutesNew), texts_)) +
                QStringLiteral(" \u00B7 ") + texts_(TextId::EndVoltage) + QStringLiteral(": ") +
                texts_(TextId::VoltsPerCell)
                    .arg(texts_.Number(solution.MinutesOut ? solution.EndVoltageOut : solution.EndVoltage, 2)));
        cell(NewColumn, RuntimeText(solution.MinutesNewOut.value_or(solution.MinutesNew), texts_), Qt::AlignRight);
        if (solution.MinutesOut)
            cell(AllRunningColumn, RuntimeText(solution.Minutes, texts_), Qt::AlignRight);
        cell(LoadingColumn, texts_.Number(solution.LoadingPercent), Qt::AlignRight);
        if (showPrices_)
            cell(PriceColumn, solution.Price ? texts_.Number(*solution.Price, 2) : texts_(TextId::NoPrice),
                 Qt::AlignRight);
        if (showTrace_)
            cell(TraceColumn, TraceText(solution, texts_));
    }
    if (rowCount() > 0)
        selectRow(0);
}

int SolutionTable::SelectedRow() const
{
    const QModelIndexList rows = selectionModel() != nullptr ? selectionModel()->selectedRows() : QModelIndexList{};
    return rows.isEmpty() ? -1 : rows.first().row();
}

} // namespace vantor::devengine
