// A saved project against today's product data and pricelist: models,
// modules and cabinets no longer in the catalogue (their system is to be
// sized again), pricelist items gone, and prices that changed since the
// save; and taking today's prices when the user accepts them.
#pragma once

#include "dev/core/EngineTexts.h"
#include "dev/core/Pricelist.h"
#include "dev/core/Project.h"
#include "dev/core/UpsSolutions.h"

#include <QList>

#include <optional>

namespace vantor::devengine {

enum class ProjectFindingKind {
    ModelDiscontinued, // the solution's model, module or cabinet, or the runtime calculator's model
    ItemMissing,       // a pricelist line's item
    PriceChanged       // of a pricelist line, or of a solution as a whole
};

struct ProjectFinding {
    ProjectFindingKind Kind = ProjectFindingKind::ModelDiscontinued;
    int System = -1; // index into Systems; -1: the project's own lines
    int Line = -1;   // index into that system's or the project's lines; -1: the system's solution
    QString Code;
    std::optional<double> SavedPrice; // with PriceChanged
    std::optional<double> PriceToday; // with PriceChanged; none: no longer priced
};

// In the order of the systems, each with its solution first, then the
// project's own lines. Prices are compared only when APrices has any.
[[nodiscard]] QList<ProjectFinding> CheckProject(const Project& AProject, const ProductData& AData,
                                                 const ModelPrices& APrices, const Pricelist& APricelist);

// Whether a system is to be sized again.
[[nodiscard]] bool NeedsSizingAgain(const QList<ProjectFinding>& AFindings, int ASystem);

// Takes today's price of every PriceChanged finding into AProject.
void ApplyPricesToday(Project& AProject, const QList<ProjectFinding>& AFindings);

[[nodiscard]] QString FindingText(const ProjectFinding& AFinding, const Project& AProject, const EngineTexts& ATexts);

} // namespace vantor::devengine
