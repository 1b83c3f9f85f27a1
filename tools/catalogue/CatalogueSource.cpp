#include "catalogue/CatalogueSource.h"

#include "catalogue/CsvReader.h"
#include "catalogue/SourceFailure.h"
#include "common/IniFile.h"
#include "common/TextHelpers.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>

#include <cmath>

namespace vantor::tools {

namespace {

const QString CatalogueSection = QStringLiteral("Catalogue");
const QString PricelistSection = QStringLiteral("Pricelist");

// Where each section and key of the settings file stands, found with the same
// line rules as IniDocument, which reads the values.
struct SettingsLayout {
    QHash<QString, int> sectionLines; // lower-case name -> line of its header
    QHash<QString, int> keyLines;     // "section/key" in lower case -> line
};

QString LayoutKey(const QString& section, const QString& key)
{
    return (section + u'/' + key).toLower();
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

QStringList KnownKeys(const QString& section)
{
    if (section.compare(CatalogueSection, Qt::CaseInsensitive) == 0)
        return {QStringLiteral("Code"), QStringLiteral("Version")};
    return {QStringLiteral("Key"), QStringLiteral("Code"), QStringLiteral("Validity"), QStringLiteral("Items")};
}

bool Contains(const QStringList& names, const QString& name)
{
    return names.contains(name, Qt::CaseInsensitive);
}

Result<SettingsLayout> ScanSettings(const QByteArray& bytes, const QString& file)
{
    SettingsLayout layout;
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.first().startsWith("\xEF\xBB\xBF"))
        lines.first().remove(0, 3);
    QString section;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i + 1);
        QByteArray text = lines[i];
        if (text.endsWith('\r'))
            text.chop(1);
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = decoder.decode(text); // decodes only when converted
        if (decoder.hasError())
            return SourceFailure(file, number, QStringLiteral("the text is not UTF-8; save the file as UTF-8"));
        qsizetype pos = 0;
        while (pos < text.size() && IsBlank(text[pos]))
            ++pos;
        if (pos == text.size() || text[pos] == ';' || text[pos] == '#')
            continue;
        if (text[pos] == '[') {
            const qsizetype close = text.indexOf(']', pos + 1);
            if (close < 0)
                return SourceFailure(file, number, QStringLiteral("a section header needs its closing \"]\""));
            section = QString::fromUtf8(text.mid(pos + 1, close - pos - 1)).trimmed();
            if (section.compare(CatalogueSection, Qt::CaseInsensitive) != 0 &&
                section.compare(PricelistSection, Qt::CaseInsensitive) != 0)
                return SourceFailure(
                    file, number,
                    QStringLiteral("unknown section [%1]; known are [Catalogue] and [Pricelist]").arg(section));
            if (layout.sectionLines.contains(section.toLower()))
                return SourceFailure(file, number, QStringLiteral("section [%1] appears a second time").arg(section));
            layout.sectionLines.insert(section.toLower(), number);
            continue;
        }
        const qsizetype equals = text.indexOf('=', pos);
        const QString key = equals < 0 ? QString() : QString::fromUtf8(text.mid(pos, equals - pos)).trimmed();
        if (key.isEmpty())
            return SourceFailure(file, number, QStringLiteral("neither a [section] header nor a key=value line"));
        if (section.isEmpty())
            return SourceFailure(file, number, QStringLiteral("key \"%1\" stands before any section").arg(key));
        if (!Contains(KnownKeys(section), key))
            return SourceFailure(file, number,
                                 QStringLiteral("unknown key \"%1\" in [%2]; known are %3")
                                     .arg(key, section, KnownKeys(section).join(QStringLiteral(", "))));
        if (layout.keyLines.contains(LayoutKey(section, key)))
            return SourceFailure(file, number,
                                 QStringLiteral("key \"%1\" appears a second time in [%2]").arg(key, section));
        layout.keyLines.insert(LayoutKey(section, key), number);
    }
    return layout;
}

// A present key must have a value; a missing one is reported at its section.
Result<QString> Required(const IniDocument& ini, const SettingsLayout& layout, const QString& file,
                         const QString& section, const QString& key)
{
    const QString value = ini.readString(section, key);
    if (value.isEmpty()) {
        const int line = layout.keyLines.value(LayoutKey(section, key), layout.sectionLines.value(section.toLower()));
        return SourceFailure(file, line, QStringLiteral("[%1] needs a value for %2").arg(section, key));
    }
    return value;
}

