#include "dev/core/ProjectQuote.h"

#include "dev/core/QuoteContent.h"
#include "dev/core/QuoteCsv.h"
#include "dev/core/QuoteNumber.h"

#include <QRegularExpression>
#include <QStringList>

namespace vantor::devengine {

namespace {

QuoteLine LineOf(const QString& ACode, int AQuantity, const std::optional<double>& ASaved, const ModelPrices& APrices)
{
    QuoteLine line;
    // The code the customer orders by, as today's pricelist has it.
    line.Code = APrices.ProductCodes.value(ACode, ACode);
    line.Description = APrices.Descriptions.value(ACode);
    line.Quantity = AQuantity;
    if (ASaved) {
        line.UnitPrice = ASaved;
    } else if (const auto price = APrices.Prices.constFind(ACode); price != APrices.Prices.constEnd()) {
        line.UnitPrice = *price;
    }
    return line;
}

// The units, a frame's modules and the cabinets, at the saved prices where
// there are any. A module of a model gone from the data cannot be named.
QList<QuoteLine> SolutionLines(const ProjectSolution& ASolution, const ProductData& AData, const ModelPrices& APrices)
{
    QList<QuoteLine> lines{LineOf(ASolution.Model, ASolution.Units, ASolution.UnitPrice, APrices)};
    const UpsModel* model = AData.Model(ASolution.Model);
    if (model != nullptr && ASolution.Modules && !model->ModuleCode.isEmpty())
        lines.append(LineOf(model->ModuleCode, *ASolution.Modules, ASolution.ModulePrice, APrices));
    if (ASolution.Cabinets > 0 && !ASolution.Cabinet.isEmpty())
        lines.append(LineOf(ASolution.Cabinet, ASolution.Cabinets, ASolution.CabinetPrice, APrices));
    for (QuoteLine& line : lines)
        line.DiscountPercent = ASolution.DiscountPercent;
    return lines;
}

QuoteLine LineOf(const ProjectLine& ALine)
{
    QuoteLine line(ALine.Code, ALine.Description, ALine.Quantity, ALine.UnitPrice);
    line.DiscountPercent = ALine.DiscountPercent;
    return line;
}

PricedLine PricedOf(const QuoteLine& ALine, bool AShowPrices)
{
    // Hidden prices leave nothing in the exports to read them from.
    return {ALine.Code, ALine.Description, ALine.Quantity, AShowPrices ? ALine.UnitPrice : std::nullopt,
            AShowPrices ? ALine.DiscountPercent : 0.0};
}

SelectorInputs InputsToSize(const ProjectSystem& ASystem)
{
    SelectorInputs inputs = ASystem.Inputs;
    // The runtime calculator asks for no autonomy.
    if (ASystem.Kind == SelectorKind::Runtime)
        inputs.AutonomyMinutes = 0;
    return inputs;
}

// What the quote says of a system: sized again when today's data still
// offers its solution, else its saved lines and load alone.
Quote SystemContent(const ProjectSystem& ASystem, const QuoteSources& ASources, const ModelPrices& APrices,
                    const EngineTexts& ATexts, QuoteSizing ASizing)
{
    const SizingRequest request = RequestFor(ASystem.Kind, InputsToSize(ASystem), ASources.Settings);
    const std::optional<Solution> solution =
        ASizing == QuoteSizing::Whole ? SolutionOfSystem(ASystem, *ASources.Data, ASources.Settings) : std::nullopt;
    Quote quote;
    if (solution) {
        quote = QuoteFor(*solution, request, *ASources.Data, APrices, ATexts);
    } else {
        quote.LoadWatts = request.Watts;
        quote.LoadVoltAmperes = request.VoltAmperes;
        quote.AutonomyMinutes = request.AutonomyMinutes;
        if (ASystem.Solution)
            quote.RuntimeAtLoad.Minutes = ASystem.Solution->RuntimeMinutes;
        quote.Texts = QuoteTextsFor(ATexts);
        quote.Locale = ATexts.Locale();
    }
    quote.Lines.clear();
    if (ASystem.Solution)
        quote.Lines = SolutionLines(*ASystem.Solution, *ASources.Data, APrices);
    for (const ProjectLine& line : ASystem.Lines)
        quote.Lines.append(LineOf(line));
    quote.ShowPrices = ASources.Settings.ShowPrices;
    return quote;
}

QString Joined(const QStringList& AParts, const QString& ASeparator)
{
    QStringList given;
    for (const QString& part : AParts) {
        if (!part.trimmed().isEmpty())
            given.append(part.trimmed());
    }
    return given.join(ASeparator);
}

// A date as the language writes it in full, without the day of the week,
// which reads oddly inside a sentence.
QString DateText(const QLocale& ALocale, const QDate& ADate)
{
    QString format = ALocale.dateFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(QStringLiteral("d{4}[,.]?\\s*")));
    return ALocale.toString(ADate, format.trimmed());
}

QString Percent(double AValue, const EngineTexts& ATexts)
{
    return ATexts.Locale().toString(AValue, 'g', 6) + QStringLiteral(" %");
}

void FillDocument(ProjectQuote& AQuote, const Project& AProject, const QuoteSources& ASources,
                  const EngineTexts& ATexts)
{
    QuoteDocument& document = AQuote.Document;
    const QuoteFacts& facts = AQuote.Facts;
    const QLocale& locale = ATexts.Locale();
    const int decimals = AQuote.Priced.CurrencyDecimals;
    const auto money = [&](double AValue) {
        const QString amount = locale.toString(AValue, 'f', decimals);
        return facts.Currency.isEmpty() ? amount : amount + QLatin1Char(' ') + facts.Currency;
    };
    document.BrandName = ASources.BrandName;
    document.Logo = ASources.Logo;
    document.Texts = QuoteTextsFor(ATexts);
    document.Title = document.Texts.Title;
    document.Locale = locale;
    document.ShowPrices = ASources.Settings.ShowPrices;
    document.Currency = facts.Currency;
    document.CurrencyDecimals = decimals;
    document.DiscountHeading = ATexts(TextId::DiscountColumn);
    document.Mark = facts.Number;
    const SellerDetails& seller = facts.Seller;
    document.Header = {
        {ATexts(TextId::QuoteNumberLabel), facts.Number},
        {ATexts(TextId::Date), DateText(locale, facts.Date)},
        {ATexts(TextId::ValidUntil), DateText(locale, facts.ValidUntil)},
        {ATexts(TextId::Customer),
         Joined({AProject.Customer.Name, AProject.Customer.Contact, AProject.Customer.Address}, QStringLiteral("\n"))},
        {ATexts(TextId::Project), AProject.Reference.trimmed().isEmpty()
                                      ? AProject.Name
                                      : QStringLiteral("%1 (%2)").arg(AProject.Name, AProject.Reference)},
        {ATexts(TextId::Seller),
         Joined({seller.Name, seller.Company, seller.Email, seller.Phone}, QStringLiteral("\n"))},
    };
    const QuoteTotals& totals = AQuote.Totals;
    for (qsizetype g = 0; g < AQuote.Priced.Groups.size(); ++g) {
        QList<QuoteLine>& lines = g < document.Systems.size() ? document.Systems[g].Content.Lines : document.Extras;
        for (qsizetype l = 0; l < lines.size() && l < totals.Groups[g].size(); ++l) {
            if (!totals.Groups[g][l].PriceOnRequest)
                lines[l].Amount = totals.Groups[g][l].Amount;
        }
    }
    const double vat = AQuote.Priced.VatPercent;
    document.Totals = {{ATexts(TextId::Subtotal), money(totals.Subtotal)}};
    if (AProject.DiscountPercent > 0)
        document.Totals.append(
            {ATexts(TextId::OverallDiscount) + QLatin1Char(' ') + Percent(AProject.DiscountPercent, ATexts),
             money(-totals.Discount)});
    document.Totals.append({ATexts(TextId::NetTotal), money(totals.Net)});
    document.Totals.append({ATexts(TextId::VatAmount) + QLatin1Char(' ') + Percent(vat, ATexts), money(totals.Vat)});
    document.Totals.append({ATexts(TextId::GrossTotal), money(totals.Gross)});
    document.Terms.append(ATexts(TextId::QuoteValidUntil).arg(DateText(locale, facts.ValidUntil)));
    if (document.ShowPrices && !facts.Currency.isEmpty())
        document.Terms.append(ATexts(TextId::QuoteAmountsIn).arg(facts.Currency, Percent(vat, ATexts)));
    if (document.ShowPrices && totals.LinesOnRequest > 0)
        document.Terms.append(ATexts(TextId::QuoteLinesOnRequest).arg(totals.LinesOnRequest));
}

} // namespace

