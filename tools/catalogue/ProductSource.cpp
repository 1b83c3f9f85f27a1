#include "catalogue/ProductSource.h"

#include "catalogue/CsvReader.h"
#include "catalogue/SourceFailure.h"
#include "catalogue/SourceTable.h"
#include "catalogue/TermsSource.h"

#include <QFile>
#include <QHash>
#include <QMap>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace vantor::tools {

namespace {

// Weight and width x depth x height, for the installation data.
Result<void> CheckSizes(const SourceTable& ATable, const CsvRecord& ARecord)
{
    if (const Result<void> weight = ATable.Numbers(ARecord, {QStringLiteral("WeightKg")}, 0.5, 10000); !weight)
        return weight;
    return ATable.Numbers(ARecord, {QStringLiteral("WidthMm"), QStringLiteral("DepthMm"), QStringLiteral("HeightMm")},
                          50, 5000);
}

// The model's battery cut-off within its block's tables, and a charger that
// recharges as many strings as the model takes.
Result<void> CheckModelBattery(const SourceTable& AModels, const CsvRecord& ARecord,
                               const QPair<double, double>& ATables, const QString& ABlock, int AMostStrings)
{
    const Result<double> full = AModels.Number(ARecord, QStringLiteral("EndVoltageFull"), 1.6, 1.75);
    if (!full)
        return full.error();
    // At light load the inverter stops higher, sparing the battery.
    const Result<double> light = AModels.Number(ARecord, QStringLiteral("EndVoltageLight"), *full, 1.75);
    if (!light)
        return light.error();
    for (const double volts : {*full, *light}) {
        if (volts < ATables.first - 1e-9 || volts > ATables.second + 1e-9)
            return SourceFailure(AModels.File, ARecord.Line,
                                 QStringLiteral("end voltage %1 is outside the tables of block \"%2\" (%3 to %4 V)")
                                     .arg(volts)
                                     .arg(ABlock)
                                     .arg(ATables.first)
                                     .arg(ATables.second));
    }
    if (const Result<void> amps = AModels.Numbers(ARecord, {QStringLiteral("ChargerAmps")}, 0.1, 500); !amps)
        return amps;
    const Result<int> chargerStrings = AModels.Whole(ARecord, QStringLiteral("ChargerStrings"), 1, 200);
    if (!chargerStrings)
        return chargerStrings.error();
    if (AMostStrings > *chargerStrings)
        return SourceFailure(AModels.File, ARecord.Line,
                             QStringLiteral("with MaxCabinets the battery has %1 strings, more than ChargerStrings %2")
                                 .arg(AMostStrings)
                                 .arg(*chargerStrings));
    return Ok();
}

} // namespace