Result<QString> Optional(const IniDocument& ini, const SettingsLayout& layout, const QString& file,
                         const QString& section, const QString& key, const QString& defaultValue)
{
    if (!layout.keyLines.contains(LayoutKey(section, key)))
        return defaultValue;
    return Required(ini, layout, file, section, key);
}

bool IsDate(const QString& text)
{
    static const QRegularExpression eightDigits(QStringLiteral("^[0-9]{8}$"));
    return eightDigits.match(text).hasMatch() && IsValidCompactDate(text);
}

// Plain decimal numbers only: no signs, exponents or thousands separators,
// which spreadsheets in different languages would write differently.
bool IsPlainDecimal(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^[0-9]+(\\.[0-9]+)?$"));
    return number.match(text).hasMatch();
}

Result<double> ParsePrice(const QString& field, const QString& file, int line)
{
    const QString text = field.trimmed();
    if (text.isEmpty())
        return SourceFailure(file, line, QStringLiteral("the price is empty; write 0 for an item without a price"));
    if (text.startsWith(u'-') && IsPlainDecimal(text.mid(1)))
        return SourceFailure(file, line, QStringLiteral("the price %1 is negative").arg(text));
    if (!IsPlainDecimal(text))
        return SourceFailure(file, line,
                             QStringLiteral("the price \"%1\" is no number; write it like 1234.50").arg(text));
    const double price = text.toDouble();
    if (!std::isfinite(price))
        return SourceFailure(file, line, QStringLiteral("the price %1 is too large").arg(text));
    return price;
}

Result<QByteArray> ReadFile(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile())
        return SourceFailure(path, 0, QStringLiteral("the file does not exist"));
    if (!file.open(QIODevice::ReadOnly))
        return SourceFailure(path, 0, QStringLiteral("cannot be read: %1").arg(file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return SourceFailure(path, 0, QStringLiteral("cannot be read: %1").arg(file.errorString()));
    return bytes;
}

} // namespace

bool IsProductCode(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^[A-Z0-9] [A-Z0-9]{3} [A-Z0-9]{2}$"));
    return form.match(text).hasMatch();
}

Result<CatalogueSource> ParseCatalogueSettings(const QByteArray& bytes, const QString& file)
{
    const Result<SettingsLayout> scanned = ScanSettings(bytes, file);
    if (!scanned)
        return scanned.error();
    const SettingsLayout& layout = *scanned;
    IniDocument ini;
    ini.loadBytes(bytes);

    if (!layout.sectionLines.contains(CatalogueSection.toLower()))
        return SourceFailure(file, 0, QStringLiteral("the section [Catalogue] is missing"));
    CatalogueSource source;
    const Result<QString> code = Required(ini, layout, file, CatalogueSection, QStringLiteral("Code"));
    if (!code)
        return code.error();
    source.Code = *code;
    if (GetCatalogueName(source.Code).isEmpty())
        return SourceFailure(file, layout.keyLines.value(LayoutKey(CatalogueSection, QStringLiteral("Code"))),
                             QStringLiteral("\"%1\" is no known catalogue code").arg(source.Code));
    const Result<QString> version = Required(ini, layout, file, CatalogueSection, QStringLiteral("Version"));
    if (!version)
        return version.error();
    source.Version = *version;
    if (!IsDate(source.Version))
        return SourceFailure(file, layout.keyLines.value(LayoutKey(CatalogueSection, QStringLiteral("Version"))),
                             QStringLiteral("the version \"%1\" is no date written YYYYMMDD").arg(source.Version));

    source.HasPricelist = layout.sectionLines.contains(PricelistSection.toLower());
    if (!source.HasPricelist)
        return source;
    const Result<QString> key =
        Optional(ini, layout, file, PricelistSection, QStringLiteral("Key"), QString::fromLatin1(PricelistKey));
    if (!key)
        return key.error();
    source.PricelistKey = *key;
    const Result<QString> pricelistCode =
        Optional(ini, layout, file, PricelistSection, QStringLiteral("Code"), source.Code);
    if (!pricelistCode)
        return pricelistCode.error();
    source.PricelistCode = *pricelistCode;
    // Not necessarily a date: a pricelist whose validity is no date still
    // installs, with version "-1".
    const Result<QString> validity = Required(ini, layout, file, PricelistSection, QStringLiteral("Validity"));
    if (!validity)
        return validity.error();
    source.Validity = *validity;
    const Result<QString> itemsFile = Optional(ini, layout, file, PricelistSection, QStringLiteral("Items"),
                                               QString::fromLatin1(DefaultItemsFileName));
    if (!itemsFile)
        return itemsFile.error();
    source.ItemsFile = *itemsFile;
    return source;
}

