#include "dev/core/Pricelist.h"

#include "dev/core/EngineDatabase.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

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
                                        "WHERE (Price >= 0) ORDER BY ProductCode"));
    // The whole Info row, so that a file without a Validity field still reads.
    const Result<QList<TableRow>> info = rows ? Rows(connection, QStringLiteral("SELECT * FROM Info")) : rows;
    connection.Close();
    if (!rows) {
        pricelist.Problem = QStringLiteral("The pricelist cannot be read: %1").arg(rows.message());
        return pricelist;
    }
    if (info && !info->isEmpty())
        pricelist.Validity = info->first().value(QStringLiteral("Validity")).trimmed();
    for (const TableRow& row : *rows) {
        PriceItem item{row.value(QStringLiteral("ProductCode")), row.value(QStringLiteral("Description")),
                       row.value(QStringLiteral("Price")).toDouble()};
        item.OnRequest = item.Price <= 0;
        (item.OnRequest ? pricelist.OnRequest : pricelist.Items).append(item);
    }
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

namespace {

// Letters without case and accents: decomposed, the marks dropped, folded.
QString SearchForm(const QString& AText)
{
    const QString decomposed = AText.normalized(QString::NormalizationForm_KD);
    QString plain;
    plain.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing)
            plain.append(c);
    }
    return plain.toCaseFolded();
}

} // namespace

QList<PriceItem> SearchPricelist(const Pricelist& pricelist, const QString& text)
{
    const QString wanted = SearchForm(text.trimmed());
    QList<PriceItem> found;
    for (const QList<PriceItem>* items : {&pricelist.Items, &pricelist.OnRequest}) {
        for (const PriceItem& item : *items) {
            if (SearchForm(item.ProductCode).contains(wanted) || SearchForm(item.Description).contains(wanted))
                found.append(item);
        }
    }
    std::sort(found.begin(), found.end(),
              [](const PriceItem& A, const PriceItem& B) { return A.ProductCode < B.ProductCode; });
    return found;
}

} // namespace vantor::devengine
