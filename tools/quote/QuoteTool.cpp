#include "quote/QuoteTool.h"

#include "common/IniFile.h"
#include "common/uConstants.h"
#include "dev/core/CatalogueTerms.h"
#include "dev/core/EngineProducts.h"
#include "dev/core/LogoPainter.h"
#include "dev/core/ProjectFile.h"
#include "dev/core/ProjectQuote.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>

namespace vantor::quote {

namespace {

using namespace vantor::devengine;

// What the shell would hand the engine: the language, the folder of the
// catalogues and whether prices are shown, from the installation's
// configuration; the defaults of a new installation where it says nothing.
struct InstallationSettings {
    QString Language = QStringLiteral("ENG");
    QString CataloguesFolder;
    bool ShowPrices = true;
    int UsageType = 0; // the branding
};

InstallationSettings ReadInstallation(const QString& AFolder)
{
    InstallationSettings settings;
    settings.CataloguesFolder = AFolder + QStringLiteral("/Catalogues");
    IniDocument ini;
    if (!ini.loadFile(AFolder + QStringLiteral("/Vantor.ini")))
        return settings;
    settings.Language = ini.readString(QStringLiteral("Language"), QStringLiteral("iLangId"), settings.Language);
    settings.CataloguesFolder =
        ini.readString(QStringLiteral("Catalogue"), QStringLiteral("sPath"), settings.CataloguesFolder);
    settings.ShowPrices = ini.readBool(QStringLiteral("Misc"), QStringLiteral("bShowPrices"), true);
    settings.UsageType = ini.readString(QStringLiteral("Misc"), QStringLiteral("iOemId")).toInt();
    return settings;
}

QJsonValue Optional(const std::optional<double>& AValue)
{
    return AValue ? QJsonValue(*AValue) : QJsonValue(QJsonValue::Null);
}

QJsonObject JsonOf(const ProjectQuote& AQuote, const QString& AProjectName, const QString& ACatalogue)
{
    QJsonArray groups;
    for (qsizetype g = 0; g < AQuote.Priced.Groups.size(); ++g) {
        const PricedGroup& group = AQuote.Priced.Groups[g];
        QJsonArray lines;
        for (qsizetype l = 0; l < group.Lines.size(); ++l) {
            const PricedLine& line = group.Lines[l];
            const LineTotal& total = AQuote.Totals.Groups[g][l];
            lines.append(QJsonObject{
                {QStringLiteral("code"), line.Code},
                {QStringLiteral("description"), line.Description},
                {QStringLiteral("quantity"), line.Quantity},
                {QStringLiteral("unit_price"), Optional(line.UnitPrice)},
                {QStringLiteral("discount_percent"), line.DiscountPercent},
                {QStringLiteral("amount"), total.PriceOnRequest ? QJsonValue(QJsonValue::Null) : total.Amount},
            });
        }
        groups.append(QJsonObject{{QStringLiteral("name"), group.Name}, {QStringLiteral("lines"), lines}});
    }
    const QuoteTotals& totals = AQuote.Totals;
    return QJsonObject{
        {QStringLiteral("project"), AProjectName},
        {QStringLiteral("catalogue"), ACatalogue},
        {QStringLiteral("quote_number"), AQuote.Facts.Number},
        {QStringLiteral("date"), AQuote.Facts.Date.toString(Qt::ISODate)},
        {QStringLiteral("valid_until"), AQuote.Facts.ValidUntil.toString(Qt::ISODate)},
        {QStringLiteral("currency"), AQuote.Facts.Currency},
        {QStringLiteral("prices_shown"), AQuote.Document.ShowPrices},
        {QStringLiteral("groups"), groups},
        {QStringLiteral("discount_percent"), AQuote.Priced.DiscountPercent},
        {QStringLiteral("vat_percent"), AQuote.Priced.VatPercent},
        {QStringLiteral("subtotal"), totals.Subtotal},
        {QStringLiteral("discount"), totals.Discount},
        {QStringLiteral("net"), totals.Net},
        {QStringLiteral("vat"), totals.Vat},
        {QStringLiteral("gross"), totals.Gross},
        {QStringLiteral("lines_on_request"), totals.LinesOnRequest},
    };
}

} // namespace

std::optional<QuoteCommand> ParseQuoteArguments(const QStringList& AArguments, QString& AError)
{
    QuoteCommand command;
    QStringList positional;
    for (qsizetype i = 0; i < AArguments.size(); ++i) {
        const QString& argument = AArguments[i];
        QString* target = nullptr;
        if (argument == QLatin1String("--pdf"))
            target = &command.Pdf;
        else if (argument == QLatin1String("--xlsx"))
            target = &command.Spreadsheet;
        else if (argument == QLatin1String("--csv"))
            target = &command.Csv;
        else if (argument == QLatin1String("--language"))
            target = &command.Language;
        if (target != nullptr) {
            if (i + 1 >= AArguments.size() || AArguments[i + 1].isEmpty()) {
                AError = QStringLiteral("%1 needs a value").arg(argument);
                return std::nullopt;
            }
            *target = AArguments[++i];
        } else if (argument == QLatin1String("--json")) {
            command.Json = true;
        } else if (argument.startsWith(QLatin1String("--"))) {
            AError = QStringLiteral("unknown option %1").arg(argument);
            return std::nullopt;
        } else {
            positional.append(argument);
        }
    }
    if (positional.size() != 2) {
        AError = QStringLiteral("give the installation folder and the project file");
        return std::nullopt;
    }
    command.Installation = positional[0];
    command.ProjectFile = positional[1];
    if (command.Pdf.isEmpty() && command.Spreadsheet.isEmpty() && command.Csv.isEmpty() && !command.Json) {
        AError = QStringLiteral("nothing to write: give --pdf, --xlsx, --csv or --json");
        return std::nullopt;
    }
    const QStringList files{command.Pdf, command.Spreadsheet, command.Csv};
    for (qsizetype a = 0; a < files.size(); ++a) {
        for (qsizetype b = a + 1; b < files.size(); ++b) {
            if (!files[a].isEmpty() &&
                QFileInfo(files[a]).absoluteFilePath() == QFileInfo(files[b]).absoluteFilePath()) {
                AError = QStringLiteral("%1 is given for two exports").arg(files[a]);
                return std::nullopt;
            }
        }
    }
    return command;
}

std::optional<QJsonObject> RunQuote(const QuoteCommand& ACommand, QString& AError)
{
    if (!QFileInfo(ACommand.Installation).isDir()) {
        AError = QStringLiteral("%1 is not an installation folder").arg(ACommand.Installation);
        return std::nullopt;
    }
    const InstallationSettings installation = ReadInstallation(ACommand.Installation);
    const QString language = ACommand.Language.isEmpty() ? installation.Language : ACommand.Language;
    const EngineTexts texts(language);

    Result<Project> project = OpenProjectFile(ACommand.ProjectFile, texts);
    if (!project) {
        AError = project.message();
        return std::nullopt;
    }
    const QString password = QString::fromLatin1(DatabasePassword);
    const std::shared_ptr<const EngineProducts> products =
        ReadEngineProducts(ACommand.Installation + QStringLiteral("/Data/"), password);
    if (!products->DataProblem.isEmpty()) {
        AError = QStringLiteral("the product data cannot be used: %1").arg(products->DataProblem);
        return std::nullopt;
    }
    const QString catalogue = project->Catalogue;
    const QString catalogueFolder = installation.CataloguesFolder + QLatin1Char('/') + catalogue + QLatin1Char('/');
    if (catalogue.isEmpty() || !QFileInfo(catalogueFolder).isDir()) {
        AError = QStringLiteral("the project's catalogue \"%1\" is not installed in %2")
                     .arg(catalogue, installation.CataloguesFolder);
        return std::nullopt;
    }
    // A quote without its prices would be no quote; a hidden-price
    // installation still lists the lines.
    const Pricelist pricelist = ReadPricelist(catalogueFolder, password);
    if (installation.ShowPrices && !pricelist.Readable) {
        AError = QStringLiteral("%1%2: %3").arg(catalogueFolder, QLatin1String(PricelistFileName), pricelist.Problem);
        return std::nullopt;
    }
    const CatalogueTerms terms = TermsForCatalogue(*products, catalogue);
    const Result<SellerSettings> seller = LoadSellerSettings(texts);

    QuoteSources sources;
    sources.Data = &products->Data;
    sources.Prices = &pricelist;
    sources.Settings.LanguageId = language;
    sources.Settings.CataloguePath = catalogueFolder;
    sources.Settings.ShowPrices = installation.ShowPrices;
    sources.VatPercent = terms.VatPercent;
    sources.CurrencyCode = terms.CurrencyCode;
    sources.CurrencyDecimals = terms.CurrencyDecimals;
    if (seller)
        sources.Seller = seller->Seller;
    sources.Today = QDate::currentDate();
    const Branding& branding = BrandingFor(installation.UsageType);
    sources.BrandName = branding.Name;
    sources.Logo = PaintWideLogo(branding);
    const Result<ProjectQuote> quote = QuoteOfProject(*project, sources, texts);
    if (!quote) {
        AError = quote.message();
        return std::nullopt;
    }
    const std::pair<QString, QuoteExport> exports[] = {{ACommand.Pdf, QuoteExport::Pdf},
                                                       {ACommand.Spreadsheet, QuoteExport::Spreadsheet},
                                                       {ACommand.Csv, QuoteExport::Csv}};
    for (const auto& [file, kind] : exports) {
        if (file.isEmpty())
            continue;
        const Result<void> written = WriteProjectQuote(*quote, kind, file, texts);
        if (!written) {
            AError = written.message();
            return std::nullopt;
        }
    }
    return JsonOf(*quote, project->Name, catalogue);
}

QString QuoteUsage()
{
    return QStringLiteral(
        "usage: vantor-quote INSTALLATION_FOLDER PROJECT.vantor [--pdf FILE] [--xlsx FILE] [--csv FILE] [--json]\n"
        "                    [--language ID]\n"
        "Writes the project's quote from the installation's product data and the pricelist of the project's\n"
        "catalogue; --json prints the priced lines and totals. The language is the installation's unless\n"
        "--language gives one (ENG, ITA, GER, ...). Prices are left out when the installation hides them.\n"
        "Exit status: 0 done, 1 the project or the data cannot be used (the reason is printed), 2 a wrong\n"
        "command line.\n");
}

} // namespace vantor::quote