Result<QList<PricelistItem>> ParseItems(const QByteArray& bytes, const QString& file)
{
    const Result<QList<CsvRecord>> read = ReadCsv(bytes, file);
    if (!read)
        return read.error();
    const QList<CsvRecord>& records = *read;
    if (records.isEmpty())
        return SourceFailure(file, 0,
                             QStringLiteral("the file is empty; its first line must be "
                                            "ProductCode,Description,Price"));

    const QStringList columns = {QStringLiteral("ProductCode"), QStringLiteral("Description"), QStringLiteral("Price")};
    const CsvRecord& header = records.first();
    QList<int> index(columns.size(), -1);
    for (int i = 0; i < header.Fields.size(); ++i) {
        const QString name = header.Fields[i].trimmed();
        const int column = static_cast<int>(columns.indexOf(name));
        if (column < 0)
            return SourceFailure(file, header.Line,
                                 QStringLiteral("unknown column \"%1\"; the columns are %2")
                                     .arg(name, columns.join(QStringLiteral(", "))));
        if (index[column] >= 0)
            return SourceFailure(file, header.Line, QStringLiteral("the column %1 appears twice").arg(name));
        index[column] = i;
    }
    for (int column = 0; column < columns.size(); ++column) {
        if (index[column] < 0)
            return SourceFailure(file, header.Line, QStringLiteral("the column %1 is missing").arg(columns[column]));
    }

    QList<PricelistItem> items;
    QHash<QString, int> firstLine;
    for (qsizetype r = 1; r < records.size(); ++r) {
        const CsvRecord& record = records[r];
        if (record.Fields.size() != header.Fields.size())
            return SourceFailure(file, record.Line,
                                 QStringLiteral("%1 fields where the header has %2 (a description with a comma "
                                                "belongs in quotes)")
                                     .arg(record.Fields.size())
                                     .arg(header.Fields.size()));
        PricelistItem item;
        item.ProductCode = record.Fields[index[0]];
        item.Description = record.Fields[index[1]];
        if (item.ProductCode.isEmpty())
            return SourceFailure(file, record.Line, QStringLiteral("the product code is empty"));
        if (!IsProductCode(item.ProductCode))
            return SourceFailure(file, record.Line,
                                 QStringLiteral("the product code \"%1\" is malformed; it is written like \"A 1K0 IT\"")
                                     .arg(item.ProductCode));
        if (firstLine.contains(item.ProductCode))
            return SourceFailure(file, record.Line,
                                 QStringLiteral("the product code \"%1\" was already given on line %2")
                                     .arg(item.ProductCode)
                                     .arg(firstLine.value(item.ProductCode)));
        firstLine.insert(item.ProductCode, record.Line);
        if (item.Description.trimmed().isEmpty())
            return SourceFailure(file, record.Line, QStringLiteral("the description is empty"));
        const Result<double> price = ParsePrice(record.Fields[index[2]], file, record.Line);
        if (!price)
            return price.error();
        item.Price = *price;
        items.append(item);
    }
    return items;
}

Result<CatalogueSource> ReadCatalogueSource(const QString& folder)
{
    if (!QFileInfo(folder).isDir())
        return SourceFailure(folder, 0, QStringLiteral("the source folder does not exist"));
    const QDir dir(folder);
    const QString settingsFile = QDir::cleanPath(dir.filePath(QString::fromLatin1(SourceSettingsFileName)));
    const Result<QByteArray> settings = ReadFile(settingsFile);
    if (!settings)
        return settings.error();
    Result<CatalogueSource> source = ParseCatalogueSettings(*settings, settingsFile);
    if (!source || !source->HasPricelist)
        return source;
    const QString itemsFile = QDir::cleanPath(dir.filePath(source->ItemsFile));
    const Result<QByteArray> bytes = ReadFile(itemsFile);
    if (!bytes)
        return bytes.error();
    Result<QList<PricelistItem>> items = ParseItems(*bytes, itemsFile);
    if (!items)
        return items.error();
    source->Items = std::move(*items);
    return source;
}

} // namespace vantor::tools
