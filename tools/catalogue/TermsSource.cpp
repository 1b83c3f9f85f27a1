#include "catalogue/TermsSource.h"

#include "catalogue/SourceFailure.h"
#include "catalogue/SourceTable.h"

#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>

namespace vantor::tools {

namespace {

const QString AccessoriesFile = QStringLiteral("accessories.csv");
const QString CataloguesFile = QStringLiteral("catalogues.csv");

// The model patterns of one line, separated by ";": codes with "*" for any
// characters and "?" for one. Each must match a model, so that a mistyped
// pattern does not silently propose nothing.
Result<QStringList> ModelPatterns(const SourceTable& ATable, const CsvRecord& ARecord, const QSet<QString>& AModelCodes)
{
    static const QRegularExpression form(QStringLiteral("^[A-Z0-9 *?]+$"));
    const QString text = ATable.Text(ARecord, QStringLiteral("Models"));
    QStringList patterns;
    for (const QString& part : text.split(QLatin1Char(';'))) {
        const QString pattern = part.trimmed();
        if (!form.match(pattern).hasMatch())
            return SourceFailure(
                ATable.File, ARecord.Line,
                QStringLiteral("Models pattern \"%1\" is no model code with * or ? (\"B *;T 040\")").arg(pattern));
        const QRegularExpression match(QRegularExpression::wildcardToRegularExpression(pattern));
        if (std::none_of(AModelCodes.begin(), AModelCodes.end(),
                         [&](const QString& ACode) { return match.match(ACode).hasMatch(); }))
            return SourceFailure(ATable.File, ARecord.Line,
                                 QStringLiteral("Models pattern \"%1\" matches no model of models.csv").arg(pattern));
        patterns.append(pattern);
    }
    return patterns;
}

// A bound of the power range: empty for open.
Result<QString> Bound(const SourceTable& ATable, const CsvRecord& ARecord, const QString& AColumn)
{
    if (ATable.Text(ARecord, AColumn).isEmpty())
        return QString();
    const Result<double> value = ATable.Number(ARecord, AColumn, 0, 100000);
    if (!value)
        return value.error();
    return QString::number(*value);
}

Result<TableContent> ReadAccessories(const QString& AFolder, const QSet<QString>& AModelCodes)
{
    const QStringList columns{QStringLiteral("Item"),   QStringLiteral("Kind"),   QStringLiteral("Models"),
                              QStringLiteral("Phases"), QStringLiteral("MinKVA"), QStringLiteral("MaxKVA")};
    const Result<SourceTable> read = ReadTable(AFolder, AccessoriesFile, columns);
    if (!read)
        return read.error();
    const SourceTable& accessories = *read;
    TableContent table =
        Table(QStringLiteral("Accessories"), {QStringLiteral("Item"), QStringLiteral("Kind"), QStringLiteral("Models")},
              columns, {QStringLiteral("Phases")});
    static const QRegularExpression codeForm(QStringLiteral("^[A-Z0-9] [A-Z0-9]{3}$"));
    static const QStringList kinds{QStringLiteral("communication"), QStringLiteral("mounting"),
                                   QStringLiteral("service"), QStringLiteral("warranty")};
    QHash<QString, QString> kindOfItem; // an item may suit several model groups, always as one kind
    for (const CsvRecord& record : accessories.Records) {
        const QString item = accessories.Text(record, QStringLiteral("Item"));
        if (!codeForm.match(item).hasMatch())
            return SourceFailure(
                accessories.File, record.Line,
                QStringLiteral("Item \"%1\" is not a product code without its suffix (\"N SNM\")").arg(item));
        const QString kind = accessories.Text(record, QStringLiteral("Kind"));
        if (!kinds.contains(kind))
            return SourceFailure(
                accessories.File, record.Line,
                QStringLiteral("Kind \"%1\" is not one of %2").arg(kind, kinds.join(QStringLiteral(", "))));
        if (kindOfItem.contains(item) && kindOfItem.value(item) != kind)
            return SourceFailure(
                accessories.File, record.Line,
                QStringLiteral("Item \"%1\" is %2 on an earlier line").arg(item, kindOfItem.value(item)));
        kindOfItem.insert(item, kind);
        const Result<QStringList> patterns = ModelPatterns(accessories, record, AModelCodes);
        if (!patterns)
            return patterns.error();
        const QString phases = accessories.Text(record, QStringLiteral("Phases"));
        if (!phases.isEmpty() && phases != QLatin1String("1") && phases != QLatin1String("3"))
            return SourceFailure(accessories.File, record.Line,
                                 QStringLiteral("Phases \"%1\" is 1, 3 or empty for any").arg(phases));
        const Result<QString> low = Bound(accessories, record, QStringLiteral("MinKVA"));
        if (!low)
            return low.error();
        const Result<QString> high = Bound(accessories, record, QStringLiteral("MaxKVA"));
        if (!high)
            return high.error();
        if (!low->isEmpty() && !high->isEmpty() && low->toDouble() > high->toDouble())
            return SourceFailure(accessories.File, record.Line,
                                 QStringLiteral("MinKVA %1 is above MaxKVA %2").arg(*low, *high));
        table.Rows.append({item, kind, patterns->join(QLatin1Char(';')),
                           phases.isEmpty() ? QStringLiteral("0") : phases, *low, *high});
    }
    return table;
}

Result<TableContent> ReadCatalogues(const QString& AFolder)
{
    const QStringList columns{QStringLiteral("Catalogue"), QStringLiteral("Country"), QStringLiteral("VatPercent")};
    const Result<SourceTable> read = ReadTable(AFolder, CataloguesFile, columns);
    if (!read)
        return read.error();
    const SourceTable& catalogues = *read;
    TableContent table =
        Table(QStringLiteral("Catalogues"), {QStringLiteral("Catalogue"), QStringLiteral("Country")}, columns);
    static const QRegularExpression codeForm(QStringLiteral("^[0-9]{3}$"));
    static const QRegularExpression countryForm(QStringLiteral("^[A-Z]{2}$"));
    QSet<QString> codes;
    for (const CsvRecord& record : catalogues.Records) {
        const Result<QString> code = Key(catalogues, record, QStringLiteral("Catalogue"), codes);
        if (!code)
            return code.error();
        if (!codeForm.match(*code).hasMatch())
            return SourceFailure(catalogues.File, record.Line,
                                 QStringLiteral("Catalogue \"%1\" is no three-digit catalogue code").arg(*code));
        // The currency comes from the country, so it must be one Qt's locale
        // data knows; empty for a catalogue of several countries.
        const QString country = catalogues.Text(record, QStringLiteral("Country"));
        if (!country.isEmpty() &&
            (!countryForm.match(country).hasMatch() || QLocale::codeToTerritory(country) == QLocale::AnyTerritory))
            return SourceFailure(catalogues.File, record.Line,
                                 QStringLiteral("Country \"%1\" is no ISO 3166 two-letter country code").arg(country));
        const Result<double> vat = catalogues.Number(record, QStringLiteral("VatPercent"), 0, 100);
        if (!vat)
            return vat.error();
        table.Rows.append({*code, country, QString::number(*vat)});
    }
    return table;
}

} // namespace

Result<QList<TableContent>> ReadTermsTables(const QString& AFolder, const QSet<QString>& AModelCodes)
{
    QList<TableContent> tables;
    if (QFileInfo::exists(AFolder + QLatin1Char('/') + AccessoriesFile)) {
        Result<TableContent> accessories = ReadAccessories(AFolder, AModelCodes);
        if (!accessories)
            return accessories.error();
        tables.append(std::move(*accessories));
    }
    if (QFileInfo::exists(AFolder + QLatin1Char('/') + CataloguesFile)) {
        Result<TableContent> catalogues = ReadCatalogues(AFolder);
        if (!catalogues)
            return catalogues.error();
        tables.append(std::move(*catalogues));
    }
    return tables;
}

} // namespace vantor::tools
