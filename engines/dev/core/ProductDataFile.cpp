#include "dev/core/ProductDataFile.h"

#include "dev/core/EngineDatabase.h"
#include "support/Error.h"

#include <QHash>

#include <cmath>

namespace vantor::devengine {

bool LoadProductData(const QString& AFile, const QString& APassword, ProductData& AData, QString& AProblem)
{
    AData = {};
    try {
        db::DbConnection connection;
        SetUpReadOnly(connection, QStringLiteral("Data.vt4"), AFile, APassword);

        for (const auto& row : Rows(connection, QStringLiteral("SELECT * FROM Blocks"))) {
            BatteryBlock block;
            block.Code = row.value(QStringLiteral("Code"));
            block.NominalVolts = row.value(QStringLiteral("Volts")).toDouble();
            block.Cells = row.value(QStringLiteral("Cells")).toInt();
            block.AmpereHours = row.value(QStringLiteral("AmpereHours")).toDouble();
            AData.Blocks.append(block);
        }
        const QList<QHash<QString, QString>> points =
            Rows(connection, QStringLiteral("SELECT * FROM Discharge ORDER BY Block, EndVoltage, Minutes"));
        for (const auto& row : points) {
            for (BatteryBlock& block : AData.Blocks) {
                if (block.Code != row.value(QStringLiteral("Block")))
                    continue;
                const double end = row.value(QStringLiteral("EndVoltage")).toDouble();
                if (block.Curves.isEmpty() || std::abs(block.Curves.last().EndVoltage - end) > 0.001)
                    block.Curves.append(DischargeCurve{end, {}});
                block.Curves.last().Points.append({row.value(QStringLiteral("Minutes")).toDouble(),
                                                   row.value(QStringLiteral("WattsPerCell")).toDouble()});
            }
        }
        for (const auto& row : Rows(connection, QStringLiteral("SELECT * FROM Cabinets")))
            AData.Cabinets.append({row.value(QStringLiteral("Code")), row.value(QStringLiteral("Block")),
                                   row.value(QStringLiteral("Strings")).toInt()});
        for (const auto& row : Rows(connection, QStringLiteral("SELECT * FROM Models"))) {
            UpsModel model;
            const auto number = [&row](const char* AColumn) { return row.value(QLatin1String(AColumn)).toDouble(); };
            const auto whole = [&row](const char* AColumn) { return row.value(QLatin1String(AColumn)).toInt(); };
            model.Code = row.value(QStringLiteral("Code"));
            model.RatedVA = number("VA");
            model.RatedW = number("W");
            model.InputPhases = whole("InputPhases");
            model.OutputPhases = whole("OutputPhases");
            model.Efficiency = {number("Eff25"), number("Eff50"), number("Eff75"), number("Eff100")};
            model.BlocksPerString = whole("BlocksPerString");
            model.BlockType = row.value(QStringLiteral("Block"));
            model.InternalStrings = whole("InternalStrings");
            model.MaxCabinets = whole("MaxCabinets");
            model.CabinetCode = row.value(QStringLiteral("Cabinet"));
            model.Slots = whole("Slots");
            model.Modular = model.Slots > 0;
            model.ModuleVA = number("ModuleVA");
            model.ModuleW = number("ModuleW");
            model.ModuleCode = row.value(QStringLiteral("Module"));
            AData.Models.append(model);
        }
    } catch (const Error& error) {
        AProblem = error.message();
        AData = {};
        return false;
    }
    if (AData.Models.isEmpty() || AData.Blocks.isEmpty()) {
        AProblem = QStringLiteral("%1 holds no UPS models or no battery blocks").arg(AFile);
        return false;
    }
    return true;
}

} // namespace vantor::devengine
