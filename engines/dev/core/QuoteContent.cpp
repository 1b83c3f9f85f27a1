#include "dev/core/QuoteContent.h"

#include "dev/core/SolutionFacts.h"

namespace vantor::devengine {

namespace {

QuoteLine LineFor(const QString& ACode, int AQuantity, const ModelPrices& APrices)
{
    QuoteLine line;
    // The code the customer orders by, as the pricelist has it.
    line.Code = APrices.ProductCodes.value(ACode, ACode);
    line.Description = APrices.Descriptions.value(ACode);
    line.Quantity = AQuantity;
    const auto price = APrices.Prices.constFind(ACode);
    if (price != APrices.Prices.constEnd())
        line.UnitPrice = *price;
    return line;
}

} // namespace

CurveTexts CurveTextsFor(const EngineTexts& ATexts)
{
    CurveTexts texts;
    texts.LoadAxis = ATexts(TextId::LoadAxis);
    texts.MinutesAxis = ATexts(TextId::MinutesAxis);
    texts.CabinetsLegend = ATexts(TextId::CabinetsLegend);
    texts.OneCabinetLegend = ATexts(TextId::OneCabinet);
    texts.NoCabinetsLegend = ATexts(TextId::UpsAlone);
    return texts;
}

QuoteTexts QuoteTextsFor(const EngineTexts& ATexts)
{
    QuoteTexts texts;
    texts.Title = ATexts(TextId::QuoteTitle);
    texts.Customer = ATexts(TextId::Customer);
    texts.Project = ATexts(TextId::Project);
    texts.Date = ATexts(TextId::Date);
    texts.Load = ATexts(TextId::Load);
    texts.Autonomy = ATexts(TextId::RequiredAutonomy);
    texts.Runtime = ATexts(TextId::RuntimeEndOfLife);
    texts.Code = ATexts(TextId::Code);
    texts.Description = ATexts(TextId::Description);
    texts.Quantity = ATexts(TextId::Quantity);
    texts.UnitPrice = ATexts(TextId::UnitPrice);
    texts.Amount = ATexts(TextId::Amount);
    texts.Total = ATexts(TextId::Total);
    texts.Minutes = ATexts(TextId::MinutesUnit);
    texts.BeyondTable = ATexts(TextId::BeyondTables);
    texts.Page = ATexts(TextId::PageOf);
    texts.Basis = ATexts(TextId::SizingBasis);
    texts.Runtimes = ATexts(TextId::ColumnRuntime);
    texts.Installation = ATexts(TextId::InstallationHeading);
    texts.Curve = CurveTextsFor(ATexts);
    return texts;
}

Quote QuoteFor(const Solution& ASolution, const SizingRequest& ARequest, const ProductData& AData,
               const ModelPrices& APrices, const EngineTexts& ATexts)
{
    Quote quote;
    quote.LoadWatts = ARequest.Watts;
    quote.LoadVoltAmperes = ARequest.VoltAmperes;
    quote.AutonomyMinutes = ARequest.AutonomyMinutes;
    // The figure the autonomy was sized with; the basis names it.
    quote.RuntimeAtLoad = ASolution.GuaranteedMinutes();
    const SolutionFacts facts = FactsFor(ASolution, ARequest, AData, ATexts);
    // The load and the autonomy head the quote already.
    for (const LabelledValue& fact : facts.Basis) {
        if (fact.Label != ATexts(TextId::Load) && fact.Label != ATexts(TextId::RequiredAutonomy))
            quote.Basis.append(fact);
    }
    quote.Runtimes = facts.Runtimes;
    quote.Installation = facts.Installation;
    quote.ShowPrices = ARequest.ShowPrices;
    quote.Locale = ATexts.Locale();

    quote.Lines.append(LineFor(ASolution.Ups, ASolution.Units, APrices));
    const UpsModel* model = AData.Model(ASolution.Ups);
    if (model != nullptr && ASolution.Modules && !model->ModuleCode.isEmpty())
        quote.Lines.append(LineFor(model->ModuleCode, *ASolution.Modules, APrices));
    if (ASolution.Cabinets > 0)
        quote.Lines.append(LineFor(ASolution.Cabinet, ASolution.Cabinets, APrices));

    if (model != nullptr) {
        // Each unit of a parallel system has its own cabinets.
        quote.Curves = RuntimeCurves(*model, AData, ARequest.Battery, ASolution.Cabinets / ASolution.Units,
                                     ASolution.Units, 40, ASolution.Modules.value_or(0),
                                     ARequest.VoltAmperes > 0 ? ARequest.Watts / ARequest.VoltAmperes : 1.0);
        quote.OperatingPoint = QPointF(ARequest.Watts, ASolution.Minutes.Minutes.value_or(0));
    }

    quote.Texts = QuoteTextsFor(ATexts);
    if (ASolution.MinutesOut)
        quote.Texts.Runtime = ATexts(TextId::RuntimeEndOfLife) + QStringLiteral(", ") +
                              ATexts(TextId::OutSuffix).arg(ASolution.Redundant);
    return quote;
}

} // namespace vantor::devengine
