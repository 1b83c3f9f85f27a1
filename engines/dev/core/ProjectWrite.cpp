// Writes a project as JSON. QJsonObject keeps its keys sorted and Qt writes
// a double in the shortest form that reads back exactly, so saving what was
// opened gives the same bytes.
#include "dev/core/ProjectFormat.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

namespace vantor::devengine {

namespace {

QJsonValue Optional(const std::optional<double>& AValue)
{
    return AValue ? QJsonValue(*AValue) : QJsonValue(QJsonValue::Null);
}

QJsonObject InputsObject(const SelectorInputs& AInputs)
{
    return QJsonObject{
        {QStringLiteral("load"), AInputs.Load},
        {QStringLiteral("loadInVA"), AInputs.LoadInVA},
        {QStringLiteral("powerFactor"), AInputs.PowerFactor},
        {QStringLiteral("growthPercent"), AInputs.GrowthPercent},
        {QStringLiteral("maxLoadingPercent"), AInputs.MaxLoadingPercent},
        {QStringLiteral("autonomyMinutes"), AInputs.AutonomyMinutes},
        {QStringLiteral("redundancy"), AInputs.Redundancy},
        {QStringLiteral("outputPhases"), AInputs.OutputPhases},
        {QStringLiteral("endVoltage"), AInputs.Battery.EndVoltage},
        {QStringLiteral("temperatureC"), AInputs.Battery.TemperatureC},
        {QStringLiteral("ageing"), AInputs.Battery.Ageing},
    };
}

QJsonValue SolutionValue(const std::optional<ProjectSolution>& ASolution)
{
    if (!ASolution)
        return QJsonValue(QJsonValue::Null);
    const ProjectSolution& s = *ASolution;
    return QJsonObject{
        {QStringLiteral("model"), s.Model},
        {QStringLiteral("units"), s.Units},
        {QStringLiteral("modules"), s.Modules ? QJsonValue(*s.Modules) : QJsonValue(QJsonValue::Null)},
        {QStringLiteral("redundant"), s.Redundant},
        {QStringLiteral("cabinet"), s.Cabinet},
        {QStringLiteral("cabinets"), s.Cabinets},
        {QStringLiteral("systemVA"), s.SystemVA},
        {QStringLiteral("loadingPercent"), s.LoadingPercent},
        {QStringLiteral("runtimeMinutes"), Optional(s.RuntimeMinutes)},
        {QStringLiteral("price"), Optional(s.Price)},
        {QStringLiteral("unitPrice"), Optional(s.UnitPrice)},
        {QStringLiteral("modulePrice"), Optional(s.ModulePrice)},
        {QStringLiteral("cabinetPrice"), Optional(s.CabinetPrice)},
        {QStringLiteral("discountPercent"), s.DiscountPercent},
    };
}

QJsonArray LinesArray(const QList<ProjectLine>& ALines)
{
    QJsonArray lines;
    for (const ProjectLine& line : ALines)
        lines.append(QJsonObject{
            {QStringLiteral("kind"), line.FromPricelist ? QStringLiteral("item") : QStringLiteral("text")},
            {QStringLiteral("code"), line.Code},
            {QStringLiteral("description"), line.Description},
            {QStringLiteral("quantity"), line.Quantity},
            {QStringLiteral("unitPrice"), Optional(line.UnitPrice)},
            {QStringLiteral("discountPercent"), line.DiscountPercent},
        });
    return lines;
}

QJsonObject SystemObject(const ProjectSystem& ASystem)
{
    return QJsonObject{
        {QStringLiteral("name"), ASystem.Name},
        {QStringLiteral("selector"), SelectorKindName(ASystem.Kind)},
        {QStringLiteral("inputs"), InputsObject(ASystem.Inputs)},
        {QStringLiteral("runtime"), QJsonObject{{QStringLiteral("model"), ASystem.RuntimeModel},
                                                {QStringLiteral("cabinets"), ASystem.RuntimeCabinets}}},
        {QStringLiteral("solution"), SolutionValue(ASystem.Solution)},
        {QStringLiteral("lines"), LinesArray(ASystem.Lines)},
    };
}

QJsonObject TermsObject(const ProjectTerms& ATerms)
{
    return QJsonObject{
        {QStringLiteral("vatPercent"), Optional(ATerms.VatPercent)},
        {QStringLiteral("quoteNumber"), ATerms.QuoteNumber},
        {QStringLiteral("validityDays"), ATerms.ValidityDays},
        {QStringLiteral("validUntil"),
         ATerms.ValidUntil ? QJsonValue(ATerms.ValidUntil->toString(Qt::ISODate)) : QJsonValue(QJsonValue::Null)},
        {QStringLiteral("currency"), ATerms.Currency},
    };
}

} // namespace

QString SelectorKindName(SelectorKind AKind)
{
    switch (AKind) {
    case SelectorKind::Advanced:
        return QStringLiteral("advanced");
    case SelectorKind::Base:
        return QStringLiteral("base");
    case SelectorKind::Modular:
        return QStringLiteral("modular");
    case SelectorKind::Runtime:
        return QStringLiteral("runtime");
    }
    return QStringLiteral("base");
}

QByteArray WriteProject(const Project& AProject)
{
    QJsonArray systems;
    for (const ProjectSystem& system : AProject.Systems)
        systems.append(SystemObject(system));
    const QJsonObject root{
        {QStringLiteral("schema"), ProjectSchema},
        {QStringLiteral("customer"), QJsonObject{{QStringLiteral("name"), AProject.Customer.Name},
                                                 {QStringLiteral("contact"), AProject.Customer.Contact},
                                                 {QStringLiteral("address"), AProject.Customer.Address}}},
        {QStringLiteral("project"), QJsonObject{{QStringLiteral("name"), AProject.Name},
                                                {QStringLiteral("reference"), AProject.Reference},
                                                {QStringLiteral("notes"), AProject.Notes}}},
        {QStringLiteral("catalogue"), AProject.Catalogue},
        {QStringLiteral("pricelistValidity"), AProject.PricelistValidity},
        {QStringLiteral("systems"), systems},
        {QStringLiteral("lines"), LinesArray(AProject.Lines)},
        {QStringLiteral("discountPercent"), AProject.DiscountPercent},
        {QStringLiteral("terms"), TermsObject(AProject.Terms)},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace vantor::devengine