ProjectSystem ProjectSystemFor(const QString& AName, SelectorKind AKind, const SelectorInputs& AInputs,
                               const Solution& ASolution, const ModelPrices& APrices, const ProductData& AData)
{
    ProjectSystem system;
    system.Name = AName;
    system.Kind = AKind;
    system.Inputs = AInputs;
    if (AKind == SelectorKind::Runtime) {
        system.RuntimeModel = ASolution.Ups;
        system.RuntimeCabinets = ASolution.Cabinets;
    }
    ProjectSolution saved;
    saved.Model = ASolution.Ups;
    saved.Units = ASolution.Units;
    saved.Modules = ASolution.Modules;
    saved.Redundant = ASolution.Redundant;
    saved.Cabinet = ASolution.Cabinet;
    saved.Cabinets = ASolution.Cabinets;
    saved.SystemVA = ASolution.SystemVA;
    saved.LoadingPercent = ASolution.LoadingPercent;
    saved.RuntimeMinutes = ASolution.GuaranteedMinutes().Minutes;
    const auto price = [&APrices](const QString& ACode) -> std::optional<double> {
        const auto found = APrices.Prices.constFind(ACode);
        return found == APrices.Prices.constEnd() ? std::nullopt : std::optional<double>(*found);
    };
    saved.UnitPrice = price(ASolution.Ups);
    if (const UpsModel* model = AData.Model(ASolution.Ups); model != nullptr && ASolution.Modules)
        saved.ModulePrice = price(model->ModuleCode);
    if (ASolution.Cabinets > 0)
        saved.CabinetPrice = price(ASolution.Cabinet);
    // The total as the lines add up, so that a check against today's
    // pricelist compares like with like.
    const QList<QuoteLine> lines = SolutionLines(saved, AData, APrices);
    double total = 0;
    bool complete = true;
    for (const QuoteLine& line : lines) {
        complete = complete && line.UnitPrice.has_value();
        total += line.UnitPrice.value_or(0) * line.Quantity;
    }
    if (complete)
        saved.Price = total;
    system.Solution = saved;
    return system;
}

