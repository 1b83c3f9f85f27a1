// Reads a project file's JSON. Every field is checked for its type and a
// plausible range, so that a damaged or hand-edited file is refused with the
// name of the first wrong field rather than sized with nonsense.
#include "dev/core/ProjectFormat.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>

#include <cmath>

namespace vantor::devengine {

namespace {

enum class Fault { Missing, WrongType, OutOfRange };

// Reads fields and keeps the first fault with the path of its field
// ("systems[2].inputs.load"); after a fault every read gives a default.
class FieldReader {
public:
    bool Failed() const { return fault_.has_value(); }

    QString Message(const EngineTexts& ATexts) const
    {
        switch (*fault_) {
        case Fault::Missing:
            return ATexts(TextId::ProjectFieldMissing).arg(path_);
        case Fault::WrongType:
            return ATexts(TextId::ProjectFieldType).arg(path_);
        case Fault::OutOfRange:
            break;
        }
        return ATexts(TextId::ProjectFieldRange).arg(path_);
    }

    void Fail(Fault AFault, const QString& APath)
    {
        if (!fault_) {
            fault_ = AFault;
            path_ = APath;
        }
    }

    // The field, or undefined (and a fault) when it is absent.
    QJsonValue Field(const QJsonObject& AObject, const QString& APath, const char* AKey)
    {
        QJsonValue value = AObject.value(QLatin1String(AKey));
        if (value.isUndefined())
            Fail(Fault::Missing, Join(APath, AKey));
        return value;
    }

    QJsonObject Object(const QJsonObject& AObject, const QString& APath, const char* AKey)
    {
        const QJsonValue value = Field(AObject, APath, AKey);
        if (!value.isUndefined() && !value.isObject())
            Fail(Fault::WrongType, Join(APath, AKey));
        return value.toObject();
    }

    QJsonArray Array(const QJsonObject& AObject, const QString& APath, const char* AKey, int AMaxSize)
    {
        const QJsonValue value = Field(AObject, APath, AKey);
        if (!value.isUndefined() && !value.isArray())
            Fail(Fault::WrongType, Join(APath, AKey));
        QJsonArray array = value.toArray();
        if (array.size() > AMaxSize)
            Fail(Fault::OutOfRange, Join(APath, AKey));
        return array;
    }

    QString Text(const QJsonObject& AObject, const QString& APath, const char* AKey)
    {
        const QJsonValue value = Field(AObject, APath, AKey);
        if (!value.isUndefined() && !value.isString())
            Fail(Fault::WrongType, Join(APath, AKey));
        QString text = value.toString();
        if (text.size() > ProjectLimit::MaxTextLength)
            Fail(Fault::OutOfRange, Join(APath, AKey));
        return text;
    }

    bool Flag(const QJsonObject& AObject, const QString& APath, const char* AKey)
    {
        const QJsonValue value = Field(AObject, APath, AKey);
        if (!value.isUndefined() && !value.isBool())
            Fail(Fault::WrongType, Join(APath, AKey));
        return value.toBool();
    }

    double Number(const QJsonObject& AObject, const QString& APath, const char* AKey, double AMin, double AMax)
    {
        return Checked(Field(AObject, APath, AKey), Join(APath, AKey), AMin, AMax);
    }

    int Whole(const QJsonObject& AObject, const QString& APath, const char* AKey, int AMin, int AMax)
    {
        const QString path = Join(APath, AKey);
        const double value = Checked(Field(AObject, APath, AKey), path, AMin, AMax);
        if (value != std::floor(value))
            Fail(Fault::OutOfRange, path);
        return Failed() ? AMin : static_cast<int>(value);
    }

    // A number that may be null or absent.
    std::optional<double> OptionalNumber(const QJsonObject& AObject, const QString& APath, const char* AKey,
                                         double AMin, double AMax)
    {
        const QJsonValue value = AObject.value(QLatin1String(AKey));
        if (value.isUndefined() || value.isNull())
            return std::nullopt;
        return Checked(value, Join(APath, AKey), AMin, AMax);
    }

