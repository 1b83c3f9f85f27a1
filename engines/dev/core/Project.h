// A saved project: the customer, one or more sized systems with their
// selector inputs and chosen solutions, extra lines, discounts and the
// commercial terms the user set. What the project file holds, without any
// reading or writing.
#pragma once

#include "dev/core/SelectorKind.h"
#include "dev/core/SelectorRequest.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

namespace vantor::devengine {

// The project format this version writes and the newest it reads.
inline constexpr int ProjectSchema = 1;

struct ProjectCustomer {
    QString Name;
    QString Contact;
    QString Address;
};

// An extra line: a pricelist item by its product code, or free text with
// its own price.
struct ProjectLine {
    bool FromPricelist = true;
    QString Code;        // the pricelist's product code; may be empty for free text
    QString Description; // as shown when saved
    int Quantity = 1;
    // The price of one at save time: the pricelist's then (none when it had
    // none), or the one typed for free text.
    std::optional<double> UnitPrice;
    double DiscountPercent = 0;
};

// The solution chosen for a system, with the figures it had when saved.
struct ProjectSolution {
    QString Model; // the product data's model code
    int Units = 1;
    std::optional<int> Modules;
    int Redundant = 0;
    QString Cabinet; // empty without cabinets
    int Cabinets = 0;
    double SystemVA = 0;
    double LoadingPercent = 0;
    std::optional<double> RuntimeMinutes; // guaranteed; none beyond the tables
    std::optional<double> Price;          // of UPS, modules and cabinets; none unpriced
    // The prices of one unit, module and cabinet behind Price, so that a
    // quote keeps the saved prices when the user keeps them; none: today's.
    std::optional<double> UnitPrice;
    std::optional<double> ModulePrice;
    std::optional<double> CabinetPrice;
    double DiscountPercent = 0;
};

struct ProjectSystem {
    QString Name; // a room, a site
    SelectorKind Kind = SelectorKind::Base;
    SelectorInputs Inputs;
    // The runtime calculator sizes nothing: the user picks the model and
    // the cabinets.
    QString RuntimeModel;
    int RuntimeCabinets = 0;
    std::optional<ProjectSolution> Solution; // none until one is chosen
    QList<ProjectLine> Lines;                // accessories and services of this system
};

struct ProjectTerms {
    std::optional<double> VatPercent; // none: the catalogue's rate
    QString QuoteNumber;              // empty until the quote is issued
    int ValidityDays = 30;
    std::optional<QDate> ValidUntil; // when set, instead of the days
    QString Currency;                // the code at save time
};

struct Project {
    ProjectCustomer Customer;
    QString Name;
    QString Reference;
    QString Notes;
    QList<ProjectSystem> Systems;
    QList<ProjectLine> Lines; // for the project as a whole
    double DiscountPercent = 0;
    QString Catalogue;         // the catalogue's code at save time
    QString PricelistValidity; // the pricelist's validity at save time, as the data module gives it
    ProjectTerms Terms;
};

// What the file accepts: anything beyond is taken for damage.
namespace ProjectLimit {
inline constexpr int MaxSystems = 1000;
inline constexpr int MaxLines = 10'000;
inline constexpr int MaxQuantity = 1'000'000;
inline constexpr double MaxPrice = 1e9;
inline constexpr int MaxValidityDays = 3650;
inline constexpr int MaxUnits = 64;
inline constexpr int MaxModules = 256;
inline constexpr qsizetype MaxTextLength = 100'000;
inline constexpr qint64 MaxFileBytes = 64LL * 1024 * 1024;
} // namespace ProjectLimit

} // namespace vantor::devengine
