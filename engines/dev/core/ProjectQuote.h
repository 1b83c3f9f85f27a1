// The quote of a project: each system sized again from its saved inputs for
// its sizing basis, installation data and curve, its lines priced as saved
// (or from today's pricelist where nothing was saved), the project's own
// lines, the discounts, VAT and totals; as the PDF's document, the
// spreadsheet's facts and the priced lines of every export.
#pragma once

#include "dev/core/EngineSettings.h"
#include "dev/core/Pricelist.h"
#include "dev/core/Project.h"
#include "dev/core/QuoteDocument.h"
#include "dev/core/QuoteSpreadsheet.h"
#include "dev/core/QuoteTotals.h"
#include "dev/core/SellerSettings.h"
#include "dev/core/UpsSolutions.h"
#include "support/Result.h"

#include <QDate>
#include <QImage>

namespace vantor::devengine {

// What a project's quote is made from besides the project.
struct QuoteSources {
    const ProductData* Data = nullptr; // the product data of today
    const Pricelist* Prices = nullptr; // today's pricelist; may be unreadable
    EngineSettings Settings;           // ShowPrices and the option words
    double VatPercent = 0;             // the catalogue's; the project's own rate wins
    QString CurrencyCode;              // empty: amounts without a currency
    int CurrencyDecimals = 2;
    SellerDetails Seller;
    QString BrandName;
    QImage Logo;
    QDate Today;
};

struct ProjectQuote {
    PricedQuote Priced; // a group per system, then the project's own lines
    QuoteTotals Totals;
    QuoteFacts Facts;
    QuoteDocument Document;
};

// The system a chosen solution makes, named AName, with the unit prices of
// today's pricelist.
ProjectSystem ProjectSystemFor(const QString& AName, SelectorKind AKind, const SelectorInputs& AInputs,
                               const Solution& ASolution, const ModelPrices& APrices, const ProductData& AData);

// The solution of ASystem sized again from its inputs: the one with the
// saved model, units, modules and cabinets; none when today's data no
// longer offers it.
std::optional<Solution> SolutionOfSystem(const ProjectSystem& ASystem, const ProductData& AData,
                                         const EngineSettings& ASettings);

// ASizing Whole sizes each system again for its section of the document;
// TotalsOnly leaves the sections without basis, installation data and
// curve, for the screen's live totals.
enum class QuoteSizing { Whole, TotalsOnly };

[[nodiscard]] Result<ProjectQuote> QuoteOfProject(const Project& AProject, const QuoteSources& ASources,
                                                  const EngineTexts& ATexts, QuoteSizing ASizing = QuoteSizing::Whole);

// Draws the project's quote number from the user's sequence when it has
// none yet; a project keeps its number through later quotes.
[[nodiscard]] Result<void> IssueQuoteNumber(Project& AProject, const QString& APrefix, const EngineTexts& ATexts,
                                            const QString& AFolder);

enum class QuoteExport { Pdf, Spreadsheet, Csv };

// Writes the quote as AKind to AFile, whole or not at all.
[[nodiscard]] Result<void> WriteProjectQuote(const ProjectQuote& AQuote, QuoteExport AKind, const QString& AFile,
                                             const EngineTexts& ATexts);

} // namespace vantor::devengine