Result<QList<TableContent>> ReadProductTables(const QString& AFolder)
{
    // Blocks first: the other files name them.
    const QStringList blockColumns{QStringLiteral("Code"),      QStringLiteral("Volts"),
                                   QStringLiteral("Cells"),     QStringLiteral("AmpereHours"),
                                   QStringLiteral("Chemistry"), QStringLiteral("ColdDerating")};
    const Result<SourceTable> readBlocks = ReadTable(AFolder, QStringLiteral("blocks.csv"), blockColumns);
    if (!readBlocks)
        return readBlocks.error();
    const SourceTable& blocks = *readBlocks;
    TableContent blockTable = Table(QStringLiteral("Blocks"), {QStringLiteral("Code"), QStringLiteral("Chemistry")},
                                    blockColumns, {QStringLiteral("Cells")});
    QSet<QString> blockCodes;
    for (const CsvRecord& record : blocks.Records) {
        const Result<QString> readCode = Key(blocks, record, QStringLiteral("Code"), blockCodes);
        if (!readCode)
            return readCode.error();
        const QString code = *readCode;
        const Result<double> readVolts = blocks.Number(record, QStringLiteral("Volts"), 1, 48);
        if (!readVolts)
            return readVolts.error();
        const double volts = *readVolts;
        const Result<int> readCells = blocks.Whole(record, QStringLiteral("Cells"), 1, 24);
        if (!readCells)
            return readCells.error();
        const int cells = *readCells;
        const Result<double> readAh = blocks.Number(record, QStringLiteral("AmpereHours"), 0.5, 5000);
        if (!readAh)
            return readAh.error();
        const double ah = *readAh;
        const QString chemistry = blocks.Text(record, QStringLiteral("Chemistry"));
        if (chemistry != QLatin1String("VRLA") && chemistry != QLatin1String("Li-ion"))
            return SourceFailure(blocks.File, record.Line,
                                 QStringLiteral("Chemistry \"%1\" is VRLA or Li-ion").arg(chemistry));
        const Result<double> readDerating = blocks.Number(record, QStringLiteral("ColdDerating"), 0, 5);
        if (!readDerating)
            return readDerating.error();
        const double derating = *readDerating;
        blockTable.Rows.append({code, QString::number(volts), QString::number(cells), QString::number(ah), chemistry,
                                QString::number(derating)});
    }

    const QStringList dischargeColumns{QStringLiteral("Block"), QStringLiteral("EndVoltage"), QStringLiteral("Minutes"),
                                       QStringLiteral("WattsPerCell")};
    const Result<SourceTable> readDischarge = ReadTable(AFolder, QStringLiteral("discharge.csv"), dischargeColumns);
    if (!readDischarge)
        return readDischarge.error();
    const SourceTable& discharge = *readDischarge;
    TableContent dischargeTable = Table(QStringLiteral("Discharge"), {QStringLiteral("Block")}, dischargeColumns);
    // Per block and end voltage: minutes rise and watts fall from point to point.
    QMap<QString, QPair<double, double>> last;
    QSet<QString> curves;
    QHash<QString, QPair<double, double>> endVoltages; // per block: the lowest and highest table
    for (const CsvRecord& record : discharge.Records) {
        const QString block = discharge.Text(record, QStringLiteral("Block"));
        if (!blockCodes.contains(block))
            return SourceFailure(discharge.File, record.Line,
                                 QStringLiteral("block \"%1\" is not in blocks.csv").arg(block));
        const Result<double> readEnd = discharge.Number(record, QStringLiteral("EndVoltage"), 1.6, 1.75);
        if (!readEnd)
            return readEnd.error();
        const double end = *readEnd;
        const Result<double> readMinutes = discharge.Number(record, QStringLiteral("Minutes"), 0.1, 10000);
        if (!readMinutes)
            return readMinutes.error();
        const double minutes = *readMinutes;
        const Result<double> readWatts = discharge.Number(record, QStringLiteral("WattsPerCell"), 0.01, 10000);
        if (!readWatts)
            return readWatts.error();
        const double watts = *readWatts;
        const QString curve = block + QLatin1Char('@') + QString::number(end);
        if (last.contains(curve) && (minutes <= last[curve].first || watts >= last[curve].second))
            return SourceFailure(
                discharge.File, record.Line,
                QStringLiteral("the points of %1 at %2 V per cell must rise in minutes and fall in watts")
                    .arg(block)
                    .arg(end));
        last[curve] = {minutes, watts};
        curves.insert(curve);
        const auto range = endVoltages.constFind(block);
        endVoltages[block] = range == endVoltages.constEnd()
                                 ? qMakePair(end, end)
                                 : qMakePair(std::min(range->first, end), std::max(range->second, end));
        dischargeTable.Rows.append({block, QString::number(end), QString::number(minutes), QString::number(watts)});
    }
    for (const QString& block : std::as_const(blockCodes)) {
        if (std::none_of(curves.begin(), curves.end(), [&](const QString& A) { return A.startsWith(block + '@'); }))
            return SourceFailure(discharge.File, 0, QStringLiteral("block \"%1\" has no discharge table").arg(block));
    }

    const QStringList cabinetColumns{QStringLiteral("Code"),     QStringLiteral("Block"),   QStringLiteral("Strings"),
                                     QStringLiteral("WeightKg"), QStringLiteral("WidthMm"), QStringLiteral("DepthMm"),
                                     QStringLiteral("HeightMm")};
    const Result<SourceTable> readCabinets = ReadTable(AFolder, QStringLiteral("cabinets.csv"), cabinetColumns);
    if (!readCabinets)
        return readCabinets.error();
    const SourceTable& cabinets = *readCabinets;
    TableContent cabinetTable = Table(QStringLiteral("Cabinets"), {QStringLiteral("Code"), QStringLiteral("Block")},
                                      cabinetColumns, {QStringLiteral("Strings")});
    QSet<QString> cabinetCodes;
    QHash<QString, QPair<QString, int>> cabinetContents; // block type and strings by code
    for (const CsvRecord& record : cabinets.Records) {
        const Result<QString> readCode = Key(cabinets, record, QStringLiteral("Code"), cabinetCodes);
        if (!readCode)
            return readCode.error();
        const QString code = *readCode;
        const QString block = cabinets.Text(record, QStringLiteral("Block"));
        if (!blockCodes.contains(block))
            return SourceFailure(cabinets.File, record.Line,
                                 QStringLiteral("block \"%1\" is not in blocks.csv").arg(block));
        const Result<int> readStrings = cabinets.Whole(record, QStringLiteral("Strings"), 1, 64);
        if (!readStrings)
            return readStrings.error();
        const int strings = *readStrings;
        cabinetContents.insert(code, {block, strings});
        if (const Result<void> sizes = CheckSizes(cabinets, record); !sizes)
            return sizes.error();
        QStringList row{code, block, QString::number(strings)};
        for (const QString& column : cabinetColumns.mid(3))
            row.append(cabinets.Text(record, column));
        cabinetTable.Rows.append(row);
    }

    const QStringList modelColumns{QStringLiteral("Code"),
                                   QStringLiteral("VA"),
                                   QStringLiteral("W"),
                                   QStringLiteral("InputPhases"),
                                   QStringLiteral("OutputPhases"),
                                   QStringLiteral("Topology"),
                                   QStringLiteral("Eff25"),
                                   QStringLiteral("Eff50"),
                                   QStringLiteral("Eff75"),
                                   QStringLiteral("Eff100"),
                                   QStringLiteral("BlocksPerString"),
                                   QStringLiteral("Block"),
                                   QStringLiteral("InternalStrings"),
                                   QStringLiteral("MaxCabinets"),
                                   QStringLiteral("Cabinet"),
                                   QStringLiteral("ModuleVA"),
                                   QStringLiteral("ModuleW"),
                                   QStringLiteral("Slots"),
                                   QStringLiteral("Module"),
                                   QStringLiteral("MaxParallel"),
                                   QStringLiteral("EndVoltageFull"),
                                   QStringLiteral("EndVoltageLight"),
                                   QStringLiteral("ChargerAmps"),
                                   QStringLiteral("ChargerStrings"),
                                   QStringLiteral("OnlineEff25"),
                                   QStringLiteral("OnlineEff50"),
                                   QStringLiteral("OnlineEff75"),
                                   QStringLiteral("OnlineEff100"),
                                   QStringLiteral("NominalVolts"),
                                   QStringLiteral("WeightKg"),
                                   QStringLiteral("WidthMm"),
                                   QStringLiteral("DepthMm"),
                                   QStringLiteral("HeightMm")};
    const Result<SourceTable> readModels = ReadTable(AFolder, QStringLiteral("models.csv"), modelColumns);
    if (!readModels)
        return readModels.error();
    const SourceTable& models = *readModels;
    TableContent modelTable =
        Table(QStringLiteral("Models"),
              {QStringLiteral("Code"), QStringLiteral("Topology"), QStringLiteral("Block"), QStringLiteral("Cabinet"),
               QStringLiteral("Module")},
              modelColumns,
              {QStringLiteral("InputPhases"), QStringLiteral("OutputPhases"), QStringLiteral("BlocksPerString"),
               QStringLiteral("InternalStrings"), QStringLiteral("MaxCabinets"), QStringLiteral("Slots"),
               QStringLiteral("MaxParallel"), QStringLiteral("ChargerStrings")});
    QSet<QString> modelCodes;
    for (const CsvRecord& record : models.Records) {
        QStringList row;
        const Result<QString> readCode = Key(models, record, QStringLiteral("Code"), modelCodes);
        if (!readCode)
            return readCode.error();
        const QString code = *readCode;
        static const QRegularExpression form(QStringLiteral("^[A-Z0-9] [A-Z0-9]{3}$"));
        if (!form.match(code).hasMatch())
            return SourceFailure(
                models.File, record.Line,
                QStringLiteral("Code \"%1\" is not a product code without its suffix (\"B 6K0\")").arg(code));
        const Result<double> readVa = models.Number(record, QStringLiteral("VA"), 100, 10e6);
        if (!readVa)
            return readVa.error();
        const double va = *readVa;
        if (const Result<void> watts = models.Numbers(record, {QStringLiteral("W")}, 50, va); !watts)
            return watts.error();
        for (const QString& phases : {QStringLiteral("InputPhases"), QStringLiteral("OutputPhases")}) {
            const Result<int> readValue = models.Whole(record, phases, 1, 3);
            if (!readValue)
                return readValue.error();
            const int value = *readValue;
            if (value == 2)
                return SourceFailure(models.File, record.Line, QStringLiteral("%1 is 1 or 3").arg(phases));
        }
        if (const Result<void> efficiencies = models.Numbers(
                record,
                {QStringLiteral("Eff25"), QStringLiteral("Eff50"), QStringLiteral("Eff75"), QStringLiteral("Eff100")},
                0.5, 1);
            !efficiencies)
            return efficiencies.error();
        if (const Result<int> blocksPerString = models.Whole(record, QStringLiteral("BlocksPerString"), 1, 200);
            !blocksPerString)
            return blocksPerString.error();
        const QString block = models.Text(record, QStringLiteral("Block"));
        if (!blockCodes.contains(block))
            return SourceFailure(models.File, record.Line,
                                 QStringLiteral("block \"%1\" is not in blocks.csv").arg(block));
        const Result<int> readInternalStrings = models.Whole(record, QStringLiteral("InternalStrings"), 0, 64);
        if (!readInternalStrings)
            return readInternalStrings.error();
        const int internalStrings = *readInternalStrings;
        const Result<int> readMaxCabinets = models.Whole(record, QStringLiteral("MaxCabinets"), 0, 64);
        if (!readMaxCabinets)
            return readMaxCabinets.error();
        const int maxCabinets = *readMaxCabinets;
        const QString cabinet = models.Text(record, QStringLiteral("Cabinet"));
        if (!cabinet.isEmpty() && !cabinetCodes.contains(cabinet))
            return SourceFailure(models.File, record.Line,
                                 QStringLiteral("cabinet \"%1\" is not in cabinets.csv").arg(cabinet));
        if (maxCabinets > 0 && cabinet.isEmpty())
            return SourceFailure(models.File, record.Line, QStringLiteral("MaxCabinets without a Cabinet"));
        // Its cabinets extend the model's own battery bus.
        if (!cabinet.isEmpty() && cabinetContents.value(cabinet).first != block)
            return SourceFailure(models.File, record.Line,
                                 QStringLiteral("cabinet \"%1\" holds block \"%2\", not the model's \"%3\"")
                                     .arg(cabinet, cabinetContents.value(cabinet).first, block));
        if (const Result<void> battery =
                CheckModelBattery(models, record, endVoltages.value(block), block,
                                  internalStrings + maxCabinets * cabinetContents.value(cabinet).second);
            !battery)
            return battery.error();
        const Result<int> readSlotCount = models.Whole(record, QStringLiteral("Slots"), 0, 64);
        if (!readSlotCount)
            return readSlotCount.error();
        const int slotCount = *readSlotCount;
        if (slotCount > 0) {
            const Result<double> readModuleVa = models.Number(record, QStringLiteral("ModuleVA"), 100, va);
            if (!readModuleVa)
                return readModuleVa.error();
            const double moduleVa = *readModuleVa;
            if (const Result<void> moduleW = models.Numbers(record, {QStringLiteral("ModuleW")}, 50, moduleVa);
                !moduleW)
                return moduleW.error();
            if (models.Text(record, QStringLiteral("Module")).isEmpty())
                return SourceFailure(models.File, record.Line, QStringLiteral("a modular frame needs its Module code"));
        }
        if (const Result<int> parallel = models.Whole(record, QStringLiteral("MaxParallel"), 1, 16); !parallel)
            return parallel.error();
        if (const Result<void> efficiencies =
                models.Numbers(record,
                               {QStringLiteral("OnlineEff25"), QStringLiteral("OnlineEff50"),
                                QStringLiteral("OnlineEff75"), QStringLiteral("OnlineEff100")},
                               0.5, 1);
            !efficiencies)
            return efficiencies.error();
        if (const Result<void> volts = models.Numbers(record, {QStringLiteral("NominalVolts")}, 100, 300); !volts)
            return volts.error();
        if (const Result<void> sizes = CheckSizes(models, record); !sizes)
            return sizes.error();
        for (const QString& column : modelColumns)
            row.append(models.Text(record, column));
        modelTable.Rows.append(row);
    }
    Result<QList<TableContent>> terms = ReadTermsTables(AFolder, modelCodes);
    if (!terms)
        return terms.error();
    return QList<TableContent>{modelTable, blockTable, dischargeTable, cabinetTable} + *terms;
}

