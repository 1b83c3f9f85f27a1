#include "dev/core/Pricelist.h"

#include "dev/core/EngineDatabase.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace vantor::devengine {

Pricelist ReadPricelist(const QString& cataloguePath, const QString& password)
{
    Pricelist pricelist;
    pricelist.File = cataloguePath + QLatin1String(PricelistFileName);
    if (cataloguePath.isEmpty() || !QFileInfo(pricelist.File).isFile()) {
        pricelist.Problem = QStringLiteral("This catalogue has no pricelist.");
        return pricelist;
    }
    db::DbConnection connection;
    SetUpReadOnly(connection, QStringLiteral("Pricelist"), pricelist.File, password);
    const Result<QList<TableRow>> rows =
        Rows(connection, QStringLiteral("SELECT ProductCode, Description, Price FROM Items "
                                        "WHERE (Price > 0) ORDER BY ProductCode"));
    connection.Close();
    if (!rows) {
        pricelist.Problem = QStringLiteral("The pricelist cannot be read: %1").arg(rows.message());
        return pricelist;
    }
    for (const TableRow& row : *rows)
        pricelist.Items.append({row.value(QStringLiteral("ProductCode")), row.value(QStringLiteral("Description")),
                                row.value(QStringLiteral("Price")).toDouble()});
    pricelist.Readable = true;
    if (pricelist.Items.isEmpty())
        pricelist.Problem = QStringLiteral("The pricelist lists no priced products.");
    return pricelist;
}

QString ModelCode(const QString& productCode)
{
    static const QRegularExpression suffix(QStringLiteral(" [A-Z]{2}$"));
    QString code = productCode.trimmed();
    return code.remove(suffix);
}

ModelPrices PricesByModel(const Pricelist& pricelist)
{
    ModelPrices prices;
    for (const PriceItem& item : pricelist.Items) {
        const QString code = ModelCode(item.ProductCode);
        prices.Prices.insert(code, item.Price);
        prices.Descriptions.insert(code, item.Description);
        prices.ProductCodes.insert(code, item.ProductCode);
    }
    return prices;
}

} // namespace vantor::devengine