std::optional<Solution> SolutionOfSystem(const ProjectSystem& ASystem, const ProductData& AData,
                                         const EngineSettings& ASettings)
{
    if (!ASystem.Solution)
        return std::nullopt;
    const ProjectSolution& saved = *ASystem.Solution;
    const UpsModel* model = AData.Model(saved.Model);
    if (model == nullptr)
        return std::nullopt;
    SizingRequest request = RequestFor(ASystem.Kind, InputsToSize(ASystem), ASettings);
    if (ASystem.Kind == SelectorKind::Runtime)
        return ConfigurationOf(AData, *model, saved.Cabinets, request);
    // Whatever the option words hide now, the saved solution is looked for
    // among all.
    request.AllConfigurations = true;
    request.IncludeShort = true;
    request.HideThreePhase = false;
    for (const Solution& solution : FindSolutions(AData, request)) {
        if (solution.Ups == saved.Model && solution.Units == saved.Units && solution.Modules == saved.Modules &&
            solution.Cabinets == saved.Cabinets && (saved.Cabinets == 0 || solution.Cabinet == saved.Cabinet))
            return solution;
    }
    return std::nullopt;
}

Result<ProjectQuote> QuoteOfProject(const Project& AProject, const QuoteSources& ASources, const EngineTexts& ATexts,
                                    QuoteSizing ASizing)
{
    static const ProductData noData;
    static const Pricelist noPrices;
    QuoteSources sources = ASources;
    if (sources.Data == nullptr)
        sources.Data = &noData;
    const ModelPrices prices = PricesByModel(sources.Prices != nullptr ? *sources.Prices : noPrices);
    const bool showPrices = sources.Settings.ShowPrices;

    ProjectQuote quote;
    quote.Priced.DiscountPercent = AProject.DiscountPercent;
    quote.Priced.VatPercent = AProject.Terms.VatPercent.value_or(sources.VatPercent);
    quote.Priced.CurrencyDecimals = sources.CurrencyDecimals;
    for (qsizetype i = 0; i < AProject.Systems.size(); ++i) {
        const ProjectSystem& system = AProject.Systems[i];
        QuoteSystem section;
        section.Name = system.Name.trimmed().isEmpty() ? ATexts(TextId::SystemNumber).arg(i + 1) : system.Name;
        section.Content = SystemContent(system, sources, prices, ATexts, ASizing);
        PricedGroup group{section.Name, {}};
        for (const QuoteLine& line : section.Content.Lines)
            group.Lines.append(PricedOf(line, showPrices));
        quote.Priced.Groups.append(group);
        quote.Document.Systems.append(section);
    }
    if (!AProject.Lines.isEmpty()) {
        quote.Document.ExtrasHeading = ATexts(TextId::FurtherItems);
        PricedGroup group{quote.Document.ExtrasHeading, {}};
        for (const ProjectLine& line : AProject.Lines) {
            quote.Document.Extras.append(LineOf(line));
            group.Lines.append(PricedOf(quote.Document.Extras.last(), showPrices));
        }
        quote.Priced.Groups.append(group);
    }
    Result<QuoteTotals> totals = ComputeTotals(quote.Priced, ATexts);
    if (!totals)
        return totals.error();
    quote.Totals = std::move(*totals);

    QuoteFacts& facts = quote.Facts;
    facts.Number = AProject.Terms.QuoteNumber;
    facts.Date = sources.Today.isValid() ? sources.Today : QDate::currentDate();
    facts.ValidUntil = AProject.Terms.ValidUntil.value_or(facts.Date.addDays(AProject.Terms.ValidityDays));
    facts.Customer = AProject.Customer.Name;
    facts.Project = AProject.Name;
    facts.Seller = sources.Seller;
    facts.Currency = sources.CurrencyCode;
    FillDocument(quote, AProject, sources, ATexts);
    return quote;
}

