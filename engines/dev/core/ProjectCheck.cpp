#include "dev/core/ProjectCheck.h"

#include <QHash>

#include <algorithm>
#include <cmath>

namespace vantor::devengine {

namespace {

// Prices are kept to the cent; anything below is the arithmetic's noise.
bool SamePrice(const std::optional<double>& A, const std::optional<double>& B)
{
    if (A.has_value() != B.has_value())
        return false;
    return !A || std::abs(*A - *B) < 0.005;
}

std::optional<double> Times(const QHash<QString, double>& APrices, const QString& ACode, int ACount)
{
    if (ACount == 0)
        return 0.0;
    const auto found = APrices.constFind(ACode);
    if (found == APrices.constEnd())
        return std::nullopt;
    return *found * ACount;
}

// As the sizing prices a solution: the units, a frame's modules, the cabinets.
std::optional<double> SolutionPrice(const ProjectSolution& ASolution, const UpsModel& AModel,
                                    const QHash<QString, double>& APrices)
{
    auto price = Times(APrices, AModel.Code, ASolution.Units);
    if (price && ASolution.Modules && !AModel.ModuleCode.isEmpty()) {
        const auto modules = Times(APrices, AModel.ModuleCode, *ASolution.Modules);
        price = modules ? std::optional<double>(*price + *modules) : std::nullopt;
    }
    const auto cabinets = Times(APrices, ASolution.Cabinet, ASolution.Cabinet.isEmpty() ? 0 : ASolution.Cabinets);
    if (price && cabinets)
        return *price + *cabinets;
    return std::nullopt;
}

void CheckSolution(const ProjectSystem& ASystem, int AIndex, const ProductData& AData, const ModelPrices& APrices,
                   QList<ProjectFinding>& AFindings)
{
    const auto discontinued = [&](const QString& ACode) {
        AFindings.append({ProjectFindingKind::ModelDiscontinued, AIndex, -1, ACode, {}, {}});
    };
    if (ASystem.Kind == SelectorKind::Runtime && !ASystem.RuntimeModel.isEmpty() && !AData.Model(ASystem.RuntimeModel))
        discontinued(ASystem.RuntimeModel);
    if (!ASystem.Solution)
        return;
    const ProjectSolution& solution = *ASystem.Solution;
    const UpsModel* model = AData.Model(solution.Model);
    if (!model) {
        if (solution.Model != ASystem.RuntimeModel || ASystem.Kind != SelectorKind::Runtime)
            discontinued(solution.Model);
        return;
    }
    if (!solution.Cabinet.isEmpty() && solution.Cabinets > 0) {
        const bool known = std::any_of(AData.Cabinets.cbegin(), AData.Cabinets.cend(),
                                       [&](const BatteryCabinet& A) { return A.Code == solution.Cabinet; });
        if (!known) {
            discontinued(solution.Cabinet);
            return;
        }
    }
    if (APrices.Prices.isEmpty())
        return;
    const auto today = SolutionPrice(solution, *model, APrices.Prices);
    if (!SamePrice(solution.Price, today))
        AFindings.append({ProjectFindingKind::PriceChanged, AIndex, -1, solution.Model, solution.Price, today});
}

void CheckLines(const QList<ProjectLine>& ALines, int ASystem, const QHash<QString, double>& AItems,
                QList<ProjectFinding>& AFindings)
{
    for (int i = 0; i < ALines.size(); ++i) {
        const ProjectLine& line = ALines.at(i);
        if (!line.FromPricelist)
            continue;
        const auto found = AItems.constFind(line.Code);
        if (found == AItems.constEnd())
            AFindings.append({ProjectFindingKind::ItemMissing, ASystem, i, line.Code, {}, {}});
        else if (!SamePrice(line.UnitPrice, *found))
            AFindings.append({ProjectFindingKind::PriceChanged, ASystem, i, line.Code, line.UnitPrice, *found});
    }
}

} // namespace

QList<ProjectFinding> CheckProject(const Project& AProject, const ProductData& AData, const ModelPrices& APrices,
                                   const Pricelist& APricelist)
{
    QHash<QString, double> items;
    for (const PriceItem& item : APricelist.Items)
        items.insert(item.ProductCode, item.Price);
    QList<ProjectFinding> findings;
    for (int s = 0; s < AProject.Systems.size(); ++s) {
        const ProjectSystem& system = AProject.Systems.at(s);
        CheckSolution(system, s, AData, APrices, findings);
        // An unreadable pricelist says nothing about its items.
        if (APricelist.Readable)
            CheckLines(system.Lines, s, items, findings);
    }
    if (APricelist.Readable)
        CheckLines(AProject.Lines, -1, items, findings);
    return findings;
}

bool NeedsSizingAgain(const QList<ProjectFinding>& AFindings, int ASystem)
{
    return std::any_of(AFindings.cbegin(), AFindings.cend(), [&](const ProjectFinding& A) {
        return A.Kind == ProjectFindingKind::ModelDiscontinued && A.System == ASystem;
    });
}

void ApplyPricesToday(Project& AProject, const QList<ProjectFinding>& AFindings)
{
    for (const ProjectFinding& finding : AFindings) {
        if (finding.Kind != ProjectFindingKind::PriceChanged || finding.System >= AProject.Systems.size())
            continue;
        QList<ProjectLine>& lines = finding.System < 0 ? AProject.Lines : AProject.Systems[finding.System].Lines;
        if (finding.Line >= 0 && finding.Line < lines.size())
            lines[finding.Line].UnitPrice = finding.PriceToday;
        else if (finding.Line < 0 && finding.System >= 0 && AProject.Systems[finding.System].Solution) {
            // Today's total stands for today's unit prices, which the quote takes.
            ProjectSolution& solution = *AProject.Systems[finding.System].Solution;
            solution.Price = finding.PriceToday;
            solution.UnitPrice.reset();
            solution.ModulePrice.reset();
            solution.CabinetPrice.reset();
        }
    }
}

QString FindingText(const ProjectFinding& AFinding, const Project& AProject, const EngineTexts& ATexts)
{
    QString where = ATexts(TextId::CheckWholeProject);
    if (AFinding.System >= 0 && AFinding.System < AProject.Systems.size()) {
        where = AProject.Systems.at(AFinding.System).Name;
        if (where.isEmpty())
            where = ATexts(TextId::SystemNumber).arg(AFinding.System + 1);
    }
    switch (AFinding.Kind) {
    case ProjectFindingKind::ModelDiscontinued:
        return ATexts(TextId::CheckModelDiscontinued).arg(where, AFinding.Code);
    case ProjectFindingKind::ItemMissing:
        return ATexts(TextId::CheckItemMissing).arg(where, AFinding.Code);
    case ProjectFindingKind::PriceChanged:
        break;
    }
    const auto price = [&](const std::optional<double>& A) {
        return A ? ATexts.Number(*A, 2) : ATexts(TextId::NoPrice);
    };
    return ATexts(TextId::CheckPriceChanged)
        .arg(where, AFinding.Code, price(AFinding.SavedPrice), price(AFinding.PriceToday));
}

} // namespace vantor::devengine
