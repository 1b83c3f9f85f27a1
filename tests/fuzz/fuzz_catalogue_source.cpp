// Arbitrary bytes as a catalogue source: the part before the first NUL byte
// as catalogue.ini, the rest as the items CSV (the whole input as both when
// there is no NUL). Parsing may fail only with a located fault; what it accepts
// must hold the promised shape, and CSV records written back with quotes
// must read back the same.
#include "catalogue/CatalogueSource.h"
#include "catalogue/CsvReader.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace vantor::tools;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

QByteArray Quoted(const QList<CsvRecord>& records)
{
    QByteArray out;
    for (const CsvRecord& record : records) {
        QStringList fields;
        for (QString field : record.Fields)
            fields << u'"' + field.replace(u'"', QStringLiteral("\"\"")) + u'"';
        out += fields.join(u',').toUtf8() + "\r\n";
    }
    return out;
}

void Csv(const QByteArray& bytes)
{
    const vantor::Result<QList<CsvRecord>> read = ReadCsv(bytes, QStringLiteral("items.csv"));
    if (!read) {
        check(read.error().code() >= 0 && read.message().startsWith(QStringLiteral("items.csv")));
        return;
    }
    const QList<CsvRecord>& records = *read;
    int line = 0;
    for (const CsvRecord& record : records) {
        check(record.Line > line);
        check(!record.Fields.isEmpty());
        line = record.Line;
    }
    const vantor::Result<QList<CsvRecord>> again = ReadCsv(Quoted(records), QStringLiteral("again.csv"));
    check(again.has_value() && again->size() == records.size());
    for (qsizetype i = 0; i < records.size(); ++i)
        check((*again)[i].Fields == records[i].Fields);
}

void Items(const QByteArray& bytes)
{
    const vantor::Result<QList<PricelistItem>> items = ParseItems(bytes, QStringLiteral("items.csv"));
    if (!items)
        return;
    for (const PricelistItem& item : *items) {
        check(IsProductCode(item.ProductCode));
        check(!item.Description.trimmed().isEmpty());
        check(std::isfinite(item.Price) && item.Price >= 0);
    }
}

void Settings(const QByteArray& bytes)
{
    const vantor::Result<CatalogueSource> source = ParseCatalogueSettings(bytes, QStringLiteral("catalogue.ini"));
    if (!source)
        return;
    check(!source->Code.isEmpty() && source->Version.size() == 8);
    check(!source->HasPricelist || (!source->PricelistKey.isEmpty() && !source->PricelistCode.isEmpty() &&
                                    !source->Validity.isEmpty() && !source->ItemsFile.isEmpty()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype split = bytes.indexOf('\0');
    const QByteArray settings = split < 0 ? bytes : bytes.left(split);
    const QByteArray items = split < 0 ? bytes : bytes.mid(split + 1);
    Settings(settings);
    Csv(items);
    Items(items);
    return 0;
}