    std::optional<int> OptionalWhole(const QJsonObject& AObject, const QString& APath, const char* AKey, int AMin,
                                     int AMax)
    {
        const QJsonValue value = AObject.value(QLatin1String(AKey));
        if (value.isUndefined() || value.isNull())
            return std::nullopt;
        return Whole(AObject, APath, AKey, AMin, AMax);
    }

    static QString Join(const QString& APath, const char* AKey)
    {
        return APath.isEmpty() ? QString::fromLatin1(AKey) : APath + QLatin1Char('.') + QLatin1String(AKey);
    }

private:
    double Checked(const QJsonValue& AValue, const QString& APath, double AMin, double AMax)
    {
        if (AValue.isUndefined())
            return AMin;
        if (!AValue.isDouble()) {
            Fail(Fault::WrongType, APath);
            return AMin;
        }
        const double value = AValue.toDouble();
        if (!std::isfinite(value) || value < AMin || value > AMax) {
            Fail(Fault::OutOfRange, APath);
            return AMin;
        }
        return value;
    }

    std::optional<Fault> fault_;
    QString path_;
};

QString Indexed(const QString& APath, const char* AKey, qsizetype AIndex)
{
    return FieldReader::Join(APath, AKey) + QStringLiteral("[%1]").arg(AIndex);
}

SelectorInputs ReadInputs(FieldReader& AReader, const QJsonObject& AObject, const QString& APath)
{
    SelectorInputs inputs;
    inputs.Load = AReader.Number(AObject, APath, "load", 0, InputLimit::MaxLoad);
    inputs.LoadInVA = AReader.Flag(AObject, APath, "loadInVA");
    inputs.PowerFactor = AReader.Number(AObject, APath, "powerFactor", InputLimit::MinPowerFactor, 1);
    inputs.GrowthPercent = AReader.Number(AObject, APath, "growthPercent", 0, InputLimit::MaxGrowthPercent);
    inputs.MaxLoadingPercent = AReader.Number(AObject, APath, "maxLoadingPercent", InputLimit::MinLoadingPercent, 100);
    inputs.AutonomyMinutes =
        AReader.Number(AObject, APath, "autonomyMinutes", InputLimit::MinAutonomy, InputLimit::MaxAutonomy);
    inputs.Redundancy = AReader.Whole(AObject, APath, "redundancy", 0, InputLimit::MaxRedundancy);
    inputs.OutputPhases = AReader.Whole(AObject, APath, "outputPhases", 0, 3);
    if (inputs.OutputPhases == 2)
        AReader.Fail(Fault::OutOfRange, FieldReader::Join(APath, "outputPhases"));
    // 0: the UPS's own end voltage.
    inputs.Battery.EndVoltage = AReader.Number(AObject, APath, "endVoltage", 0, 2.5);
    inputs.Battery.TemperatureC =
        AReader.Number(AObject, APath, "temperatureC", InputLimit::MinTemperature, InputLimit::MaxTemperature);
    inputs.Battery.Ageing = AReader.Number(AObject, APath, "ageing", InputLimit::MinAgeingPercent / 100, 1);
    return inputs;
}

std::optional<ProjectSolution> ReadSolution(FieldReader& AReader, const QJsonObject& AObject, const QString& APath)
{
    const QJsonValue value = AReader.Field(AObject, APath, "solution");
    if (value.isNull() || value.isUndefined())
        return std::nullopt;
    const QString path = FieldReader::Join(APath, "solution");
    if (!value.isObject()) {
        AReader.Fail(Fault::WrongType, path);
        return std::nullopt;
    }
    const QJsonObject object = value.toObject();
    ProjectSolution s;
    s.Model = AReader.Text(object, path, "model");
    if (s.Model.isEmpty())
        AReader.Fail(Fault::Missing, FieldReader::Join(path, "model"));
    s.Units = AReader.Whole(object, path, "units", 1, ProjectLimit::MaxUnits);
    s.Modules = AReader.OptionalWhole(object, path, "modules", 0, ProjectLimit::MaxModules);
    s.Redundant = AReader.Whole(object, path, "redundant", 0, ProjectLimit::MaxModules);
    s.Cabinet = AReader.Text(object, path, "cabinet");
    s.Cabinets = AReader.Whole(object, path, "cabinets", 0, CabinetCeiling);
    s.SystemVA = AReader.Number(object, path, "systemVA", 0, 1e9);
    s.LoadingPercent = AReader.Number(object, path, "loadingPercent", 0, 1000);
    s.RuntimeMinutes = AReader.OptionalNumber(object, path, "runtimeMinutes", 0, 1e6);
    s.Price = AReader.OptionalNumber(object, path, "price", 0, ProjectLimit::MaxPrice);
    s.UnitPrice = AReader.OptionalNumber(object, path, "unitPrice", 0, ProjectLimit::MaxPrice);
    s.ModulePrice = AReader.OptionalNumber(object, path, "modulePrice", 0, ProjectLimit::MaxPrice);
    s.CabinetPrice = AReader.OptionalNumber(object, path, "cabinetPrice", 0, ProjectLimit::MaxPrice);
    s.DiscountPercent = AReader.Number(object, path, "discountPercent", 0, 100);
    return s;
}

QList<ProjectLine> ReadLines(FieldReader& AReader, const QJsonObject& AObject, const QString& APath)
{
    QList<ProjectLine> lines;
    const QJsonArray array = AReader.Array(AObject, APath, "lines", ProjectLimit::MaxLines);
    for (qsizetype i = 0; i < array.size() && !AReader.Failed(); ++i) {
        const QString path = Indexed(APath, "lines", i);
        if (!array.at(i).isObject()) {
            AReader.Fail(Fault::WrongType, path);
            break;
        }
        const QJsonObject object = array.at(i).toObject();
        ProjectLine line;
        const QString kind = AReader.Text(object, path, "kind");
        if (kind == QLatin1String("item"))
            line.FromPricelist = true;
        else if (kind == QLatin1String("text"))
            line.FromPricelist = false;
        else
            AReader.Fail(Fault::OutOfRange, FieldReader::Join(path, "kind"));
        line.Code = AReader.Text(object, path, "code");
        if (line.FromPricelist && line.Code.isEmpty())
            AReader.Fail(Fault::Missing, FieldReader::Join(path, "code"));
        line.Description = AReader.Text(object, path, "description");
        line.Quantity = AReader.Whole(object, path, "quantity", 1, ProjectLimit::MaxQuantity);
        line.UnitPrice = AReader.OptionalNumber(object, path, "unitPrice", 0, ProjectLimit::MaxPrice);
        // A free-text line has nothing else to take its price from.
        if (!line.FromPricelist && !line.UnitPrice)
            AReader.Fail(Fault::Missing, FieldReader::Join(path, "unitPrice"));
        line.DiscountPercent = AReader.Number(object, path, "discountPercent", 0, 100);
        lines.append(line);
    }
    return lines;
}

std::optional<SelectorKind> KindNamed(const QString& AName)
{
    for (const SelectorKind kind :
         {SelectorKind::Advanced, SelectorKind::Base, SelectorKind::Modular, SelectorKind::Runtime})
        if (SelectorKindName(kind) == AName)
            return kind;
    return std::nullopt;
}

ProjectSystem ReadSystem(FieldReader& AReader, const QJsonObject& AObject, const QString& APath)
{
    ProjectSystem system;
    system.Name = AReader.Text(AObject, APath, "name");
    const auto kind = KindNamed(AReader.Text(AObject, APath, "selector"));
    if (kind)
        system.Kind = *kind;
    else
        AReader.Fail(Fault::OutOfRange, FieldReader::Join(APath, "selector"));
    system.Inputs = ReadInputs(AReader, AReader.Object(AObject, APath, "inputs"), FieldReader::Join(APath, "inputs"));
    const QString runtimePath = FieldReader::Join(APath, "runtime");
    const QJsonObject runtime = AReader.Object(AObject, APath, "runtime");
    system.RuntimeModel = AReader.Text(runtime, runtimePath, "model");
    system.RuntimeCabinets = AReader.Whole(runtime, runtimePath, "cabinets", 0, CabinetCeiling);
    system.Solution = ReadSolution(AReader, AObject, APath);
    system.Lines = ReadLines(AReader, AObject, APath);
    return system;
}

ProjectTerms ReadTerms(FieldReader& AReader, const QJsonObject& AObject)
{
    const QString path = QStringLiteral("terms");
    ProjectTerms terms;
    terms.VatPercent = AReader.OptionalNumber(AObject, path, "vatPercent", 0, 100);
    terms.QuoteNumber = AReader.Text(AObject, path, "quoteNumber");
    terms.ValidityDays = AReader.Whole(AObject, path, "validityDays", 1, ProjectLimit::MaxValidityDays);
    const QJsonValue until = AObject.value(QLatin1String("validUntil"));
    if (!until.isUndefined() && !until.isNull()) {
        const QDate date = QDate::fromString(until.toString(), Qt::ISODate);
        // Only the form written reads back to the same bytes.
        if (!until.isString())
            AReader.Fail(Fault::WrongType, FieldReader::Join(path, "validUntil"));
        else if (!date.isValid() || date.toString(Qt::ISODate) != until.toString())
            AReader.Fail(Fault::OutOfRange, FieldReader::Join(path, "validUntil"));
        else
            terms.ValidUntil = date;
    }
    terms.Currency = AReader.Text(AObject, path, "currency");
    return terms;
}

} // namespace

namespace {

// AFieldsOnly: a wrong field is named without calling the file damaged.
Result<Project> Read(const QByteArray& ABytes, const EngineTexts& ATexts, bool AFieldsOnly)
{
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(ABytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return Failure(ATexts(TextId::ProjectNotJson).arg(parseError.offset));
    if (!document.isObject())
        return Failure(ATexts(TextId::ProjectNotAProject));
    const QJsonObject root = document.object();

    // The schema first: a newer file may have changed anything else.
    const QJsonValue schema = root.value(QLatin1String("schema"));
    if (!schema.isDouble() || schema.toDouble() < 1 || schema.toDouble() != std::floor(schema.toDouble()))
        return Failure(ATexts(TextId::ProjectNotAProject));
    if (schema.toDouble() > ProjectSchema)
        return Failure(ATexts(TextId::ProjectNewerFormat)
                           .arg(QString::number(schema.toDouble(), 'f', 0), QString::number(ProjectSchema)));

    FieldReader reader;
    Project project;
    const QJsonObject customer = reader.Object(root, {}, "customer");
    project.Customer.Name = reader.Text(customer, QStringLiteral("customer"), "name");
    project.Customer.Contact = reader.Text(customer, QStringLiteral("customer"), "contact");
    project.Customer.Address = reader.Text(customer, QStringLiteral("customer"), "address");
    const QJsonObject about = reader.Object(root, {}, "project");
    project.Name = reader.Text(about, QStringLiteral("project"), "name");
    project.Reference = reader.Text(about, QStringLiteral("project"), "reference");
    project.Notes = reader.Text(about, QStringLiteral("project"), "notes");
    project.Catalogue = reader.Text(root, {}, "catalogue");
    project.PricelistValidity = reader.Text(root, {}, "pricelistValidity");

    const QJsonArray systems = reader.Array(root, {}, "systems", ProjectLimit::MaxSystems);
    for (qsizetype i = 0; i < systems.size() && !reader.Failed(); ++i) {
        const QString path = Indexed({}, "systems", i);
        if (!systems.at(i).isObject())
            reader.Fail(Fault::WrongType, path);
        else
            project.Systems.append(ReadSystem(reader, systems.at(i).toObject(), path));
    }
    project.Lines = ReadLines(reader, root, {});
    project.DiscountPercent = reader.Number(root, {}, "discountPercent", 0, 100);
    project.Terms = ReadTerms(reader, reader.Object(root, {}, "terms"));
    if (reader.Failed())
        return Failure(AFieldsOnly ? reader.Message(ATexts)
                                   : ATexts(TextId::ProjectDamaged).arg(reader.Message(ATexts)));
    return project;
}

} // namespace

Result<Project> ReadProject(const QByteArray& ABytes, const EngineTexts& ATexts)
{
    return Read(ABytes, ATexts, false);
}

Result<void> CheckProjectValues(const Project& AProject, const EngineTexts& ATexts)
{
    const auto project = Read(WriteProject(AProject), ATexts, true);
    if (!project)
        return project.error();
    return Ok();
}

} // namespace vantor::devengine