Result<QList<TableContent>> ReadDeviceTables(const QString& AFolder)
{
    const QStringList columns{QStringLiteral("Name"), QStringLiteral("Category"), QStringLiteral("Watts"),
                              QStringLiteral("PowerFactor")};
    const Result<SourceTable> readDevices = ReadTable(AFolder, QStringLiteral("devices.csv"), columns);
    if (!readDevices)
        return readDevices.error();
    const SourceTable& devices = *readDevices;
    TableContent table =
        Table(QStringLiteral("Devices"), {QStringLiteral("Name"), QStringLiteral("Category")}, columns);
    QSet<QString> names;
    for (const CsvRecord& record : devices.Records) {
        const Result<QString> readName = Key(devices, record, QStringLiteral("Name"), names);
        if (!readName)
            return readName.error();
        const QString name = *readName;
        const Result<double> readWatts = devices.Number(record, QStringLiteral("Watts"), 0.1, 1e6);
        if (!readWatts)
            return readWatts.error();
        const double watts = *readWatts;
        const Result<double> readPf = devices.Number(record, QStringLiteral("PowerFactor"), 0.1, 1);
        if (!readPf)
            return readPf.error();
        const double pf = *readPf;
        table.Rows.append(
            {name, devices.Text(record, QStringLiteral("Category")), QString::number(watts), QString::number(pf)});
    }
    return QList<TableContent>{table};
}

} // namespace vantor::tools