Result<void> IssueQuoteNumber(Project& AProject, const QString& APrefix, const EngineTexts& ATexts,
                              const QString& AFolder)
{
    if (!AProject.Terms.QuoteNumber.isEmpty())
        return {};
    Result<QString> number = DrawQuoteNumber(APrefix, ATexts, AFolder);
    if (!number)
        return number.error();
    AProject.Terms.QuoteNumber = *number;
    return {};
}

Result<void> WriteProjectQuote(const ProjectQuote& AQuote, QuoteExport AKind, const QString& AFile,
                               const EngineTexts& ATexts)
{
    switch (AKind) {
    case QuoteExport::Pdf:
        if (!WriteQuoteDocumentPdf(AFile, AQuote.Document))
            return Failure(ATexts(TextId::CannotWrite).arg(AFile));
        return {};
    case QuoteExport::Spreadsheet:
        // Its lines would all read "price on request".
        if (!AQuote.Document.ShowPrices)
            return Failure(ATexts(TextId::SpreadsheetNeedsPrices));
        return WriteQuoteSpreadsheet(AFile, AQuote.Priced, AQuote.Facts, ATexts);
    case QuoteExport::Csv:
        return WriteQuoteCsv(AFile, AQuote.Priced, ATexts);
    }
    return Failure(ATexts(TextId::CannotWrite).arg(AFile));
}

} // namespace vantor::devengine
